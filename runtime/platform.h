// Everything outside the window: message boxes, beeps, popup menus, the screen,
// help, the program's version, focus and ending the program. Message boxes and
// popup menus are carried out after the handler has returned.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "controls.h"

namespace quantivex {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The version of this build, from the CMake project version.
Version programVersion();

class Platform {
public:
    virtual ~Platform() = default;
    virtual void MsgBox(const std::u16string& text, int style, const std::u16string& title) = 0;
    virtual void Beep() = 0;
    // A popup menu at the pointer. It opens after the handler has returned: the
    // session takes the request, keeps the menu open and delivers the pick.
    void PopupMenu(const Menu& menu) { popupRequest_ = &menu; }
    const Menu* takePopupRequest() { return std::exchange(popupRequest_, nullptr); }
    virtual float screenWidth() const = 0;   // twips
    virtual float screenHeight() const = 0;  // twips
    virtual void showHelp(const std::u16string& file, int command, int32_t context) = 0;
    virtual Version version() const { return programVersion(); }
    virtual void setFocus(const Control& control) = 0;
    virtual void endProgram() = 0;
    // A short note beside a control that says why an entry was refused, where a
    // beep alone would leave a person guessing. Not modal; it stays until
    // hideHint or the next hint.
    virtual void showHint(const Control& near, const std::u16string& text) = 0;
    // A note that only confirms what was done goes away by itself after a
    // moment as well, where a refusal waits for the person: the front-end
    // decides how long. Headless, it is a hint like any other.
    virtual void showNotice(const Control& near, const std::u16string& text) { showHint(near, text); }
    // The same beside 式の入力, the typed line, which is the view's own and no
    // control of the window.
    virtual void showLineHint(const std::u16string& text) = 0;
    virtual void hideHint() = 0;
    virtual void setClipboardText(const std::u16string& text) = 0;

private:
    const Menu* popupRequest_ = nullptr;
};

}  // namespace quantivex
