// Form1, the conversion window: its controls, its state register and its
// handlers. The handlers are defined across window/ and window/handlers/ by area.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "controls.h"
#include "platform.h"
#include "surface.h"
#include "unit_change.h"

namespace quantivex {

struct Category;
struct Unit;

inline constexpr float kStandardWidth = 7170;  // outer width of the window, twips
inline constexpr float kClientWidth = 7050;
inline constexpr float kClientHeight = 3675;
// Borders, title bar and menu bar around the client area.
inline constexpr float kFrameWidth = kStandardWidth - kClientWidth;
inline constexpr float kFrameHeight = 690;

// A failure where the window cannot go on with a handler: a number that does
// not convert, a division by zero, a result outside the double range.
class RuntimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The hidden second window that carries the help component.
struct CommonDialog {
    std::u16string HelpFile;
    int16_t HelpCommand = 0;
    int32_t HelpContext = 0;
};

struct Form2 {
    std::u16string Caption = u"Form2";
    uint32_t BackColor = kWhite;
    float Width = 4680;   // client area
    float Height = 3195;
    bool Visible = false;
    CommonDialog CommonDialog1;
};

// The buttons and menu of one category, in catalogue order.
struct CategoryControls {
    const Category* category;
    CommandButton* leftButton;
    CommandButton* rightButton;
    Menu* menu;
};

class Form1 {
public:
    explicit Form1(Platform& platform);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // ---- the window itself (outer size and position, twips) ----
    std::u16string Caption = u"QUANTIVEX";
    uint32_t BackColor = kSilver;
    float Width = 0;
    float Height = 0;
    float Left = 0;
    float Top = 0;
    Surface surface;

    // ---- controls ----
    Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11;
    CommandButton Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9,
        Command10, Command11, Command12, Command13, Command14, Command15, Command16, Command17, Command18, Command19;
    TextBox Text2, Text3, Text4;
    Timer Timer1, Timer2, Timer3;
    std::array<LineControl, 2> Line1;
    Menu HLP, MASS, LENG, AREA, VOL, TIM, FORCE, THERM, PRESS;
    std::unique_ptr<Form2> form2;  // created on first use

    // ---- state register: left side ----
    double LeftValue = 0;
    std::u16string LeftValueBeforeEdit;
    int16_t EditingLeftValue = 0;
    int16_t ResultRescaled = 0;
    int16_t LeftNumeratorEditOpen = 0;
    int16_t LeftDenominatorEditOpen = 0;
    std::u16string LeftNumeratorBeforeEdit;
    std::u16string LeftDenominatorBeforeEdit;
    int16_t EnteringLeftDenominator = 0;
    std::u16string LeftNumeratorUnits;
    std::u16string LeftDenominatorUnits;
    int32_t LeftNumeratorUnitsLength = 0;
    int32_t LeftDenominatorUnitsLength = 0;
    std::u16string LeftNumeratorDims;
    std::u16string LeftDenominatorDims;

    // ---- state register: right side ----
    std::u16string RightNumeratorDims;
    std::u16string RightDenominatorDims;
    std::u16string ChangingRightDims;
    int16_t ChangingRightNumerator = 0;
    int16_t ChangingRightDenominator = 0;
    std::u16string ActiveCategory;
    std::u16string ActiveTokenList;
    std::u16string PickedUnit;
    std::u16string CurrentToken;
    std::u16string TokenCategory;
    std::u16string ScanChar;
    std::u16string NewRightNumeratorText;
    std::u16string NewRightDenominatorText;
    std::u16string LastRightNumeratorCategory;
    std::u16string LastRightDenominatorCategory;
    int RightNumeratorReplaceIndex = 0;
    int16_t RightDenominatorReplaceIndex = 0;
    int CategoryTokenOrdinal = 0;
    int16_t UnitReplaced = 0;
    std::u16string DimsToCount;
    int16_t CategoryLetterCount = 0;
    int32_t RightNumeratorTextLength = 0;
    double RightDenominatorTextLength = 0;
    double FactorRatio = 0;
    double RightValue = 0;
    std::u16string RightValueText;
    int MassFromIndex = 0, MassToIndex = 0, LengthFromIndex = 0, LengthToIndex = 0;
    int AreaFromIndex = 0;
    int16_t AreaToIndex = 0;
    int VolumeFromIndex = 0, VolumeToIndex = 0, TimeFromIndex = 0, TimeToIndex = 0;
    int ForceFromIndex = 0, ForceToIndex = 0, HeatFromIndex = 0;
    int16_t HeatToIndex = 0;
    int PressureFromIndex = 0, PressureToIndex = 0;
    int16_t RightButtonX = 0;
    double RightButtonBaseX = 0;
    std::array<int16_t, 9> RightButtonPlaced{};

    // ---- state register: window, workflow, guidance ----
    int16_t DefaultValuePending = 0;
    int16_t GuideShown = 0;
    int16_t GuideTick = 0;
    int16_t WindowWidened = 0;
    double LeftNumeratorLength = 0;
    int32_t RightNumeratorLength = 0;
    double RightDenominatorLength = 0;

    // ---- start-up and closing ----
    void Form_Load();
    void Form_Unload(int16_t& cancel);

    // ---- workflow commands ----
    void Command8_Click();
    void Command9_Click();
    void Command17_Click();

    // ---- category buttons: one routine per row, for the button's category ----
    void LeftCategoryButton_MouseDown(const CategoryControls& row, int16_t button);
    void LeftCategoryButton_MouseUp(const CategoryControls& row, int16_t button);
    void RightCategoryButton_MouseDown(const CategoryControls& row, int16_t button);

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

    // ---- lookups for the front-ends ----
    const std::array<CategoryControls, 8>& categoryControls() const { return categoryControls_; }
    const CategoryControls* categoryOfMenu(std::string_view menuName) const;
    const CategoryControls* categoryOfCode(char16_t code) const;
    Platform& platform() { return platform_; }

private:
    friend class Form1Reflection;

    // ---- procedures ----
    void RedrawDisplay();
    void ShowRightCategoryButtons();
    void IdentifyLeftUnitToken();
    void ChangeRightNumeratorUnit();
    void ChangeRightDenominatorUnit();
    void CountCategoryLetters();
    void LookupUnitFactor();
    void UnitFactorRatio();
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
    void changeRightUnit(FractionSide side);
    void rescaleRightValue();
    void copyLeftToRight();
    void selectLeftUnits(bool denominator);
    void openUnitEdit(bool denominator);
    bool refuseUnknownUnits(const std::u16string& expression, TextBox& box);
    void commitTypedUnits(bool denominator);
    void pressRightUnits(bool denominator);
    Form2& Form2Instance();
    void createControls();
    void createMenus();

    Platform& platform_;
    std::array<CategoryControls, 8> categoryControls_{};
};

}  // namespace quantivex
