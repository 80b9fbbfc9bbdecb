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
    const LeftPart part = leftPart(EnteringLeftDenominator == 1 ? FractionSide::Denominator : FractionSide::Numerator);
    const std::u16string form = separatorForm(unit.symbol);
    std::u16string units = part.label.Caption + form;
    const auto appendedLength = static_cast<int32_t>(units.size());
    // An empty expression: drop the separator the append put in front, and the
    // right side starts as a copy of the left; otherwise the right label is
    // extended, so a converted right side keeps its own units.
    const bool leading = units.front() == kUnitSeparator;
    if (leading) units.erase(0, 1);
    part.mirror.Caption = leading ? units : part.mirror.Caption + form;
    part.label.Caption = units;
    part.dims += category.code;
    part.mirrorDims = part.dims;
    part.units = units;
    part.unitsLength = appendedLength;
    surface.Cls();
    RedrawDisplay();
}

}  // namespace quantivex
