// The sixty unit menu items share this routine: a pick replaces a right-hand
// unit while a right label is selected, and is appended to the left side otherwise.
#include "catalogue.h"
#include "form1_impl.h"

namespace quantivex {

void Form1::UnitItem_Click(const Category& category, const Unit& unit) {
    // A change the window cannot show (a result beyond the double range) is
    // reported with the error box and leaves every label as it was.
    if (ChangingRightNumerator == 1) {
        PickedUnit = std::u16string(unit.symbol);
        withErrorTrap([&] { ChangeRightNumeratorUnit(); });
        return;
    }
    if (ChangingRightDenominator == 1) {
        PickedUnit = std::u16string(unit.symbol);
        withErrorTrap([&] { ChangeRightDenominatorUnit(); });
        return;
    }
    const bool denominator = EnteringLeftDenominator == 1;
    Label& left = denominator ? Label4 : Label3;
    Label& right = denominator ? Label6 : Label5;
    std::u16string& units = denominator ? LeftDenominatorUnits : LeftNumeratorUnits;
    int32_t& length = denominator ? LeftDenominatorUnitsLength : LeftNumeratorUnitsLength;
    std::u16string& leftDims = denominator ? LeftDenominatorDims : LeftNumeratorDims;
    std::u16string& rightDims = denominator ? RightDenominatorDims : RightNumeratorDims;

    const std::u16string form = separatorForm(unit.symbol);
    left.Caption += form;
    units = left.Caption;
    leftDims += category.code;
    length = static_cast<int32_t>(units.size());
    // The right label is extended, so a converted right side keeps its own units.
    right.Caption += form;
    rightDims = leftDims;
    if (!units.empty() && units[0] == kUnitSeparator) {
        // The expression was empty: drop the separator the append put in front.
        units = units.substr(1, static_cast<std::size_t>(length) - 1);
        left.Caption = units;
        right.Caption = units;
        rightDims = leftDims;
    }
    surface.Cls();
    RedrawDisplay();
}

}  // namespace quantivex
