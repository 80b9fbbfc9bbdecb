// The toolkit-neutral control model: plain structs whose fields carry the
// window's property names. Geometry is in twips, colours are 0x00BBGGRR.
// Names and fixed texts are views of the window's constant tables, so a copy
// of the whole window (undo keeps many) copies only what can change.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
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
    std::u16string_view name;
    float size = 9;  // points
    bool operator==(const Font&) const = default;
};

struct Control {
    std::string_view name;
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

// Whom an edit box's Change calls: a plain function and its two arguments, so
// that a copy of the box (undo keeps many) costs nothing for it.
struct ChangeHandler {
    void (*call)(void* window, const void* event) = nullptr;
    void* window = nullptr;
    const void* event = nullptr;
    void operator()() const { call(window, event); }
    explicit operator bool() const { return call != nullptr; }
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
    ChangeHandler Change;

    // The box as a person sees it; whom its Change calls is no part of that.
    bool operator==(const TextBox& other) const {
        return static_cast<const Control&>(*this) == other && text_ == other.text_;
    }

private:
    std::u16string text_;
};

struct LineControl {
    std::string_view name;
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = true;
    uint32_t BorderColor = kBlack;
    bool operator==(const LineControl&) const = default;
};

// A timer only carries its state; the front-end ticks it.
struct Timer {
    std::string_view name;
    bool Enabled = false;
    int Interval = 0;  // milliseconds
    bool operator==(const Timer&) const = default;
};

struct MenuItem {
    std::string_view name;
    std::u16string_view Caption;  // "-" is a separator
    bool Visible = true;
    bool Enabled = true;
    bool isSeparator() const { return Caption == u"-"; }
    bool operator==(const MenuItem&) const = default;
};

// The items of a menu: a few, fixed when the window is made, kept in place.
class MenuItems {
public:
    static constexpr std::size_t kCapacity = 12;
    void push_back(const MenuItem& item) {
        if (size_ == kCapacity) throw std::length_error("more items than a menu holds");
        items_[size_++] = item;
    }
    std::size_t size() const { return size_; }
    MenuItem& operator[](std::size_t i) { return items_[i]; }
    const MenuItem& operator[](std::size_t i) const { return items_[i]; }
    MenuItem* begin() { return items_.data(); }
    MenuItem* end() { return items_.data() + size_; }
    const MenuItem* begin() const { return items_.data(); }
    const MenuItem* end() const { return items_.data() + size_; }
    bool operator==(const MenuItems&) const = default;

private:
    std::array<MenuItem, kCapacity> items_{};
    std::size_t size_ = 0;
};

struct Menu {
    std::string_view name;
    std::u16string_view Caption;
    bool Visible = true;  // shown in the menu bar; popup-only menus are not
    bool Enabled = true;
    MenuItems items;

    MenuItem* item(std::string_view itemName) {
        for (MenuItem& i : items) {
            if (i.name == itemName) return &i;
        }
        return nullptr;
    }
    bool operator==(const Menu&) const = default;
};

}  // namespace quantivex
