// The window's table as rows: every control, menu, menu item and variable of
// form1_schema.h with what it is, and the look-ups by what a control is. The
// creation, reflection, the event table, the session, the Qt view, the event
// storm and the snapshot read them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "controls.h"
#include "form1_schema.h"
#include "form1_state.h"

namespace quantivex {

using ControlMember = std::variant<Label Form1State::*, CommandButton Form1State::*, TextBox Form1State::*,
                                   Timer Form1State::*, std::size_t>;  // the index into Line1 for a line

// One control: how it is created and what it is.
struct ControlRow {
    std::string_view name;  // "Label1", "Line1(0)"
    ControlKind kind;
    ControlMember member;

    // as created
    std::u16string_view caption{};
    float left = 0, top = 0, width = 0, height = 0;
    Point from{}, to{};  // a line's ends
    bool visible = true;
    FontSpec font = kDefaultFont;
    uint32_t backColor = kSystemButtonFace;  // a line: its colour
    int tabIndex = -1;                       // -1: never takes the keyboard focus
    int interval = 0;                        // a timer: milliseconds

    // what it is
    Role role = Role::Separator;
    Side side = Side::None;
    Place place = Place::None;
    char16_t category = 0;                    // a category button: its category's code
    int step = 0;                             // a guide text: its place in the guide, from 1
    Label Form1State::*edits = nullptr;       // an edit box: the label it edits
    int16_t Form1State::*openFlag = nullptr;  // an edit box: the variable that says its edit is open

    // what a screen reader calls it; empty: its caption
    std::u16string_view accessibleName{};
};

struct MenuRow {
    std::string_view name;
    Menu Form1State::*member;
};

// One item of one menu: the help menu's own, or a unit of the catalogue.
struct MenuItemRow {
    std::string_view menu;
    std::string name;  // "usr", "MASS2"
    std::u16string caption;
    std::size_t index;            // position in its menu
    Menu Form1State::*owner;      // its menu
    char16_t category = 0;        // a unit item: its category's code
    std::string_view shortcut{};  // a key that chooses it from anywhere in the window ("F1")

    bool isSeparator() const { return caption == u"-"; }
};

// A variable of the register: a state variable is a member of Form1State, a
// trace or unused one of Form1Trace.
struct VariableRow {
    std::string_view name;
    std::variant<double Form1State::*, int16_t Form1State::*, int32_t Form1State::*, std::u16string Form1State::*,
                 std::u16string_view Form1State::*, double Form1Trace::*, int16_t Form1Trace::*, int32_t Form1Trace::*,
                 std::u16string Form1Trace::*, FlagTable Form1Trace::*>
        member;
    Use use;
};

// The window's own events, Load and Unload, raised by "Form".
inline constexpr std::string_view kFormName = "Form";

std::span<const ControlRow> controlRows();
std::span<const MenuRow> menuRows();
const std::vector<MenuItemRow>& menuItemRows();
std::span<const VariableRow> variableRows();

const ControlRow* findControlRow(std::string_view name);
const MenuItemRow* findMenuItemRow(std::string_view item);
const MenuRow* findMenuRow(std::string_view menu);

// Rows by what they are, in creation order unless said otherwise.
std::span<const ControlRow* const> rowsWithRole(Role role);
std::span<const ControlRow* const> guideTextRows();  // in the guide's order
const ControlRow* categoryButtonRow(Side side, char16_t category);
const ControlRow* equationPartRow(Side side, Place place);
// The edit box that edits a label, or null; the label an edit box edits.
const ControlRow* editBoxOf(const ControlRow& label);
const ControlRow* labelEditedBy(const ControlRow& box);
// The row of a control of the window, by its address in a state.
const ControlRow* rowOf(const Form1State& form, const Control& control);

// A control of a state by its row.
Control& controlOf(Form1State& form, const ControlRow& row);
const Control& controlOf(const Form1State& form, const ControlRow& row);
TextBox& textBoxOf(Form1State& form, const ControlRow& row);
const TextBox& textBoxOf(const Form1State& form, const ControlRow& row);

// Whether the edit of a box is open (its flag set), whether or not the box shows.
bool editOpen(const Form1State& form, const ControlRow& box);
bool anyEditOpen(const Form1State& form);

}  // namespace quantivex
