// Form1, the conversion window: its controls, its state register and its
// handlers. The handlers are defined across window/ and window/handlers/ by area.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "controls.h"
#include "form1_state.h"
#include "form1_table.h"
#include "layout.h"
#include "platform.h"
#include "unit_change.h"

namespace quantivex {

struct Category;
struct Unit;

// A failure where the window cannot go on with a handler: a number that does
// not convert, a division by zero, a result outside the double range.
class RuntimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A result beyond the largest double or, not zero, below the smallest normal
// one: the error box comes with a hint that says why.
class OutOfRange : public RuntimeFailure {
public:
    OutOfRange() : RuntimeFailure("result outside the range of normal doubles") {}
};

struct CategoryRow;

// The buttons and menu of one category, in catalogue order.
struct CategoryControls {
    const Category* category;
    CommandButton* leftButton;
    CommandButton* rightButton;
    Menu* menu;
    const CategoryRow* row;  // the window's own data of the category
};

// One part of the left fraction with its mirror on the right: what the
// handlers of that part read and write, chosen by numerator or denominator.
struct LeftPart {
    Label& label;                // Label3 or Label4
    Label& mirror;               // Label5 or Label6
    TextBox& box;                // Text3 or Text4
    int16_t& editOpen;           // the box's edit is open
    std::u16string& beforeEdit;  // the box's text when its edit began
    std::u16string& dims;        // the part's dimension string
    std::u16string& mirrorDims;  // the mirror's
    std::u16string& units;       // trace: the expression the last pick built
    int32_t& unitsLength;        // trace: its length
};

// One part of the right fraction: its label, the other part's, and its walk
// through repeated units.
struct RightPart {
    FractionSide side;
    Label& label;  // Label5 or Label6
    Label& other;
    std::u16string& dims;
    const std::u16string& leftDims;  // the dimension string of the left part it mirrors
    std::u16string& lastCategory;
};

// The hidden second window that carries the help component.
struct CommonDialog {
    std::u16string HelpFile;
    int16_t HelpCommand = 0;
    int32_t HelpContext = 0;
};
struct Form2 {
    CommonDialog CommonDialog1;
};

class Form1 : public Form1State, public Form1Trace {
public:
    explicit Form1(Platform& platform);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The whole state, and its exact restore: captions, colours, visibility,
    // geometry, menus, drawn lines, the window's size and place, every state
    // variable. The trace stays as the last handler left it.
    const Form1State& state() const { return *this; }
    Form1State snapshot() const { return *this; }
    void restore(const Form1State& state) { static_cast<Form1State&>(*this) = state; }
    const Form1Trace& trace() const { return *this; }

    // ---- start-up and closing ----
    void Form_Load();
    void Form_Unload(int16_t& cancel);

    // ---- workflow commands ----
    void Command8_Click();
    void Command9_Click();
    void Command17_Click();

    // ---- category buttons: one routine per row, for the button's category ----
    void LeftCategoryButton_MouseDown(const ControlRow& button, int16_t mouseButton);
    void LeftCategoryButton_MouseUp(const ControlRow& button, int16_t mouseButton);
    void RightCategoryButton_MouseDown(const ControlRow& button, int16_t mouseButton);

    // ---- unit menu items: one routine for all sixty ----
    void UnitItem_Click(const Category& category, const Unit& unit);

    // ---- left-side value and unit editing ----
    void Label2_Click();
    void Label2_DblClick();
    void Label3_Click();
    void Label3_DblClick();
    void Label4_Click();
    void Label4_DblClick();
    void Text3_Change();
    void Text4_Change();
    void Timer1_Timer();
    void Timer2_Timer();

    // ---- right-side unit selection ----
    void Label5_MouseDown(int16_t button);
    void Label6_MouseDown(int16_t button);

    // ---- guidance, help, version ----
    void usr_Click();
    void usr2_Click();
    void VER_Click();
    void Timer3_Timer();

    // ---- the swap of the sides ----
    // The right value shown as given, and the equation laid out for it: the
    // one thing the swap sets that no event of the window gives, the old left
    // value exactly as it was shown.
    void showRightValue(const std::u16string& text);

    // ---- lookups for the front-ends ----
    const std::array<CategoryControls, 8>& categoryControls() const { return categoryControls_; }
    const CategoryControls* categoryOfMenu(const Menu& menu) const;
    const CategoryControls* categoryOfCode(char16_t code) const;
    Platform& platform() { return platform_; }
    // The window's own data per category, in catalogue order (form1_impl.h).
    static const CategoryRow kCategoryRows[8];

private:
    // ---- procedures ----
    void RedrawDisplay();
    void ShowRightCategoryButtons();
    void IdentifyLeftUnitToken();
    void ChangeRightNumeratorUnit();
    void ChangeRightDenominatorUnit();
    void CountCategoryLetters();
    void LookupUnitFactor();
    void UnitFactorRatio(const UnitChangeResult& change);
    void MassFactor();
    void LengthFactor();
    void AreaFactor();
    void VolumeFactor();
    void TimeFactor();
    void ForceFactor();
    void HeatFactor();
    void PressureFactor();

    // ---- helpers shared by several handlers ----
    template <typename Body>
    void withErrorTrap(Body&& body);
    void showErrorBox();
    void centreWindow();
    void placeWorkflowButtons();
    void placeLeftRowButtons();
    void drawSeparatorLines();
    void drawFractionBars();
    void hideCategoryButtons();
    void setLeftRowVisible(bool visible);
    void hideLeftRow();
    void hideRightRow();
    void hideGuideLabels();
    std::array<Label*, 4> guideLabels();  // in guide order
    LeftPart leftPart(FractionSide side);
    RightPart rightPart(FractionSide side);
    void setReplaceIndex(FractionSide side, int index);
    int replaceIndex(FractionSide side) const;
    void changeRightUnit(FractionSide side);
    void recordUnitChange(const RightPart& part, const UnitChangeResult& change);
    void rescaleRightValue();
    void copyLeftToRight();
    void selectLeftUnits(FractionSide side);
    void openUnitEdit(FractionSide side);
    bool refuseUnknownUnits(std::u16string_view expression, TextBox& box);
    void commitTypedUnits(const LeftPart& part);
    std::u16string dimensionsOf(std::u16string_view expression);
    std::optional<double> typedLeftValue() const;
    void refuseTypedValue();
    void takeTypedText(TextBox& box);
    void keepValueEditOpen();
    bool valueChangedByEdit() const;
    void replaceZeroByOne();
    void closeValueEdit();
    void pressRightUnits(FractionSide side);
    void factorIndexes(char16_t code);
    Form2& Form2Instance();

    Platform& platform_;
    std::array<CategoryControls, 8> categoryControls_{};
    std::optional<Form2> form2;  // created on first use
};

}  // namespace quantivex
