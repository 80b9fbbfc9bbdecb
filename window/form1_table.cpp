// The tables built from the lists in form1_table.h.
#include "form1_table.h"

#include <algorithm>
#include <unordered_map>

#include "catalogue.h"
#include "form1_state.h"

namespace quantivex {
namespace {

// clang-format off
#define QUANTIVEX_CONTROL_ROW(kind, name, caption, left, top, width, height, visible, font, back, tab) \
    ControlRow{#name, ControlKind::kind, &Form1State::name, caption, left, top, width, height, visible, font, back, tab, 0},
#define QUANTIVEX_TIMER_ROW(name, interval) \
    ControlRow{#name, ControlKind::Timer, &Form1State::name, u"", 0, 0, 0, 0, false, kDefaultFont, 0, -1, interval},
#define QUANTIVEX_LINE_ROW(index, x1, y1, x2, y2, colour) \
    ControlRow{"Line1(" #index ")", ControlKind::Line, std::size_t{index}, u"", x1, y1, x2, y2, true, kDefaultFont, colour, -1, 0},
// clang-format on

const ControlRow kControls[] = {
    QUANTIVEX_FORM1_CONTROLS(QUANTIVEX_CONTROL_ROW, QUANTIVEX_TIMER_ROW, QUANTIVEX_LINE_ROW)};

#define QUANTIVEX_MENU_ROW(name) MenuRow{#name, &Form1State::name},
const MenuRow kMenus[] = {QUANTIVEX_FORM1_MENUS(QUANTIVEX_MENU_ROW)};

#define QUANTIVEX_VARIABLE_ROW(type, name) VariableRow{#name, &Form1State::name},
const VariableRow kVariables[] = {QUANTIVEX_FORM1_VARIABLES(QUANTIVEX_VARIABLE_ROW)};

#undef QUANTIVEX_CONTROL_ROW
#undef QUANTIVEX_TIMER_ROW
#undef QUANTIVEX_LINE_ROW
#undef QUANTIVEX_MENU_ROW
#undef QUANTIVEX_VARIABLE_ROW

constexpr std::size_t countLines() {
    std::size_t n = 0;
#define QUANTIVEX_COUNT_NOTHING(...)
#define QUANTIVEX_COUNT_LINE(...) ++n;
    QUANTIVEX_FORM1_CONTROLS(QUANTIVEX_COUNT_NOTHING, QUANTIVEX_COUNT_NOTHING, QUANTIVEX_COUNT_LINE)
#undef QUANTIVEX_COUNT_NOTHING
#undef QUANTIVEX_COUNT_LINE
    return n;
}
static_assert(countLines() == std::tuple_size_v<decltype(Form1State::Line1)>, "one LINE row per element of Line1");

// The help menu's own items; "-" is a separator.
struct HelpItem {
    std::string_view name;
    std::u16string_view caption;
};
constexpr HelpItem kHelpItems[] = {
    {"usr", u"使い方1"}, {"skip2", u"-"}, {"usr2", u"使い方2"}, {"skip", u"-"}, {"VER", u"バージョン"}};

std::vector<MenuItemRow> buildMenuItems() {
    std::vector<MenuItemRow> rows;
    for (std::size_t i = 0; i < std::size(kHelpItems); ++i) {
        rows.push_back({"HLP", std::string(kHelpItems[i].name), std::u16string(kHelpItems[i].caption), i});
    }
    for (const Category& c : categories()) {
        for (std::size_t i = 0; i < c.units.size(); ++i) {
            rows.push_back(
                {c.menuName, std::string(c.menuName) + std::to_string(i + 1), std::u16string(c.units[i].caption), i});
        }
    }
    return rows;
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
    const auto it = std::find_if(std::begin(kControls), std::end(kControls),
                                 [name](const ControlRow& r) { return r.name == name; });
    return it == std::end(kControls) ? nullptr : &*it;
}

const MenuItemRow* findMenuItemRow(std::string_view item) {
    static const std::unordered_map<std::string_view, const MenuItemRow*> index = [] {
        std::unordered_map<std::string_view, const MenuItemRow*> m;
        for (const MenuItemRow& r : menuItemRows()) m.emplace(r.name, &r);
        return m;
    }();
    const auto it = index.find(item);
    return it == index.end() ? nullptr : it->second;
}

}  // namespace quantivex
