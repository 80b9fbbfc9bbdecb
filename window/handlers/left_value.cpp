// Editing the left value in place: a double click opens its box, Timer2
// mirrors what is typed into the label, and a click on the label commits it
// and rescales the right value in proportion.
#include <cmath>

#include "form1_impl.h"
#include "number_text.h"
#include "typed_text.h"
#include "value_text.h"

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
    if (valueRefusal(typed)) return std::nullopt;
    return parseNumberStrict(typed);
}

// Not taken: keep the box open on what was typed, rescale nothing, and say why.
void Form1::refuseTypedValue() {
    platform_.Beep();
    platform_.showHint(Text2, valueRefusal(Text2.Text()).value_or(u""));
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
    platform_.showHint(Text2, std::u16string(kZeroBecameOne));
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

}  // namespace quantivex
