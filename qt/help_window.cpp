#include "help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quantivex {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("QUANTIVEX ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(false);
    resize(640, 560);
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
    show();
    raise();
    activateWindow();
}

}  // namespace quantivex
