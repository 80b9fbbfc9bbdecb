#include "help_window.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace quantivex {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("QUANTIVEX ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(false);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the help as it closes any viewer window; the browser passes it on.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString HelpWindow::resourceFor(const QString& file) {
    // "QUANTIVEX.HLP" is resolved to the document bundled with the program.
    const QString base = QFileInfo(file).completeBaseName().toLower();
    return QStringLiteral(":/help/%1.html").arg(base.isEmpty() ? QStringLiteral("quantivex") : base);
}

void HelpWindow::showDocument(const QString& file, int command, int /*context*/) {
    QString resource = resourceFor(file);
    if (!QFileInfo::exists(resource)) resource = QStringLiteral(":/help/quantivex.html");
    browser_->setSource(QUrl(QStringLiteral("qrc") + resource));
    if (command == 3) browser_->scrollToAnchor(QStringLiteral("contents"));
    if (!isVisible()) {
        // 640 x 560, or nine tenths of what the screen has room for at its scale.
        const QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
        const QRect room = s != nullptr ? s->availableGeometry() : QRect(0, 0, 640, 560);
        resize(std::min(640, room.width() * 9 / 10), std::min(560, room.height() * 9 / 10));
    }
    show();
    raise();
    activateWindow();
}

}  // namespace quantivex
