// The Platform of the real window. Message boxes, popup menus and focus are
// queued while a handler runs and carried out by the main window afterwards.
#pragma once

#include <QPointer>

#include "help_window.h"
#include <optional>
#include <string>
#include <vector>

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

    // For the main window after each handler.
    std::vector<PendingMessage> takeMessages();
    std::optional<std::string> takePopup();
    std::optional<std::string> takeFocus();
    bool endRequested() const { return ended_; }
    HelpWindow* helpWindow() const { return help_; }

private:
    QWidget* window_;
    std::vector<PendingMessage> messages_;
    std::optional<std::string> popup_;
    std::optional<std::string> focus_;
    QPointer<HelpWindow> help_;
    bool ended_ = false;
};

}  // namespace quantivex
