// The toolkit-neutral control model: plain structs whose fields carry the
// window's property names. Geometry is in twips, colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quantivex {

// Colours the window uses. The high bit marks an index into the system colours.
inline constexpr uint32_t kSilver = 0xC0C0C0;
inline constexpr uint32_t kLightCyan = 0xFFFFC0;
inline constexpr uint32_t kSkyBlue = 0xFFC000;
inline constexpr uint32_t kOrange = 0x099FFF;
inline constexpr uint32_t kYellow = 0x0FFFFF;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kSystemWindowText = 0x80000008;
inline constexpr uint32_t kSystemButtonFace = 0x8000000F;
inline constexpr uint32_t kSystemWindow = 0x80000005;
inline constexpr uint32_t kSystem3DHighlight = 0x80000014;
inline constexpr uint32_t kSystem3DDarkShadow = 0x80000015;

constexpr bool isSystemColour(uint32_t colour) {
    return (colour & 0x80000000u) != 0;
}

struct Font {
    std::u16string name;
    float size = 9;  // points
    bool operator==(const Font&) const = default;
};

struct Control {
    std::string name;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = true;
    bool Enabled = true;
    uint32_t BackColor = kSystemButtonFace;
    Font font;
    int TabIndex = -1;  // -1: takes no keyboard focus
    bool operator==(const Control&) const = default;
};

struct Label : Control {
    std::u16string Caption;
    bool operator==(const Label&) const = default;
};

struct CommandButton : Control {
    std::u16string Caption;
    bool operator==(const CommandButton&) const = default;
};

// An edit box. Its text changes only through setText, which raises Change when
// the text really changes, whoever writes it.
class TextBox : public Control {
public:
    const std::u16string& Text() const { return text_; }
    void setText(std::u16string text) {
        if (text == text_) return;
        text_ = std::move(text);
        if (Change) Change();
    }
    std::function<void()> Change;

    // The box as a person sees it; whom its Change calls is no part of that.
    bool operator==(const TextBox& other) const {
        return static_cast<const Control&>(*this) == other && text_ == other.text_;
    }

private:
    std::u16string text_;
};

struct LineControl {
    std::string name;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = true;
    uint32_t BorderColor = kBlack;
    bool operator==(const LineControl&) const = default;
};

// A timer only carries its state; the front-end ticks it.
struct Timer {
    std::string name;
    bool Enabled = false;
    int Interval = 0;  // milliseconds
    bool operator==(const Timer&) const = default;
};

struct MenuItem {
    std::string name;
    std::u16string Caption;  // "-" is a separator
    bool Visible = true;
    bool Enabled = true;
    bool isSeparator() const { return Caption == u"-"; }
    bool operator==(const MenuItem&) const = default;
};

struct Menu {
    std::string name;
    std::u16string Caption;
    bool Visible = true;  // shown in the menu bar; popup-only menus are not
    bool Enabled = true;
    std::vector<MenuItem> items;

    MenuItem* item(std::string_view itemName) {
        for (MenuItem& i : items) {
            if (i.name == itemName) return &i;
        }
        return nullptr;
    }
    bool operator==(const Menu&) const = default;
};

}  // namespace quantivex
