// Everything Form1 holds between two events: the window's size and place, the
// drawing surface, every control and menu, the help carrier Form2 and the state
// register. A copy of it is a complete snapshot of the window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "controls.h"
#include "form1_table.h"
#include "surface.h"

namespace quantivex {

// The hidden second window that carries the help component.
struct CommonDialog {
    std::u16string HelpFile;
    int16_t HelpCommand = 0;
    int32_t HelpContext = 0;
    bool operator==(const CommonDialog&) const = default;
};

struct Form2 {
    std::u16string Caption = u"Form2";
    uint32_t BackColor = kWhite;
    float Width = 4680;  // client area
    float Height = 3195;
    bool Visible = false;
    CommonDialog CommonDialog1;
    bool operator==(const Form2&) const = default;
};

struct Form1State {
    // ---- the window itself (outer size and position, twips) ----
    std::u16string_view Caption = u"QUANTIVEX";
    uint32_t BackColor = kSilver;
    float Width = 0;
    float Height = 0;
    float Left = 0;
    float Top = 0;
    Surface surface;

    // ---- controls and menus ----
#define QUANTIVEX_DECLARE_CONTROL(kind, name, ...) kind name;
#define QUANTIVEX_DECLARE_LINE(...)
#define QUANTIVEX_DECLARE_MENU(name) Menu name;
    QUANTIVEX_FORM1_CONTROLS(QUANTIVEX_DECLARE_CONTROL, QUANTIVEX_DECLARE_LINE)
    std::array<LineControl, 2> Line1;  // the LINE rows
    QUANTIVEX_FORM1_MENUS(QUANTIVEX_DECLARE_MENU)
    std::optional<Form2> form2;  // created on first use

    // ---- the state register ----
#define QUANTIVEX_DECLARE_VARIABLE(type, name, use) type name{};
    QUANTIVEX_FORM1_VARIABLES(QUANTIVEX_DECLARE_VARIABLE)

    bool operator==(const Form1State&) const = default;

#undef QUANTIVEX_DECLARE_CONTROL
#undef QUANTIVEX_DECLARE_LINE
#undef QUANTIVEX_DECLARE_MENU
#undef QUANTIVEX_DECLARE_VARIABLE
};

}  // namespace quantivex
