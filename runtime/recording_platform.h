// A headless Platform for tests and replay: it records what the window asked for.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform.h"

namespace quantivex {

struct MessageBoxCall {
    std::u16string text;
    std::u16string title;
    int style = 0;
};

struct HelpCall {
    std::u16string file;
    int command = 0;
    int32_t context = 0;
};

class RecordingPlatform : public Platform {
public:
    void MsgBox(const std::u16string& text, int style, const std::u16string& title) override {
        messages.push_back({text, title, style});
    }
    void Beep() override { ++beeps; }
    float screenWidth() const override { return screenW; }
    float screenHeight() const override { return screenH; }
    void showHelp(const std::u16string& file, int command, int32_t context) override {
        helpCalls.push_back({file, command, context});
    }
    void setFocus(const Control& control) override { focus = std::string(control.name); }
    void endProgram() override { ended = true; }
    void showHint(const Control& near, const std::u16string& text) override {
        hint = text;
        hintControl = near.name;
        hints.push_back(text);
    }
    void showLineHint(const std::u16string& text) override {
        hint = text;
        hintControl = kLineName;
        hints.push_back(text);
    }
    void hideHint() override { hint.reset(); }
    static constexpr const char* kLineName = "式の入力";
    void setClipboardText(const std::u16string& text) override { clipboard = text; }

    float screenW = 28800;
    float screenH = 16200;
    std::vector<MessageBoxCall> messages;
    std::vector<HelpCall> helpCalls;
    int beeps = 0;
    std::string focus;
    bool ended = false;
    std::optional<std::u16string> hint;  // the hint showing now
    std::string hintControl;
    std::vector<std::u16string> hints;  // every hint shown
    std::optional<std::u16string> clipboard;
};

}  // namespace quantivex
