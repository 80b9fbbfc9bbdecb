// The rows built from the lists in form1_schema.h, and the look-ups by what a
// control is.
#include "form1_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <unordered_map>

#include "catalogue.h"

namespace quantivex {
namespace {

// clang-format off
#define QUANTIVEX_CONTROL_ROW(kind_, name_, ...) \
    ControlRow{.name = #name_, .kind = ControlKind::kind_, .member = &Form1State::name_, __VA_ARGS__},
#define QUANTIVEX_LINE_ROW(index_, ...) \
    ControlRow{.name = "Line1(" #index_ ")", .kind = ControlKind::Line, .member = std::size_t{index_}, __VA_ARGS__},
// clang-format on

const ControlRow kControls[] = {QUANTIVEX_FORM1_CONTROLS(QUANTIVEX_CONTROL_ROW, QUANTIVEX_LINE_ROW)};

#define QUANTIVEX_MENU_ROW(name) MenuRow{#name, &Form1State::name},
const MenuRow kMenus[] = {QUANTIVEX_FORM1_MENUS(QUANTIVEX_MENU_ROW)};

// A state variable belongs to Form1State, a trace or unused one to Form1Trace.
#define QUANTIVEX_OWNER_State Form1State
#define QUANTIVEX_OWNER_Trace Form1Trace
#define QUANTIVEX_OWNER_Unused Form1Trace
#define QUANTIVEX_MEMBER(owner, name) &owner::name
#define QUANTIVEX_VARIABLE_ROW(type, name, use) \
    VariableRow{#name, QUANTIVEX_MEMBER(QUANTIVEX_OWNER_##use, name), Use::use},
const VariableRow kVariables[] = {QUANTIVEX_FORM1_VARIABLES(QUANTIVEX_VARIABLE_ROW)};

#undef QUANTIVEX_CONTROL_ROW
#undef QUANTIVEX_LINE_ROW
#undef QUANTIVEX_MENU_ROW
#undef QUANTIVEX_VARIABLE_ROW
#undef QUANTIVEX_MEMBER
#undef QUANTIVEX_OWNER_State
#undef QUANTIVEX_OWNER_Trace
#undef QUANTIVEX_OWNER_Unused

constexpr std::size_t countLines() {
    std::size_t n = 0;
#define QUANTIVEX_COUNT_NOTHING(...)
#define QUANTIVEX_COUNT_LINE(...) ++n;
    QUANTIVEX_FORM1_CONTROLS(QUANTIVEX_COUNT_NOTHING, QUANTIVEX_COUNT_LINE)
#undef QUANTIVEX_COUNT_NOTHING
#undef QUANTIVEX_COUNT_LINE
    return n;
}
static_assert(countLines() == std::tuple_size_v<decltype(Form1State::Line1)>, "one LINE row per element of Line1");

// The help menu's own items in menu order; "-" is a separator.
struct HelpItem {
    std::string_view name;
    std::u16string_view caption;
    std::string_view shortcut{};
};
const HelpItem kHelpItems[] = {
    {.name = "usr", .caption = u"使い方1"},
    {.name = "skip2", .caption = u"-"},
    // F1 opens the help, as on most desktops.
    {.name = "usr2", .caption = u"使い方2", .shortcut = "F1"},
    {.name = "skip", .caption = u"-"},
    {.name = "VER", .caption = u"バージョン"},
};

std::vector<MenuItemRow> buildMenuItems() {
    std::vector<MenuItemRow> rows;
    for (std::size_t i = 0; i < std::size(kHelpItems); ++i) {
        const HelpItem& h = kHelpItems[i];
        rows.push_back({"HLP", std::string(h.name), std::u16string(h.caption), i, &Form1State::HLP, 0, h.shortcut});
    }
    for (const Category& c : categories()) {
        const MenuRow* menu = findMenuRow(c.menuName);
        if (menu == nullptr) throw std::logic_error("a category without its menu");
        for (std::size_t i = 0; i < c.units.size(); ++i) {
            rows.push_back({c.menuName, std::string(c.menuName) + std::to_string(i + 1),
                            std::u16string(c.units[i].caption), i, menu->member, c.code[0]});
        }
    }
    return rows;
}

// Rows grouped by what they are, built once.
struct Index {
    std::vector<const ControlRow*> byRole[static_cast<int>(Role::Separator) + 1];
    std::vector<const ControlRow*> guide;
    std::unordered_map<std::string_view, const ControlRow*> byName;
    // Category buttons by side and code; codes are ASCII letters.
    std::array<std::array<const ControlRow*, 128>, 3> categoryButtons{};
    std::vector<int16_t Form1State::*> openFlags;  // of every edit box

    Index() {
        for (const ControlRow& r : kControls) {
            byRole[static_cast<int>(r.role)].push_back(&r);
            byName.emplace(r.name, &r);
            if (r.role == Role::CategoryButton && r.category < 128) {
                categoryButtons[static_cast<std::size_t>(r.side)][r.category] = &r;
            }
            if (r.role == Role::EditBox && r.openFlag != nullptr) openFlags.push_back(r.openFlag);
        }
        guide = byRole[static_cast<int>(Role::GuideText)];
        std::sort(guide.begin(), guide.end(),
                  [](const ControlRow* a, const ControlRow* b) { return a->step < b->step; });
    }
};

// Built when the program starts, from the rows above in this file: the
// look-ups run hundreds of times a road and need no guard on each call.
const Index kIndex;

const Index& index() {
    return kIndex;
}

}  // namespace

std::span<const ControlRow> controlRows() {
    return kControls;
}
std::span<const MenuRow> menuRows() {
    return kMenus;
}
std::span<const VariableRow> variableRows() {
    return kVariables;
}

const std::vector<MenuItemRow>& menuItemRows() {
    static const std::vector<MenuItemRow> rows = buildMenuItems();
    return rows;
}

const ControlRow* findControlRow(std::string_view name) {
    const auto& byName = index().byName;
    const auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

const MenuRow* findMenuRow(std::string_view menu) {
    const auto it =
        std::find_if(std::begin(kMenus), std::end(kMenus), [menu](const MenuRow& r) { return r.name == menu; });
    return it == std::end(kMenus) ? nullptr : &*it;
}

const MenuItemRow* findMenuItemRow(std::string_view item) {
    static const std::unordered_map<std::string_view, const MenuItemRow*> byName = [] {
        std::unordered_map<std::string_view, const MenuItemRow*> m;
        for (const MenuItemRow& r : menuItemRows()) m.emplace(r.name, &r);
        return m;
    }();
    const auto it = byName.find(item);
    return it == byName.end() ? nullptr : it->second;
}

std::span<const ControlRow* const> rowsWithRole(Role role) {
    return index().byRole[static_cast<int>(role)];
}

std::span<const ControlRow* const> guideTextRows() {
    return index().guide;
}

const ControlRow* categoryButtonRow(Side side, char16_t category) {
    return category < 128 ? index().categoryButtons[static_cast<std::size_t>(side)][category] : nullptr;
}

const ControlRow* equationPartRow(Side side, Place place) {
    for (const ControlRow* r : rowsWithRole(Role::EquationPart)) {
        if (r->side == side && r->place == place) return r;
    }
    return nullptr;
}

const ControlRow* editBoxOf(const ControlRow& label) {
    const auto* member = std::get_if<Label Form1State::*>(&label.member);
    if (member == nullptr) return nullptr;
    for (const ControlRow* box : rowsWithRole(Role::EditBox)) {
        if (box->edits == *member) return box;
    }
    return nullptr;
}

const ControlRow* labelEditedBy(const ControlRow& box) {
    for (const ControlRow* label : rowsWithRole(Role::EquationPart)) {
        if (const auto* member = std::get_if<Label Form1State::*>(&label->member); member && *member == box.edits) {
            return label;
        }
    }
    return nullptr;
}

const ControlRow* rowOf(const Form1State& form, const Control& control) {
    for (const ControlRow& r : kControls) {
        if (r.kind != ControlKind::Line && r.kind != ControlKind::Timer && &controlOf(form, r) == &control) return &r;
    }
    return nullptr;
}

Control& controlOf(Form1State& form, const ControlRow& row) {
    Control* c = nullptr;
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, Label Form1State::*> || std::is_same_v<M, CommandButton Form1State::*> ||
                          std::is_same_v<M, TextBox Form1State::*>) {
                c = &(form.*member);
            }
        },
        row.member);
    if (c == nullptr) throw std::logic_error("a timer or a line is no control with a place");
    return *c;
}

const Control& controlOf(const Form1State& form, const ControlRow& row) {
    return controlOf(const_cast<Form1State&>(form), row);
}

TextBox& textBoxOf(Form1State& form, const ControlRow& row) {
    const auto* member = std::get_if<TextBox Form1State::*>(&row.member);
    if (member == nullptr) throw std::logic_error("not an edit box");
    return form.**member;
}

const TextBox& textBoxOf(const Form1State& form, const ControlRow& row) {
    return textBoxOf(const_cast<Form1State&>(form), row);
}

bool editOpen(const Form1State& form, const ControlRow& box) {
    return box.openFlag != nullptr && form.*box.openFlag == 1;
}

bool anyEditOpen(const Form1State& form) {
    const auto& flags = index().openFlags;
    return std::any_of(flags.begin(), flags.end(), [&](int16_t Form1State::*flag) { return form.*flag == 1; });
}

}  // namespace quantivex
