// A press on a right unit label chooses which part of the right fraction the
// next picks change, and shows one right-row button per category found there.
#include "catalogue.h"
#include "form1_impl.h"

namespace quantivex {

void Form1::Label5_MouseDown(int16_t /*button*/) {
    pressRightUnits(FractionSide::Numerator);
}
void Form1::Label6_MouseDown(int16_t /*button*/) {
    pressRightUnits(FractionSide::Denominator);
}

void Form1::pressRightUnits(FractionSide side) {
    withErrorTrap([&] {
        // The other part's walk starts over; this part's continues.
        setReplaceIndex(opposite(side), 0);
        const RightPart part = rightPart(side);
        if (part.leftDims.empty()) return;
        if (EditingLeftValue == 1) return;
        ActiveTokenList = {};
        ChangingRightNumerator = side == FractionSide::Numerator ? 1 : 0;
        ChangingRightDenominator = side == FractionSide::Denominator ? 1 : 0;
        Text3.Visible = false;  // open flags and Timer1 stay: the edit can still be committed
        Text4.Visible = false;
        hideLeftRow();
        Label3.BackColor = kSilver;
        Label4.BackColor = kSilver;
        part.other.BackColor = kLightCyan;
        part.label.BackColor = kSkyBlue;
        hideRightRow();
        ChangingRightDims = part.dims;
        ShowRightCategoryButtons();
    });
}

void Form1::ShowRightCategoryButtons() {
    for (int i = 1; i <= 8; ++i) RightButtonPlaced[static_cast<std::size_t>(i)] = 0;
    surface.Cls();
    RightButtonX = static_cast<int16_t>(kRightRowStart);
    RightButtonBaseX = static_cast<double>(Width) / 2 + kRightRowBaseFromCentre -
                       static_cast<double>(Label5.Width) / kRightRowNumeratorShare;
    for (char16_t c : ChangingRightDims) {
        const CategoryControls* category = categoryOfCode(c);
        if (category == nullptr) continue;  // no category's code
        int16_t& placed = RightButtonPlaced[category->row->placedFlag];
        if (placed == 1) continue;  // one button per category
        const CategoryControls& row = *category;
        row.menu->Enabled = true;
        RightButtonX = static_cast<int16_t>(RightButtonX + kRightRowStep);
        row.rightButton->Left = static_cast<float>(RightButtonBaseX + RightButtonX);
        row.rightButton->Visible = true;
        placed = 1;
    }
    RedrawDisplay();
}

}  // namespace quantivex
