// The Platform of the real window. Message boxes, popup menus and focus are
// queued while a handler runs and carried out by the main window afterwards.
#pragma once

#include <QPointer>

#include <optional>
#include <string>
#include <vector>
#include "help_window.h"

#include "platform.h"

class QWidget;

namespace quantivex {

struct PendingMessage {
    std::u16string text;
    std::u16string title;
    int style = 0;
};

class QtPlatform : public Platform {
public:
    explicit QtPlatform(QWidget* window = nullptr) : window_(window) {}
    ~QtPlatform() override;
    void setWindow(QWidget* window) { window_ = window; }

    void MsgBox(const std::u16string& text, int style, const std::u16string& title) override;
    void Beep() override;
    void PopupMenu(const Menu& menu) override;
    float screenWidth() const override;
    float screenHeight() const override;
    void showHelp(const std::u16string& file, int command, int32_t context) override;
    void setFocus(const Control& control) override;
    void endProgram() override;
    void showHint(const Control& near, const std::u16string& text) override;
    void hideHint() override;
    void setClipboardText(const std::u16string& text) override;

    // For the main window after each handler.
    std::vector<PendingMessage> takeMessages();
    std::optional<std::string> takePopup();
    std::optional<std::string> takeFocus();
    // The hint to show now (control and text), an empty text to hide it, or
    // nothing when the last event left it alone.
    std::optional<std::pair<std::string, std::u16string>> takeHint();
    bool endRequested() const { return ended_; }
    HelpWindow* helpWindow() const { return help_; }

private:
    QWidget* window_;
    std::vector<PendingMessage> messages_;
    std::optional<std::string> popup_;
    std::optional<std::string> focus_;
    std::optional<std::pair<std::string, std::u16string>> hint_;
    QPointer<HelpWindow> help_;
    bool ended_ = false;
};

}  // namespace quantivex
