// The window described once: its controls in creation order, its menus and the
// variables of its register. Form1State declares its members from these lists,
// and form1_table.cpp turns them into the tables that creation, reflection, the
// event table, the Qt view, the event storm and the snapshot read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "controls.h"

namespace quantivex {

struct Form1State;
class Form1;

// A font as the window names it; the front-end substitutes an installed one.
struct FontSpec {
    std::u16string_view name;
    float size;  // points
};
inline constexpr FontSpec kDefaultFont{u"ＭＳ Ｐゴシック", 9};
inline constexpr FontSpec kPGothic9{u"ＭＳ Ｐゴシック", 9.75f};
inline constexpr FontSpec kPGothic11{u"ＭＳ Ｐゴシック", 11.25f};
inline constexpr FontSpec kFixedSys{u"FixedSys", 13.5f};

using FlagTable = std::array<int16_t, 9>;  // RightButtonPlaced(0) .. (8)

}  // namespace quantivex

// clang-format off

// Controls in creation order. Geometry in twips; hidden means not visible at creation.
//   CONTROL(kind, name, caption, left, top, width, height, visible, font, back colour, tab index)
//   TIMER(name, interval in ms)              created disabled
//   LINE(index, x1, y1, x2, y2, colour)      the two-tone separator Line1(0), Line1(1)
#define QUANTIVEX_FORM1_CONTROLS(CONTROL, TIMER, LINE)                                                               \
    CONTROL(CommandButton, Command19, u"圧力", 4755, 3240, 555, 330, false, kDefaultFont, kSystemButtonFace, 32)      \
    CONTROL(CommandButton, Command18, u"圧力", 5025, 3120, 555, 330, false, kDefaultFont, kSystemButtonFace, 31)      \
    TIMER(Timer3, 120)                                                                                                \
    TIMER(Timer2, 10)                                                                                                 \
    CONTROL(TextBox, Text2, u"", 225, 1170, 930, 375, false, kPGothic9, kWhite, 24)                                   \
    CONTROL(CommandButton, Command17, u"クリヤ", 3135, 405, 900, 420, true, kDefaultFont, kSystemButtonFace, 23)      \
    CONTROL(TextBox, Text4, u"", 375, 2505, 1890, 375, false, kPGothic9, kSystemWindow, 22)                           \
    CONTROL(CommandButton, Command16, u"熱量", 5340, 3225, 555, 330, false, kDefaultFont, kSystemButtonFace, 21)      \
    CONTROL(CommandButton, Command15, u"力", 4185, 3240, 555, 330, false, kDefaultFont, kSystemButtonFace, 20)        \
    CONTROL(CommandButton, Command14, u"時間", 3615, 3255, 555, 330, false, kDefaultFont, kSystemButtonFace, 19)      \
    CONTROL(CommandButton, Command13, u"体積", 3045, 3255, 555, 330, false, kDefaultFont, kSystemButtonFace, 18)      \
    CONTROL(CommandButton, Command12, u"面積", 2460, 3255, 555, 330, false, kDefaultFont, kSystemButtonFace, 17)      \
    CONTROL(CommandButton, Command11, u"長さ", 1905, 3255, 555, 330, false, kDefaultFont, kSystemButtonFace, 16)      \
    CONTROL(TextBox, Text3, u"", 330, 1185, 1920, 360, false, kPGothic9, kSystemWindow, 15)                           \
    CONTROL(CommandButton, Command10, u"質量", 1335, 3255, 555, 330, false, kDefaultFont, kSystemButtonFace, 14)      \
    TIMER(Timer1, 10)                                                                                                 \
    CONTROL(CommandButton, Command9, u"単位の変換", 4515, 330, 1140, 495, true, kDefaultFont, kSystemButtonFace, 13)  \
    CONTROL(CommandButton, Command8, u"単位の設定", 1530, 315, 1140, 510, true, kDefaultFont, kSystemButtonFace, 12)  \
    CONTROL(CommandButton, Command7, u"熱量", 5610, 3135, 540, 330, false, kDefaultFont, kSystemButtonFace, 10)       \
    CONTROL(CommandButton, Command6, u"力", 4485, 3120, 540, 330, false, kDefaultFont, kSystemButtonFace, 9)          \
    CONTROL(CommandButton, Command5, u"時間", 3930, 3120, 540, 330, false, kDefaultFont, kSystemButtonFace, 8)        \
    CONTROL(CommandButton, Command4, u"体積", 3375, 3120, 540, 315, false, kDefaultFont, kSystemButtonFace, 7)        \
    CONTROL(CommandButton, Command3, u"面積", 2820, 3120, 540, 330, false, kDefaultFont, kSystemButtonFace, 6)        \
    CONTROL(CommandButton, Command2, u"長さ", 2265, 3135, 540, 315, false, kDefaultFont, kSystemButtonFace, 5)        \
    CONTROL(CommandButton, Command1, u"質量", 1695, 3120, 540, 330, false, kDefaultFont, kSystemButtonFace, 4)        \
    LINE(1, -30, 30, 7065, 30, kSystem3DHighlight)                                                                    \
    LINE(0, 0, 15, 7050, 15, kSystem3DDarkShadow)                                                                     \
    CONTROL(Label, Label11, u"●左辺の数値と単位はダブルクリックで変更可", 1755, 2760, 3600, 375, false, kDefaultFont, 0xFFFFC0, 30) \
    CONTROL(Label, Label10, u"●右辺で単位の変更ができます", 1755, 2235, 3600, 390, false, kDefaultFont, 0xFFFF80, 29) \
    CONTROL(Label, Label9, u"●左辺分子/分母をクリックし単位を入力", 1740, 1740, 3600, 360, false, kDefaultFont, 0xFFFF00, 28) \
    CONTROL(Label, Label8, u"●まず、「単位の設定」をクリックして下さい", 1755, 1230, 3585, 390, false, kDefaultFont, 0xC0C000, 27) \
    CONTROL(Label, Label7, u"=", 1710, 1920, 165, 315, true, kDefaultFont, kSilver, 26)                              \
    CONTROL(Label, Label1, u"Label1", 1080, 1875, 1590, 315, true, kPGothic11, kSilver, 25)                          \
    CONTROL(Label, Label5, u"", 450, 1605, 2025, 360, true, kFixedSys, kSilver, 11)                                  \
    CONTROL(Label, Label6, u"", 645, 2040, 2010, 345, true, kFixedSys, kSilver, 3)                                   \
    CONTROL(Label, Label4, u"", 405, 2055, 1995, 345, true, kFixedSys, kSilver, 2)                                   \
    CONTROL(Label, Label3, u"", 675, 1605, 2010, 345, true, kFixedSys, kSilver, 1)                                   \
    CONTROL(Label, Label2, u"Label2", 210, 1875, 945, 315, true, kPGothic11, kSilver, 0)

// Menus: the help menu of the menu bar, then the eight popup-only unit menus in
// catalogue order (their items come from the catalogue).
#define QUANTIVEX_FORM1_MENUS(MENU) \
    MENU(HLP) MENU(MASS) MENU(LENG) MENU(AREA) MENU(VOL) MENU(TIM) MENU(FORCE) MENU(THERM) MENU(PRESS)

// The state register: VARIABLE(type, name). Every variable starts as 0 or "",
// as an unassigned variable of the window does.
#define QUANTIVEX_FORM1_VARIABLES(VARIABLE)             \
    /* left side: value and units */                      \
    VARIABLE(double, LeftValue)                           \
    VARIABLE(std::u16string, LeftValueBeforeEdit)         \
    VARIABLE(int16_t, EditingLeftValue)                   \
    VARIABLE(int16_t, ResultRescaled)                     \
    VARIABLE(int16_t, LeftNumeratorEditOpen)              \
    VARIABLE(int16_t, LeftDenominatorEditOpen)            \
    VARIABLE(std::u16string, LeftNumeratorBeforeEdit)     \
    VARIABLE(std::u16string, LeftDenominatorBeforeEdit)   \
    VARIABLE(int16_t, EnteringLeftDenominator)            \
    VARIABLE(std::u16string, LeftNumeratorUnits)          \
    VARIABLE(std::u16string, LeftDenominatorUnits)        \
    VARIABLE(int32_t, LeftNumeratorUnitsLength)           \
    VARIABLE(int32_t, LeftDenominatorUnitsLength)         \
    VARIABLE(std::u16string, LeftNumeratorDims)           \
    VARIABLE(std::u16string, LeftDenominatorDims)         \
    /* right side: unit changes and result */             \
    VARIABLE(std::u16string, RightNumeratorDims)          \
    VARIABLE(std::u16string, RightDenominatorDims)        \
    VARIABLE(std::u16string, ChangingRightDims)           \
    VARIABLE(int16_t, ChangingRightNumerator)             \
    VARIABLE(int16_t, ChangingRightDenominator)           \
    VARIABLE(std::u16string, ActiveCategory)              \
    VARIABLE(std::u16string, ActiveTokenList)             \
    VARIABLE(std::u16string, PickedUnit)                  \
    VARIABLE(std::u16string, CurrentToken)                \
    VARIABLE(std::u16string, TokenCategory)               \
    VARIABLE(std::u16string, ScanChar)                    \
    VARIABLE(std::u16string, NewRightNumeratorText)       \
    VARIABLE(std::u16string, NewRightDenominatorText)     \
    VARIABLE(std::u16string, LastRightNumeratorCategory)  \
    VARIABLE(std::u16string, LastRightDenominatorCategory)\
    VARIABLE(int32_t, RightNumeratorReplaceIndex)         \
    VARIABLE(int16_t, RightDenominatorReplaceIndex)       \
    VARIABLE(int32_t, CategoryTokenOrdinal)               \
    VARIABLE(int16_t, UnitReplaced)                       \
    VARIABLE(std::u16string, DimsToCount)                 \
    VARIABLE(int16_t, CategoryLetterCount)                \
    VARIABLE(int32_t, RightNumeratorTextLength)           \
    VARIABLE(double, RightDenominatorTextLength)          \
    VARIABLE(double, FactorRatio)                         \
    VARIABLE(double, RightValue)                          \
    VARIABLE(std::u16string, RightValueText)              \
    VARIABLE(int32_t, MassFromIndex)                      \
    VARIABLE(int32_t, MassToIndex)                        \
    VARIABLE(int32_t, LengthFromIndex)                    \
    VARIABLE(int32_t, LengthToIndex)                      \
    VARIABLE(int32_t, AreaFromIndex)                      \
    VARIABLE(int16_t, AreaToIndex)                        \
    VARIABLE(int32_t, VolumeFromIndex)                    \
    VARIABLE(int32_t, VolumeToIndex)                      \
    VARIABLE(int32_t, TimeFromIndex)                      \
    VARIABLE(int32_t, TimeToIndex)                        \
    VARIABLE(int32_t, ForceFromIndex)                     \
    VARIABLE(int32_t, ForceToIndex)                       \
    VARIABLE(int32_t, HeatFromIndex)                      \
    VARIABLE(int16_t, HeatToIndex)                        \
    VARIABLE(int32_t, PressureFromIndex)                  \
    VARIABLE(int32_t, PressureToIndex)                    \
    VARIABLE(int16_t, RightButtonX)                       \
    VARIABLE(double, RightButtonBaseX)                    \
    VARIABLE(FlagTable, RightButtonPlaced)                \
    /* window, workflow, guidance */                      \
    VARIABLE(int16_t, DefaultValuePending)                \
    VARIABLE(int16_t, GuideShown)                         \
    VARIABLE(int16_t, GuideTick)                          \
    VARIABLE(int16_t, WindowWidened)                      \
    VARIABLE(double, LeftNumeratorLength)                 \
    VARIABLE(int32_t, RightNumeratorLength)               \
    VARIABLE(double, RightDenominatorLength)

// clang-format on

namespace quantivex {

enum class ControlKind { Label, CommandButton, TextBox, Timer, Line };

// One control as created.
struct ControlRow {
    std::string_view name;  // "Label1", "Line1(0)"
    ControlKind kind;
    std::variant<Label Form1State::*, CommandButton Form1State::*, TextBox Form1State::*, Timer Form1State::*,
                 std::size_t>
        member;  // the index into Line1 for a line
    std::u16string_view caption;
    float left, top, width, height;  // a line: x1, y1, x2, y2
    bool visible;
    FontSpec font;
    uint32_t backColor;  // a line: its colour
    int tabIndex;        // -1: never takes the keyboard focus
    int interval;        // a timer: milliseconds
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
    std::size_t index;  // position in its menu
};

struct VariableRow {
    std::string_view name;
    std::variant<double Form1State::*, int16_t Form1State::*, int32_t Form1State::*, std::u16string Form1State::*,
                 FlagTable Form1State::*>
        member;
};

std::span<const ControlRow> controlRows();
std::span<const MenuRow> menuRows();
const std::vector<MenuItemRow>& menuItemRows();
std::span<const VariableRow> variableRows();

const ControlRow* findControlRow(std::string_view name);
const MenuItemRow* findMenuItemRow(std::string_view item);

}  // namespace quantivex
