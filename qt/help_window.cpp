#include "help_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "placement.h"

namespace quantivex {

HelpWindow::HelpWindow(QWidget* parent) : SideWindow(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("QUANTIVEX ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(false);
}

QString HelpWindow::resourceFor(const QString& file) {
    // "QUANTIVEX.HLP" is resolved to the document bundled with the program.
    const QString base = QFileInfo(file).completeBaseName().toLower();
    return QStringLiteral(":/help/%1.html").arg(base.isEmpty() ? QStringLiteral("quantivex") : base);
}

void HelpWindow::showDocument(const QString& file, int command, int /*context*/, const QWidget* beside) {
    QString resource = resourceFor(file);
    if (!QFileInfo::exists(resource)) resource = QStringLiteral(":/help/quantivex.html");
    browser_->setSource(QUrl(QStringLiteral("qrc") + resource));
    if (command == 3) browser_->scrollToAnchor(QStringLiteral("contents"));
    if (!isVisible()) {
        // 640 x 560, or what the room beside the calculator holds down to 320 x 300,
        // and never more than nine tenths of the screen.
        const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
        QRect room = s != nullptr ? s->availableGeometry() : QRect(0, 0, 640, 560);
        if (beside != nullptr) room = roomFor(beside);
        const QMargins frame = beside != nullptr ? frameOf(beside) : QMargins();
        QSize size = QSize(640, 560).boundedTo(room.size() * 9 / 10).grownBy(frame);
        if (beside != nullptr) size = sizeBeside(beside->frameGeometry(), size, QSize(320, 300).grownBy(frame), room);
        resize(size.shrunkBy(frame));
        if (beside != nullptr) placeBeside(this, beside);
    }
    show();
    raise();
    activateWindow();
}

}  // namespace quantivex
