// Editing the left units in place: a click on a unit label chooses where
// picked units go (and commits a typed unit expression), a double click opens
// its box, and Timer1 mirrors what is typed into the label.
#include <utility>

#include "catalogue.h"
#include "form1_impl.h"
#include "typed_text.h"
#include "unit_suggestions.h"

namespace quantivex {

// ---- the units ----

void Form1::Label3_DblClick() {
    openUnitEdit(FractionSide::Numerator);
}
void Form1::Label4_DblClick() {
    openUnitEdit(FractionSide::Denominator);
}
void Form1::Label3_Click() {
    selectLeftUnits(FractionSide::Numerator);
}
void Form1::Label4_Click() {
    selectLeftUnits(FractionSide::Denominator);
}

void Form1::openUnitEdit(FractionSide side) {
    withErrorTrap([&] {
        const LeftPart part = leftPart(side);
        const LeftPart other = leftPart(opposite(side));
        if (Text2.Visible || other.box.Visible) return;
        // An edit hidden by set units is still open: never start a second kind.
        if (EditingLeftValue == 1 || other.editOpen == 1) return;
        part.box.setText(part.label.Caption.str());
        if (part.label.Caption.empty()) return;  // units are entered through the menus first
        surface.Cls();
        part.beforeEdit = part.box.Text();
        hideLeftRow();
        part.label.BackColor = kOrange;
        part.mirror.BackColor = kYellow;
        part.editOpen = 1;
        part.box.Visible = true;
        platform_.setFocus(part.box);
        Timer1.Enabled = true;
        RedrawDisplay();
    });
}

void Form1::Timer1_Timer() {
    if (LeftNumeratorEditOpen != 0) {
        Label3.Caption = Text3.Text();
    } else if (LeftDenominatorEditOpen != 0) {
        Label4.Caption = Text4.Text();
    }
}

void Form1::Text3_Change() {
    if (!Text3.Text().empty()) return;
    Label1.Caption.clear();
    Label2.Caption = u"1";
}

void Form1::Text4_Change() {
    if (!Text4.Text().empty()) return;
    Label1.Caption.clear();
    Label2.Caption = u"1";
}

bool Form1::refuseUnknownUnits(std::u16string_view expression, TextBox& box) {
    std::size_t at = 0;  // where the token starts in the expression
    for (const std::u16string& token : splitUnits(expression)) {
        const std::size_t start = std::exchange(at, at + token.size() + 1);
        if (!categoryOfSymbol(token).empty()) continue;
        // An empty token (a leading, trailing or doubled separator) is named by
        // the expression around it: empty quotes would say nothing. Known units
        // near a misspelt one are offered, never put in on their own.
        std::u16string text =
            u"単位が正しくありません「" + shortened(token.empty() ? expression : std::u16string_view(token)) + u"」";
        const auto near = suggestUnits(token);
        for (std::size_t i = 0; i < near.size(); ++i) text += (i == 0 ? u"\r候補: " : u"、") + std::u16string(near[i]);
        // "kg/sec" typed as one unit: the units after the slash belong below the bar.
        if (const std::size_t slash = token.find(u'/'); slash != std::u16string::npos &&
                                                        !categoryOfSymbol(token.substr(0, slash)).empty() &&
                                                        !categoryOfSymbol(token.substr(slash + 1)).empty()) {
            text += u"\r「/」の後の単位は分母の欄に入れてください";
        }
        if (token.empty()) {
            // The separator beside the gap, as the person typed it (･ or ・): the
            // one after it, or before it at the end.
            const char16_t separator = expression[start < expression.size() ? start : start - 1];
            text += u"\r「" + std::u16string(1, separator) + u"」の前後に単位がありません";
        }
        platform_.MsgBox(text, 48, kMessageTitle);
        // Nothing typed is lost: the box stays open and keeps mirroring.
        box.Visible = true;
        platform_.setFocus(box);
        Timer1.Enabled = true;
        return true;
    }
    return false;
}

void Form1::selectLeftUnits(FractionSide side) {
    Timer1.Enabled = false;  // whichever unit box is open stops mirroring
    withErrorTrap([&] {
        RightNumeratorReplaceIndex = 0;
        RightDenominatorReplaceIndex = 0;
        ChangingRightNumerator = 0;
        ChangingRightDenominator = 0;
        const LeftPart part = leftPart(side);
        const LeftPart other = leftPart(opposite(side));
        if (other.editOpen == 1) {
            // The other unit box stays open: keep mirroring it, or what is typed
            // from now on would never reach its label and be lost at its commit.
            Timer1.Enabled = true;
            // The right side no longer takes picks: a pick from its row would
            // land on the left, under the open box's text, and the two sides
            // would no longer pair up.
            hideRightRow();
            return;
        }
        if (EditingLeftValue == 1) return;
        if (part.editOpen == 1) {
            // What was typed, mirrored once more as the next tick would.
            takeTypedText(part.box);
            Timer1_Timer();
        }
        // Checked before any label changes, so a refused commit leaves the equation alone.
        if (part.editOpen == 1 && refuseUnknownUnits(part.label.Caption, part.box)) {
            // The click has ended a right-side selection: its row of buttons must
            // go with it, or a pick from it would land on the left under the
            // open box, and the box's text would then overwrite it.
            hideRightRow();
            return;
        }
        // An emptied box cleared the right value; retyping the same units must
        // bring it back as much as retyping other units does.
        const bool rightValueCleared = part.editOpen == 1 && Label1.Caption.empty();
        if (part.box.Text() != part.beforeEdit || rightValueCleared) {
            // Retyped units: the right side starts again as a copy of the left.
            LeftValue = 1.0;
            surface.Cls();
            copyLeftToRight();
            RedrawDisplay();
            part.beforeEdit = part.box.Text();
        }
        if (Label4.Caption.empty() && Label3.Caption.empty()) {
            surface.Cls();
            Label1.Caption = Label2.Caption;
            RedrawDisplay();
        }
        surface.Cls();
        Label5.BackColor = kSilver;
        Label6.BackColor = kSilver;
        hideRightRow();
        EnteringLeftDenominator = side == FractionSide::Denominator ? 1 : 0;
        other.label.BackColor = kLightCyan;
        part.label.BackColor = kSkyBlue;
        placeLeftRowButtons();
        setLeftRowVisible(true);
        RedrawDisplay();
        if (part.editOpen == 0) return;  // a selection only
        commitTypedUnits(part);
    });
}

void Form1::commitTypedUnits(const LeftPart& part) {
    surface.Cls();
    part.dims = dimensionsOf(part.label.Caption);
    part.unitsLength = static_cast<int32_t>(part.label.Caption.size());
    part.editOpen = 0;
    part.mirrorDims = part.dims;
    part.mirror.BackColor = kSilver;
    part.box.Visible = false;
    RedrawDisplay();
}

// One category code per token, through the register's scan variables.
std::u16string Form1::dimensionsOf(std::u16string_view expression) {
    std::u16string dims;
    CurrentToken.clear();
    if (expression.empty()) return dims;
    for (const std::u16string& token : splitUnits(expression)) {
        CurrentToken = token;
        IdentifyLeftUnitToken();
        dims += TokenCategory;
    }
    CurrentToken.clear();
    // The scan leaves the last character it read, or nothing after a separator.
    ScanChar = isUnitSeparator(expression.back()) ? u"" : expression.substr(expression.size() - 1);
    return dims;
}

void Form1::IdentifyLeftUnitToken() {
    const std::u16string_view code = categoryOfSymbol(CurrentToken);
    if (!code.empty()) TokenCategory = code;
}

}  // namespace quantivex
