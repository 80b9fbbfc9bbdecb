// Editing the left side in place: a click on a unit label chooses where picked
// units go (and commits a typed unit expression), a double click opens an edit
// box, and the timers mirror what is typed into the labels.
#include <cmath>
#include <utility>

#include "catalogue.h"
#include "form1_impl.h"
#include "number_text.h"
#include "typed_text.h"
#include "unit_suggestions.h"

namespace quantivex {

// ---- the value ----

void Form1::Label2_DblClick() {
    withErrorTrap([&] {
        if (Text3.Visible || Text4.Visible) return;
        // A unit edit hidden by set units is still open; a value edit now would
        // leave two edits neither of which could be committed.
        if (LeftNumeratorEditOpen == 1 || LeftDenominatorEditOpen == 1) return;
        if (EditingLeftValue == 1) {
            // The click before this one refused what was typed and left the edit
            // open. Starting it afresh would take the uncommitted text shown in
            // the label as the value before the edit, and the right value would
            // never follow it: keep the edit as it is.
            Text2.Visible = true;
            platform_.setFocus(Text2);
            Timer2.Enabled = true;
            return;
        }
        if (Label2.Caption.empty()) return;
        const auto value = parseNumberStrict(Label2.Caption);
        if (!value) throw RuntimeFailure("the value is not a number");
        LeftValue = *value;
        Text2.setText(Label2.Caption.str());
        LeftValueBeforeEdit = Text2.Text();
        hideCategoryButtons();
        Label2.BackColor = kOrange;
        Label1.BackColor = kYellow;
        for (Label* l : {&Label3, &Label4, &Label5, &Label6}) l->BackColor = kSilver;
        EditingLeftValue = 1;
        Text2.Visible = true;
        platform_.setFocus(Text2);
        Timer2.Enabled = true;
    });
}

void Form1::Timer2_Timer() {
    Label2.Caption = Text2.Text();
    const auto n = static_cast<float>(Label2.Caption.size());
    Text2.Width = kTypedValueCharWidth * n + (n <= 1 ? kOneCharTypedValueExtra : 0.0f);
}

void Form1::copyLeftToRight() {
    Label1.Caption = Label2.Caption;
    Label5.Caption = Label3.Caption;
    Label6.Caption = Label4.Caption;
}

namespace {

// new ÷ old × right in that order, as the window has always computed it, while
// neither step leaves the range of normal doubles. Where the quotient under- or
// overflows although the product would not, the same product is formed from
// mantissas and exponents apart, so the right value never collapses to 0 or
// overflows on the way to a result that is a double.
double proportional(double newLeft, double oldLeft, double oldRight) {
    const double quotient = newLeft / oldLeft;
    const double result = quotient * oldRight;
    if (newLeft == 0 || oldRight == 0 || !std::isfinite(newLeft) || !std::isfinite(oldRight)) return result;
    if (std::isnormal(quotient) && std::isfinite(result) && result != 0) return result;
    int newExponent = 0;
    int oldExponent = 0;
    int rightExponent = 0;
    const double newMantissa = std::frexp(newLeft, &newExponent);
    const double oldMantissa = std::frexp(oldLeft, &oldExponent);
    const double rightMantissa = std::frexp(oldRight, &rightExponent);
    // Mantissas lie in [0.5, 1): their quotient times the third stays within (0.125, 2).
    const double scaled =
        std::ldexp(newMantissa / oldMantissa * rightMantissa, newExponent - oldExponent + rightExponent);
    // A true result below the smallest double is outside the range as much as one above the largest.
    if (scaled == 0) throw OutOfRange();
    return scaled;
}

}  // namespace

void Form1::rescaleRightValue() {
    if (Label1.Caption.empty()) {
        // The right value was cleared with the left one (an emptied box, or set
        // units on an empty value): there is nothing to scale, and scaling
        // nothing would show 0. The right side starts again from the left.
        copyLeftToRight();
        return;
    }
    // The right value follows the left one in proportion; its units stay.
    if (LeftValue == 0) throw RuntimeFailure("division by zero");
    const double newLeft = leadingNumber(Label2.Caption);
    const double oldRight = leadingNumber(Label1.Caption);
    Label1.Caption = numberToText(checkedResult(proportional(newLeft, LeftValue, oldRight)));
}

void Form1::Label2_Click() {
    Timer2.Enabled = false;
    RightNumeratorReplaceIndex = 0;
    RightDenominatorReplaceIndex = 0;
    if (EditingLeftValue == 0) return;
    withErrorTrap([&] {
        takeTypedText(Text2);
        // Mirrored once more, as the next tick would: the check and the rescale
        // must read the same text, however quickly the click followed a key.
        Timer2_Timer();
        const std::optional<double> typed = typedLeftValue();
        if (!typed) {
            refuseTypedValue();
            return;
        }
        try {
            if (*typed == 0) replaceZeroByOne();
            // A unit edit hidden by set units is still open: the value edit waits for it.
            if (LeftNumeratorEditOpen == 1 || LeftDenominatorEditOpen == 1) return;
            closeValueEdit();
        } catch (const RuntimeFailure& failure) {
            // A value whose right side leaves the double range: the edit stays
            // open on it, so it can be corrected, and the next commit rescales.
            ResultRescaled = 0;
            keepValueEditOpen();
            // The commit had already erased the fraction bars: draw them again.
            RedrawDisplay();
            if (dynamic_cast<const OutOfRange*>(&failure) != nullptr) platform_.showHint(Text2, kOutOfRangeHint);
            throw;
        }
    });
}

void Form1::keepValueEditOpen() {
    Text2.Visible = true;
    platform_.setFocus(Text2);
    Timer2.Enabled = true;
}

// The value typed, or nothing when it cannot be taken: not a number, or a
// number too small to convert through without losing digits.
std::optional<double> Form1::typedLeftValue() const {
    const std::u16string& typed = Text2.Text();
    if (typed.empty()) return 0.0;
    if (isTooSmallNumber(typed)) return std::nullopt;
    return parseNumberStrict(typed);
}

// Not taken: keep the box open on what was typed, rescale nothing, and say why.
void Form1::refuseTypedValue() {
    platform_.Beep();
    const std::u16string& typed = Text2.Text();
    std::u16string why;
    if (isTooSmallNumber(typed)) {
        // A subnormal would carry its lost digits into every conversion after
        // it, and one that reads as 0 would become 1, a value nobody typed.
        why = u"値が小さすぎて扱えません（絶対値 2.2e-308 未満）";
    } else {
        why = u"数値ではありません「" + shortened(typed) + u"」";
        if (isDigitGroupedNumber(typed)) why += u"（桁区切りの「,」は使えません）";
    }
    platform_.showHint(Text2, why);
    keepValueEditOpen();
}

// What a keyboard or an input method gave, as the program's own characters.
void Form1::takeTypedText(TextBox& box) {
    box.setText(canonicalTypedText(box.Text()));
}

// A right value cleared with the left one comes back even when the value
// typed is the value the edit began with.
bool Form1::valueChangedByEdit() const {
    return Text2.Text() != LeftValueBeforeEdit || Label1.Caption.empty();
}

// A zero left value could never be scaled from again: it becomes 1.
void Form1::replaceZeroByOne() {
    platform_.Beep();
    platform_.showHint(Text2, u"0 では計算できないため 1 にしました");
    Text2.setText(u"1");
    Label2.Caption = u"1";
    if (!valueChangedByEdit()) return;
    ResultRescaled = 1;
    rescaleRightValue();
    EditingLeftValue = 0;
    RedrawDisplay();
}

void Form1::closeValueEdit() {
    surface.Cls();
    Text2.Visible = false;
    if (ResultRescaled != 1 && valueChangedByEdit()) {
        rescaleRightValue();
        EditingLeftValue = 0;
        RedrawDisplay();
    }
    ResultRescaled = 0;
    Label1.BackColor = kSilver;
    Label2.BackColor = kSilver;
    EditingLeftValue = 0;
    RedrawDisplay();
}

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
        if (part.editOpen == 1 && refuseUnknownUnits(part.label.Caption, part.box)) return;
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
