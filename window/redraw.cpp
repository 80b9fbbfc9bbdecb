// RedrawDisplay: sizes and places the equation from its captions alone, draws
// the fraction bars and widens the window when the equation does not fit.
#include <algorithm>

#include "form1_impl.h"

namespace quantivex {
namespace {

double captionLength(const Label& l) {
    return l.Caption.empty() ? 1.0 : static_cast<double>(l.Caption.size());
}

double valueWidth(double length) {
    return kValueCharWidth * length + kValueExtra + (length <= 1 ? kOneCharValueExtra : 0);
}

}  // namespace

void Form1::drawSeparatorLines() {
    // The two Line1 controls have a fixed length, so a wider window gets drawn ones.
    surface.Line(0, kHighlightLineY, Width, kHighlightLineY, kSystem3DHighlight);
    surface.Line(0, kTextLineY, Width, kTextLineY, kSystemWindowText);
}

void Form1::drawFractionBars() {
    surface.Line(Label3.Left, kBarY, Label3.Left + Label3.Width, kBarY, kBlack);
    surface.Line(Label5.Left, kBarY, Label5.Left + Label5.Width, kBarY, kBlack);
}

void Form1::RedrawDisplay() {
    surface.Line(0, kBarY, Width, kBarY, kSilver);  // erase the old bars

    const double l2 = captionLength(Label2);
    const double l3 = captionLength(Label3);
    const double l4 = captionLength(Label4);
    const double l1 = captionLength(Label1);
    const double l5 = captionLength(Label5);
    const double l6 = captionLength(Label6);
    LeftNumeratorLength = l3;
    RightNumeratorLength = static_cast<int32_t>(std::min(l5, 2147483647.0));
    RightDenominatorLength = l6;

    const double e = kUnitCharWidth * l2 + kUnitCharWidth * std::max(l3, l4) + kFractionExtra + kUnitCharWidth * l1 +
                     kUnitCharWidth * std::max(l5, l6);
    if (e > kStandardLimit) {
        WindowWidened = 1;
        if (e > platform_.screenWidth() - kScreenMargin) {
            // Too wide even for a widened window: only the beeps tell; nothing moves.
            platform_.Beep();
            platform_.Beep();
            Line1[0].Visible = false;
            Line1[1].Visible = false;
            drawSeparatorLines();
            drawFractionBars();
            return;
        }
        Width = static_cast<float>(e + kWidenMargin);
        centreWindow();
        placeWorkflowButtons();
        placeLeftRowButtons();
        Line1[0].Visible = false;
        Line1[1].Visible = false;
        drawSeparatorLines();
    } else if (WindowWidened == 1) {
        // Stays 1 until clear, so every later redraw restores (and re-centres) again.
        Width = kStandardWidth;
        centreWindow();
        placeWorkflowButtons();
        placeLeftRowButtons();
        Line1[0].Visible = true;
        Line1[1].Visible = true;
    }

    const double w = Width;
    Label2.Width = static_cast<float>(valueWidth(l2));
    Label3.Width = static_cast<float>(kUnitCharWidth * std::max(l3, l4) + kFractionExtra);
    Label1.Width = static_cast<float>(valueWidth(l1));
    Label5.Width = static_cast<float>(kUnitCharWidth * std::max(l5, l6) + kFractionExtra);
    const double a = Label2.Width;
    const double b = Label3.Width;
    const double c = Label1.Width;
    const double d = Label5.Width;
    const double t = d + c + (b + a);
    const double p = w / 2 - (t / 2 - (b + a + kSignBeforeCentre));
    Label7.Left = static_cast<float>(p - kSignBeforeCentre);
    Label7.Width = static_cast<float>(kSignWidth);
    Label3.Left = static_cast<float>(Label7.Left - b - kFractionToSign);
    Text3.Left = Label3.Left;
    Text3.Width = static_cast<float>(b + (b < kNarrowUnitBox ? kNarrowUnitBoxExtra : 0));
    Label4.Left = Label3.Left;
    Label4.Width = static_cast<float>(b);
    Text4.Left = Label4.Left;
    Text4.Width = Label4.Width + (Label4.Width < kNarrowUnitBox ? static_cast<float>(kNarrowUnitBoxExtra) : 0.0f);
    Label2.Left = static_cast<float>(Label7.Left - b - a - kValueToFraction);
    Text2.Left = Label2.Left;
    Text2.Width = static_cast<float>(kValueBoxCharWidth * l2 + (l2 <= 1 ? kOneCharValueBoxExtra : 0));
    Label1.Left = static_cast<float>(Label7.Left + Label7.Width + kRightGap);
    Label5.Left = static_cast<float>(Label1.Left + c + kRightGap);
    Label6.Left = Label5.Left;
    Label6.Width = static_cast<float>(d);
    drawFractionBars();
}

void Form1::showRightValue(const std::u16string& text) {
    surface.Cls();
    Label1.Caption = text;
    RedrawDisplay();
}

}  // namespace quantivex
