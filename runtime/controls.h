// The toolkit-neutral control model: plain structs whose fields carry the
// window's property names. Geometry is in twips, colours are 0x00BBGGRR.
// Names and fixed texts are views of the window's constant tables, so a copy
// of the whole window (undo keeps many) copies only what can change.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "caption.h"

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
    CaptionText Caption;
    bool operator==(const Label&) const = default;
};

// A button's caption is fixed when the window is made.
struct CommandButton : Control {
    std::u16string_view Caption;
    bool operator==(const CommandButton&) const = default;
};

class TextBox;

// Whom an edit box tells that its text changed: the window that owns it, which
// raises the box's Change event.
class TextChangeListener {
public:
    virtual void textChanged(TextBox& box) = 0;

protected:
    ~TextChangeListener() = default;
};

// An edit box. Its text changes only through setText, which raises Change when
// the text really changes, whoever writes it. A copy is the box as a person
// sees it: whom it tells of a change stays with the box it was made as, so a
// snapshot raises nothing, and a window restored from one still raises its own.
class TextBox : public Control {
public:
    TextBox() = default;
    TextBox(const TextBox& other) : Control(other), text_(other.text_) {}
    TextBox& operator=(const TextBox& other) {
        static_cast<Control&>(*this) = other;
        text_ = other.text_;
        return *this;
    }

    const std::u16string& Text() const { return text_; }
    void setText(std::u16string text) {
        if (text == text_) return;
        text_ = std::move(text);
        if (listener_ != nullptr) listener_->textChanged(*this);
    }
    void setListener(TextChangeListener* listener) { listener_ = listener; }

    bool operator==(const TextBox& other) const {
        return static_cast<const Control&>(*this) == other && text_ == other.text_;
    }

private:
    std::u16string text_;
    TextChangeListener* listener_ = nullptr;
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

// What a menu item is: its name and caption, fixed when the window is made.
struct MenuItemData {
    std::string_view name;
    std::u16string_view caption;  // "-" is a separator
};

// A menu item as it stands now.
struct MenuItem {
    std::string_view name;
    std::u16string_view Caption;  // "-" is a separator
    bool Visible = true;
    bool Enabled = true;
    bool isSeparator() const { return Caption == u"-"; }
};

// The items of a menu. What each item is lives in the window's constant
// tables; the menu keeps only whether each shows and takes a pick, a bit an
// item, so a copy of the window (undo keeps many) costs a few bytes a menu.
class MenuItems {
public:
    static constexpr std::size_t kCapacity = 16;
    MenuItems() = default;
    explicit MenuItems(std::span<const MenuItemData> items) : items_(items.data()) {
        if (items.size() > kCapacity) throw std::length_error("more items than a menu holds");
        size_ = static_cast<uint16_t>(items.size());
    }
    std::size_t size() const { return size_; }
    MenuItem operator[](std::size_t i) const {
        return {items_[i].name, items_[i].caption, !bit(hidden_, i), !bit(disabled_, i)};
    }
    void setVisible(std::size_t i, bool visible) { set(hidden_, i, !visible); }
    void setEnabled(std::size_t i, bool enabled) { set(disabled_, i, !enabled); }
    void showAll() { hidden_ = 0; }
    bool operator==(const MenuItems&) const = default;

private:
    static bool bit(uint16_t bits, std::size_t i) { return ((bits >> i) & 1u) != 0; }
    static void set(uint16_t& bits, std::size_t i, bool on) {
        const auto mask = static_cast<uint16_t>(1u << i);
        bits = on ? static_cast<uint16_t>(bits | mask) : static_cast<uint16_t>(bits & ~mask);
    }

    const MenuItemData* items_ = nullptr;  // the same table in every copy
    uint16_t size_ = 0;
    uint16_t hidden_ = 0;
    uint16_t disabled_ = 0;
};

struct Menu {
    std::string_view name;
    std::u16string_view Caption;
    bool Visible = true;  // shown in the menu bar; popup-only menus are not
    bool Enabled = true;
    MenuItems items;
    bool operator==(const Menu&) const = default;
};

}  // namespace quantivex
