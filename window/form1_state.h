// What Form1 holds between two events, in two records. Form1State is what
// behaviour reads: the window's size and place, the drawing surface, every
// control and menu, and the state variables of the register; a copy of it is a
// complete undo snapshot. Form1Trace holds the register's trace variables,
// which only record what the last handler saw: no snapshot carries them.
#pragma once

#include <optional>
#include <string>

#include "controls.h"
#include "form1_schema.h"
#include "surface.h"

namespace quantivex {

// clang-format off
#define QUANTIVEX_STATE_VARIABLE_State(type, name) type name{};
#define QUANTIVEX_STATE_VARIABLE_Trace(type, name)
#define QUANTIVEX_STATE_VARIABLE_Unused(type, name)
#define QUANTIVEX_TRACE_VARIABLE_State(type, name)
#define QUANTIVEX_TRACE_VARIABLE_Trace(type, name) type name{};
#define QUANTIVEX_TRACE_VARIABLE_Unused(type, name) type name{};
#define QUANTIVEX_STATE_VARIABLE(type, name, use) QUANTIVEX_STATE_VARIABLE_##use(type, name)
#define QUANTIVEX_TRACE_VARIABLE(type, name, use) QUANTIVEX_TRACE_VARIABLE_##use(type, name)
// Labels first, then the other controls: see Form1State.
#define QUANTIVEX_DECLARE_IF_Label(kind, name) kind name;
#define QUANTIVEX_DECLARE_IF_CommandButton(kind, name)
#define QUANTIVEX_DECLARE_IF_TextBox(kind, name)
#define QUANTIVEX_DECLARE_IF_Timer(kind, name)
#define QUANTIVEX_DECLARE_UNLESS_Label(kind, name)
#define QUANTIVEX_DECLARE_UNLESS_CommandButton(kind, name) kind name;
#define QUANTIVEX_DECLARE_UNLESS_TextBox(kind, name) kind name;
#define QUANTIVEX_DECLARE_UNLESS_Timer(kind, name) kind name;
#define QUANTIVEX_DECLARE_LABEL(kind, name, ...) QUANTIVEX_DECLARE_IF_##kind(kind, name)
#define QUANTIVEX_DECLARE_OTHER(kind, name, ...) QUANTIVEX_DECLARE_UNLESS_##kind(kind, name)
#define QUANTIVEX_DECLARE_LINE(...)
#define QUANTIVEX_DECLARE_MENU(name) Menu name;
// clang-format on

// Members are declared in the order a comparison meets them, what changes
// most often first: every step compares the window before and after it, and
// stops at the first difference. (Dumps and replay go by the table's order.)
struct Form1State {
    // ---- the state variables of the register ----
    QUANTIVEX_FORM1_VARIABLES(QUANTIVEX_STATE_VARIABLE)

    // ---- the labels, then the other controls and the menus ----
    QUANTIVEX_FORM1_CONTROLS(QUANTIVEX_DECLARE_LABEL, QUANTIVEX_DECLARE_LINE)
    QUANTIVEX_FORM1_CONTROLS(QUANTIVEX_DECLARE_OTHER, QUANTIVEX_DECLARE_LINE)
    std::array<LineControl, 2> Line1;  // the LINE rows
    QUANTIVEX_FORM1_MENUS(QUANTIVEX_DECLARE_MENU)

    // ---- the window itself (outer size and position, twips) and its drawing ----
    std::u16string_view Caption = u"QUANTIVEX";
    uint32_t BackColor = kSilver;
    float Width = 0;
    float Height = 0;
    float Left = 0;
    float Top = 0;
    Surface surface;

    bool operator==(const Form1State&) const = default;
};

// The trace (and unused) variables of the register: the handlers write them,
// replay's expectations and dumps read them, no later behaviour does.
struct Form1Trace {
    QUANTIVEX_FORM1_VARIABLES(QUANTIVEX_TRACE_VARIABLE)
};

#undef QUANTIVEX_STATE_VARIABLE_State
#undef QUANTIVEX_STATE_VARIABLE_Trace
#undef QUANTIVEX_STATE_VARIABLE_Unused
#undef QUANTIVEX_TRACE_VARIABLE_State
#undef QUANTIVEX_TRACE_VARIABLE_Trace
#undef QUANTIVEX_TRACE_VARIABLE_Unused
#undef QUANTIVEX_STATE_VARIABLE
#undef QUANTIVEX_TRACE_VARIABLE
#undef QUANTIVEX_DECLARE_IF_Label
#undef QUANTIVEX_DECLARE_IF_CommandButton
#undef QUANTIVEX_DECLARE_IF_TextBox
#undef QUANTIVEX_DECLARE_IF_Timer
#undef QUANTIVEX_DECLARE_UNLESS_Label
#undef QUANTIVEX_DECLARE_UNLESS_CommandButton
#undef QUANTIVEX_DECLARE_UNLESS_TextBox
#undef QUANTIVEX_DECLARE_UNLESS_Timer
#undef QUANTIVEX_DECLARE_LABEL
#undef QUANTIVEX_DECLARE_OTHER
#undef QUANTIVEX_DECLARE_LINE
#undef QUANTIVEX_DECLARE_MENU

}  // namespace quantivex
