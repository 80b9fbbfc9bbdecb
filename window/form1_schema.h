// The window described once, as data: every control in creation order with how
// it looks, what it is and its name for screen readers; the menus; the
// variables of the register, each tagged as state or trace. Form1State and
// Form1Trace declare their members from these lists; form1_table.h turns them
// into rows. Which handler each event calls is no part of it (events.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "controls.h"

namespace quantivex {

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

enum class ControlKind { Label, CommandButton, TextBox, Timer, Line };

enum class EventKind { Load, Unload, Click, DblClick, MouseDown, MouseUp, Change, Timer };

// What a control is for.
enum class Role {
    EquationPart,    // .side and .place: a value, a numerator, a denominator, or the "=" between the sides
    GuideText,       // .step: one text of the usage guide
    WorkflowButton,  // set units, convert, clear
    CategoryButton,  // .side and .category: opens the category's unit menu for that side
    EditBox,         // .edits and .openFlag: edits a label of the left side in place
    MirrorTimer,     // copies what is typed into an open box onto its label
    GuideTimer,      // steps the usage guide
    Separator,       // the two-tone line under the menu bar
};
enum class Side { None, Left, Right };
enum class Place { None, Value, Numerator, Denominator, Sign };

struct Point {
    float x, y;
};

// State: a later event's behaviour depends on the value. Trace: written (and
// read, if at all) within one handler, so between events it only records what
// the last handler saw. Unused: declared by the window, touched by no handler.
enum class Use { State, Trace, Unused };

}  // namespace quantivex

// clang-format off

// Controls in creation order: CONTROL(kind, name, fields...) with the fields of
// ControlRow as designated initialisers, in their order there; LINE(index,
// fields...) for the elements of the line array Line1. Geometry in twips.
#define QUANTIVEX_FORM1_CONTROLS(CONTROL, LINE)                                                                      \
    CONTROL(CommandButton, Command19, .caption = u"圧力", .left = 4755, .top = 3240, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 32,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'P',                                     \
            .accessibleName = u"圧力（右辺の単位）")                                                                          \
    CONTROL(CommandButton, Command18, .caption = u"圧力", .left = 5025, .top = 3120, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 31,                                                                        \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'P',                                      \
            .accessibleName = u"圧力（左辺の単位）")                                                                          \
    CONTROL(Timer, Timer3, .interval = 120, .role = Role::GuideTimer)                                                \
    CONTROL(Timer, Timer2, .interval = 10, .role = Role::MirrorTimer)                                                \
    CONTROL(TextBox, Text2, .left = 225, .top = 1170, .width = 930, .height = 375, .visible = false,                 \
            .font = kPGothic9, .backColor = kWhite, .tabIndex = 24,                                                  \
            .role = Role::EditBox, .side = Side::Left, .place = Place::Value,                                        \
            .edits = &Form1State::Label2, .openFlag = &Form1State::EditingLeftValue,                                 \
            .accessibleName = u"左辺の数値の入力")                                                                           \
    CONTROL(CommandButton, Command17, .caption = u"クリヤ", .left = 3135, .top = 405, .width = 900, .height = 420,      \
            .tabIndex = 23, .role = Role::WorkflowButton,                                                            \
            .accessibleName = u"クリヤ")                                                                                \
    CONTROL(TextBox, Text4, .left = 375, .top = 2505, .width = 1890, .height = 375, .visible = false,                \
            .font = kPGothic9, .backColor = kSystemWindow, .tabIndex = 22,                                           \
            .role = Role::EditBox, .side = Side::Left, .place = Place::Denominator,                                  \
            .edits = &Form1State::Label4, .openFlag = &Form1State::LeftDenominatorEditOpen,                          \
            .accessibleName = u"左辺の分母の入力")                                                                           \
    CONTROL(CommandButton, Command16, .caption = u"熱量", .left = 5340, .top = 3225, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 21,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'J',                                     \
            .accessibleName = u"熱量（右辺の単位）")                                                                          \
    CONTROL(CommandButton, Command15, .caption = u"力", .left = 4185, .top = 3240, .width = 555, .height = 330,       \
            .visible = false, .tabIndex = 20,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'F',                                     \
            .accessibleName = u"力（右辺の単位）")                                                                           \
    CONTROL(CommandButton, Command14, .caption = u"時間", .left = 3615, .top = 3255, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 19,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'T',                                     \
            .accessibleName = u"時間（右辺の単位）")                                                                          \
    CONTROL(CommandButton, Command13, .caption = u"体積", .left = 3045, .top = 3255, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 18,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'B',                                     \
            .accessibleName = u"体積（右辺の単位）")                                                                          \
    CONTROL(CommandButton, Command12, .caption = u"面積", .left = 2460, .top = 3255, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 17,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'S',                                     \
            .accessibleName = u"面積（右辺の単位）")                                                                          \
    CONTROL(CommandButton, Command11, .caption = u"長さ", .left = 1905, .top = 3255, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 16,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'L',                                     \
            .accessibleName = u"長さ（右辺の単位）")                                                                          \
    CONTROL(TextBox, Text3, .left = 330, .top = 1185, .width = 1920, .height = 360, .visible = false,                \
            .font = kPGothic9, .backColor = kSystemWindow, .tabIndex = 15,                                           \
            .role = Role::EditBox, .side = Side::Left, .place = Place::Numerator,                                    \
            .edits = &Form1State::Label3, .openFlag = &Form1State::LeftNumeratorEditOpen,                            \
            .accessibleName = u"左辺の分子の入力")                                                                           \
    CONTROL(CommandButton, Command10, .caption = u"質量", .left = 1335, .top = 3255, .width = 555, .height = 330,      \
            .visible = false, .tabIndex = 14,                                                                        \
            .role = Role::CategoryButton, .side = Side::Right, .category = u'M',                                     \
            .accessibleName = u"質量（右辺の単位）")                                                                          \
    CONTROL(Timer, Timer1, .interval = 10, .role = Role::MirrorTimer)                                                \
    CONTROL(CommandButton, Command9, .caption = u"単位の変換", .left = 4515, .top = 330, .width = 1140, .height = 495,    \
            .tabIndex = 13, .role = Role::WorkflowButton,                                                            \
            .accessibleName = u"単位の変換")                                                                              \
    CONTROL(CommandButton, Command8, .caption = u"単位の設定", .left = 1530, .top = 315, .width = 1140, .height = 510,    \
            .tabIndex = 12, .role = Role::WorkflowButton,                                                            \
            .accessibleName = u"単位の設定")                                                                              \
    CONTROL(CommandButton, Command7, .caption = u"熱量", .left = 5610, .top = 3135, .width = 540, .height = 330,       \
            .visible = false, .tabIndex = 10,                                                                        \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'J',                                      \
            .accessibleName = u"熱量（左辺の単位）")                                                                          \
    CONTROL(CommandButton, Command6, .caption = u"力", .left = 4485, .top = 3120, .width = 540, .height = 330,        \
            .visible = false, .tabIndex = 9,                                                                         \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'F',                                      \
            .accessibleName = u"力（左辺の単位）")                                                                           \
    CONTROL(CommandButton, Command5, .caption = u"時間", .left = 3930, .top = 3120, .width = 540, .height = 330,       \
            .visible = false, .tabIndex = 8,                                                                         \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'T',                                      \
            .accessibleName = u"時間（左辺の単位）")                                                                          \
    CONTROL(CommandButton, Command4, .caption = u"体積", .left = 3375, .top = 3120, .width = 540, .height = 315,       \
            .visible = false, .tabIndex = 7,                                                                         \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'B',                                      \
            .accessibleName = u"体積（左辺の単位）")                                                                          \
    CONTROL(CommandButton, Command3, .caption = u"面積", .left = 2820, .top = 3120, .width = 540, .height = 330,       \
            .visible = false, .tabIndex = 6,                                                                         \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'S',                                      \
            .accessibleName = u"面積（左辺の単位）")                                                                          \
    CONTROL(CommandButton, Command2, .caption = u"長さ", .left = 2265, .top = 3135, .width = 540, .height = 315,       \
            .visible = false, .tabIndex = 5,                                                                         \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'L',                                      \
            .accessibleName = u"長さ（左辺の単位）")                                                                          \
    CONTROL(CommandButton, Command1, .caption = u"質量", .left = 1695, .top = 3120, .width = 540, .height = 330,       \
            .visible = false, .tabIndex = 4,                                                                         \
            .role = Role::CategoryButton, .side = Side::Left, .category = u'M',                                      \
            .accessibleName = u"質量（左辺の単位）")                                                                          \
    LINE(1, .from = {-30, 30}, .to = {7065, 30}, .backColor = kSystem3DHighlight, .role = Role::Separator)           \
    LINE(0, .from = {0, 15}, .to = {7050, 15}, .backColor = kSystem3DDarkShadow, .role = Role::Separator)            \
    CONTROL(Label, Label11, .caption = u"●左辺の数値と単位はダブルクリックで変更可", .left = 1755, .top = 2760,                          \
            .width = 3600, .height = 375, .visible = false, .backColor = 0xFFFFC0, .tabIndex = 30,                   \
            .role = Role::GuideText, .step = 4)                                                                      \
    CONTROL(Label, Label10, .caption = u"●右辺で単位の変更ができます", .left = 1755, .top = 2235,                                 \
            .width = 3600, .height = 390, .visible = false, .backColor = 0xFFFF80, .tabIndex = 29,                   \
            .role = Role::GuideText, .step = 3)                                                                      \
    CONTROL(Label, Label9, .caption = u"●左辺分子/分母をクリックし単位を入力", .left = 1740, .top = 1740,                             \
            .width = 3600, .height = 360, .visible = false, .backColor = 0xFFFF00, .tabIndex = 28,                   \
            .role = Role::GuideText, .step = 2)                                                                      \
    CONTROL(Label, Label8, .caption = u"●まず、「単位の設定」をクリックして下さい", .left = 1755, .top = 1230,                           \
            .width = 3585, .height = 390, .visible = false, .backColor = 0xC0C000, .tabIndex = 27,                   \
            .role = Role::GuideText, .step = 1)                                                                      \
    CONTROL(Label, Label7, .caption = u"=", .left = 1710, .top = 1920, .width = 165, .height = 315,                  \
            .backColor = kSilver, .tabIndex = 26, .role = Role::EquationPart, .place = Place::Sign,                  \
            .accessibleName = u"等号")                                                                                 \
    CONTROL(Label, Label1, .caption = u"Label1", .left = 1080, .top = 1875, .width = 1590, .height = 315,            \
            .font = kPGothic11, .backColor = kSilver, .tabIndex = 25,                                                \
            .role = Role::EquationPart, .side = Side::Right, .place = Place::Value,                                  \
            .accessibleName = u"右辺の数値")                                                                              \
    CONTROL(Label, Label5, .left = 450, .top = 1605, .width = 2025, .height = 360,                                   \
            .font = kFixedSys, .backColor = kSilver, .tabIndex = 11,                                                 \
            .role = Role::EquationPart, .side = Side::Right, .place = Place::Numerator,                              \
            .accessibleName = u"右辺の分子")                                                                              \
    CONTROL(Label, Label6, .left = 645, .top = 2040, .width = 2010, .height = 345,                                   \
            .font = kFixedSys, .backColor = kSilver, .tabIndex = 3,                                                  \
            .role = Role::EquationPart, .side = Side::Right, .place = Place::Denominator,                            \
            .accessibleName = u"右辺の分母")                                                                              \
    CONTROL(Label, Label4, .left = 405, .top = 2055, .width = 1995, .height = 345,                                   \
            .font = kFixedSys, .backColor = kSilver, .tabIndex = 2,                                                  \
            .role = Role::EquationPart, .side = Side::Left, .place = Place::Denominator,                             \
            .accessibleName = u"左辺の分母")                                                                              \
    CONTROL(Label, Label3, .left = 675, .top = 1605, .width = 2010, .height = 345,                                   \
            .font = kFixedSys, .backColor = kSilver, .tabIndex = 1,                                                  \
            .role = Role::EquationPart, .side = Side::Left, .place = Place::Numerator,                               \
            .accessibleName = u"左辺の分子")                                                                              \
    CONTROL(Label, Label2, .caption = u"Label2", .left = 210, .top = 1875, .width = 945, .height = 315,              \
            .font = kPGothic11, .backColor = kSilver, .tabIndex = 0,                                                 \
            .role = Role::EquationPart, .side = Side::Left, .place = Place::Value,                                   \
            .accessibleName = u"左辺の数値")

// Menus: the help menu of the menu bar, then the eight popup-only unit menus in
// catalogue order (their items come from the catalogue; the help menu's own
// items are listed in form1_table.cpp).
#define QUANTIVEX_FORM1_MENUS(MENU)                                                                                  \
    MENU(HLP) MENU(MASS) MENU(LENG) MENU(AREA) MENU(VOL) MENU(TIM) MENU(FORCE) MENU(THERM) MENU(PRESS)

// The state register: VARIABLE(type, name, use). Every variable starts as 0 or
// "", as an unassigned variable of the window does.
#define QUANTIVEX_FORM1_VARIABLES(VARIABLE)                                                                          \
    /* left side: value and units */                                                                                 \
    VARIABLE(double, LeftValue, State)                                                                               \
    VARIABLE(std::u16string, LeftValueBeforeEdit, State)                                                             \
    VARIABLE(int16_t, EditingLeftValue, State)                                                                       \
    VARIABLE(int16_t, ResultRescaled, State)                                                                         \
    VARIABLE(int16_t, LeftNumeratorEditOpen, State)                                                                  \
    VARIABLE(int16_t, LeftDenominatorEditOpen, State)                                                                \
    VARIABLE(std::u16string, LeftNumeratorBeforeEdit, State)                                                         \
    VARIABLE(std::u16string, LeftDenominatorBeforeEdit, State)                                                       \
    VARIABLE(int16_t, EnteringLeftDenominator, State)                                                                \
    VARIABLE(std::u16string, LeftNumeratorUnits, Trace)                                                              \
    VARIABLE(std::u16string, LeftDenominatorUnits, Trace)                                                            \
    VARIABLE(int32_t, LeftNumeratorUnitsLength, Trace)                                                               \
    VARIABLE(int32_t, LeftDenominatorUnitsLength, Trace)                                                             \
    VARIABLE(std::u16string, LeftNumeratorDims, State)                                                               \
    VARIABLE(std::u16string, LeftDenominatorDims, State)                                                             \
    /* right side: unit changes and result */                                                                        \
    VARIABLE(std::u16string, RightNumeratorDims, State)                                                              \
    VARIABLE(std::u16string, RightDenominatorDims, State)                                                            \
    VARIABLE(std::u16string, ChangingRightDims, Trace)                                                               \
    VARIABLE(int16_t, ChangingRightNumerator, State)                                                                 \
    VARIABLE(int16_t, ChangingRightDenominator, State)                                                               \
    VARIABLE(std::u16string, ActiveCategory, State)                                                                  \
    VARIABLE(std::u16string_view, ActiveTokenList, State)                                                            \
    VARIABLE(std::u16string, PickedUnit, Trace)                                                                      \
    VARIABLE(std::u16string, CurrentToken, Trace)                                                                    \
    VARIABLE(std::u16string, TokenCategory, Trace)                                                                   \
    VARIABLE(std::u16string, ScanChar, Trace)                                                                        \
    VARIABLE(std::u16string, NewRightNumeratorText, Trace)                                                           \
    VARIABLE(std::u16string, NewRightDenominatorText, Trace)                                                         \
    VARIABLE(std::u16string, LastRightNumeratorCategory, State)                                                      \
    VARIABLE(std::u16string, LastRightDenominatorCategory, State)                                                    \
    VARIABLE(int32_t, RightNumeratorReplaceIndex, State)                                                             \
    VARIABLE(int16_t, RightDenominatorReplaceIndex, State)                                                           \
    VARIABLE(int32_t, CategoryTokenOrdinal, Unused)                                                                  \
    VARIABLE(int16_t, UnitReplaced, Trace)                                                                           \
    VARIABLE(std::u16string, DimsToCount, Trace)                                                                     \
    VARIABLE(int16_t, CategoryLetterCount, Trace)                                                                    \
    VARIABLE(int32_t, RightNumeratorTextLength, Trace)                                                               \
    VARIABLE(double, RightDenominatorTextLength, Trace)                                                              \
    VARIABLE(double, FactorRatio, Trace)                                                                             \
    VARIABLE(double, RightValue, Trace)                                                                              \
    VARIABLE(std::u16string, RightValueText, Trace)                                                                  \
    VARIABLE(int32_t, MassFromIndex, Trace)                                                                          \
    VARIABLE(int32_t, MassToIndex, Trace)                                                                            \
    VARIABLE(int32_t, LengthFromIndex, Trace)                                                                        \
    VARIABLE(int32_t, LengthToIndex, Trace)                                                                          \
    VARIABLE(int32_t, AreaFromIndex, Trace)                                                                          \
    VARIABLE(int16_t, AreaToIndex, Trace)                                                                            \
    VARIABLE(int32_t, VolumeFromIndex, Trace)                                                                        \
    VARIABLE(int32_t, VolumeToIndex, Trace)                                                                          \
    VARIABLE(int32_t, TimeFromIndex, Trace)                                                                          \
    VARIABLE(int32_t, TimeToIndex, Trace)                                                                            \
    VARIABLE(int32_t, ForceFromIndex, Trace)                                                                         \
    VARIABLE(int32_t, ForceToIndex, Trace)                                                                           \
    VARIABLE(int32_t, HeatFromIndex, Trace)                                                                          \
    VARIABLE(int16_t, HeatToIndex, Trace)                                                                            \
    VARIABLE(int32_t, PressureFromIndex, Trace)                                                                      \
    VARIABLE(int32_t, PressureToIndex, Trace)                                                                        \
    VARIABLE(int16_t, RightButtonX, Trace)                                                                           \
    VARIABLE(double, RightButtonBaseX, Trace)                                                                        \
    VARIABLE(FlagTable, RightButtonPlaced, Trace)                                                                    \
    /* window, workflow, guidance */                                                                                 \
    VARIABLE(int16_t, DefaultValuePending, State)                                                                    \
    VARIABLE(int16_t, GuideShown, State)                                                                             \
    VARIABLE(int16_t, GuideTick, State)                                                                              \
    VARIABLE(int16_t, WindowWidened, State)                                                                          \
    VARIABLE(double, LeftNumeratorLength, Trace)                                                                     \
    VARIABLE(int32_t, RightNumeratorLength, Trace)                                                                   \
    VARIABLE(double, RightDenominatorLength, Trace)

// clang-format on
