// The Platform of the real window. Message boxes, focus and hints are queued
// while a handler runs and carried out by the main window afterwards.
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

    void MsgBox(const std::u16string& text, int style, const std::u16string& title) override;
    void Beep() override;
    float screenWidth() const override;
    float screenHeight() const override;
    void showHelp(const std::u16string& file, int command, int32_t context) override;
    void setFocus(const Control& control) override;
    void endProgram() override;
    void showHint(const Control& near, const std::u16string& text) override;
    void showNotice(const Control& near, const std::u16string& text) override;
    void showLineHint(const std::u16string& text) override;
    void hideHint() override;
    void setClipboardText(const std::u16string& text) override;

    // For the main window after each handler.
    std::vector<PendingMessage> takeMessages();
    const Control* takeFocus();
    // The hint to show now (beside a control), an empty text to hide it, or
    // nothing when the last event left it alone.
    struct Hint {
        const Control* near;
        std::u16string text;
        bool notice = false;  // goes away by itself
        bool atLine = false;  // beside 式の入力, not beside a control
    };
    std::optional<Hint> takeHint();
    bool endRequested() const { return ended_; }
    HelpWindow* helpWindow() const { return help_; }

private:
    QWidget* window_;
    std::vector<PendingMessage> messages_;
    const Control* focus_ = nullptr;
    std::optional<Hint> hint_;
    QPointer<HelpWindow> help_;
    bool ended_ = false;
};

}  // namespace quantivex
