#include "qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>

#include "conversions.h"
#include "help_window.h"

namespace quantivex {
namespace {

QScreen* screenOf(QWidget* window) {
    if (window != nullptr && window->screen() != nullptr) return window->screen();
    return QGuiApplication::primaryScreen();
}

}  // namespace

QtPlatform::~QtPlatform() {
    delete help_;
}

void QtPlatform::MsgBox(const std::u16string& text, int style, const std::u16string& title) {
    messages_.push_back({text, title, style});
}

void QtPlatform::Beep() {
    QApplication::beep();
}

float QtPlatform::screenWidth() const {
    const QScreen* s = screenOf(window_);
    if (s == nullptr) return 28800;
    return static_cast<float>(TwipScale(s->logicalDotsPerInchX()).toTwips(s->geometry().width()));
}

float QtPlatform::screenHeight() const {
    const QScreen* s = screenOf(window_);
    if (s == nullptr) return 16200;
    return static_cast<float>(TwipScale(s->logicalDotsPerInchY()).toTwips(s->geometry().height()));
}

void QtPlatform::showHelp(const std::u16string& file, int command, int32_t context) {
    // The window passes a bare name; the help window finds the bundled document
    // for it. It is not modal: the calculator stays usable beside it.
    if (!help_) help_ = new HelpWindow();
    help_->showDocument(toQString(file), command, context, window_);
}

void QtPlatform::setFocus(const Control& control) {
    focus_ = &control;
}

void QtPlatform::endProgram() {
    ended_ = true;
    if (help_) help_->close();
    QApplication::quit();
}

void QtPlatform::showHint(const Control& near, const std::u16string& text) {
    hint_ = Hint{&near, text};
}

void QtPlatform::showNotice(const Control& near, const std::u16string& text) {
    hint_ = Hint{&near, text, true};
}
void QtPlatform::showLineHint(const std::u16string& text) {
    hint_ = Hint{nullptr, text, false, true};
}

void QtPlatform::setClipboardText(const std::u16string& text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

void QtPlatform::hideHint() {
    hint_ = Hint{nullptr, {}};
}

std::vector<PendingMessage> QtPlatform::takeMessages() {
    return std::exchange(messages_, {});
}
const Control* QtPlatform::takeFocus() {
    return std::exchange(focus_, nullptr);
}
std::optional<QtPlatform::Hint> QtPlatform::takeHint() {
    return std::exchange(hint_, std::nullopt);
}

}  // namespace quantivex
