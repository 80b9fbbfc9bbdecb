// The three workflow buttons: set units, convert, clear.
#include "form1_impl.h"

namespace quantivex {

void Form1::Command8_Click() {
    hideCategoryButtons();
    hideGuideLabels();
    RightNumeratorReplaceIndex = 0;
    RightDenominatorReplaceIndex = 0;
    surface.Cls();
    RedrawDisplay();
    for (Label* l : {&Label2, &Label1, &Label7, &Label3, &Label4, &Label5, &Label6}) l->Visible = true;
    if (DefaultValuePending != 0) {
        Label2.Caption = u"1";
        Label1.Caption = Label2.Caption;
    }
    DefaultValuePending = 0;
    // An open edit keeps its flag and timer: the next click on its label still commits it.
    Text2.Visible = false;
    Text3.Visible = false;
    Text4.Visible = false;
    Label3.BackColor = kLightCyan;
    Label4.BackColor = kLightCyan;
    Label5.BackColor = kSilver;
    Label6.BackColor = kSilver;
    if (Label2.Caption.empty()) Label1.Caption = Label2.Caption;
}

void Form1::Command9_Click() {
    if (LeftNumeratorDims.empty() && LeftDenominatorDims.empty()) {
        platform_.MsgBox(u"単位が未設定です", 64, kMessageTitle);
        return;
    }
    Label3.BackColor = kSilver;
    Label4.BackColor = kSilver;
    Label5.BackColor = kLightCyan;
    Label6.BackColor = kLightCyan;
    surface.Cls();
    hideCategoryButtons();
    RedrawDisplay();
}

void Form1::Command17_Click() {
    WindowWidened = 0;
    Width = kStandardWidth;
    surface.Cls();
    centreWindow();
    placeWorkflowButtons();
    Line1[0].Visible = true;
    Line1[1].Visible = true;
    hideGuideLabels();
    DefaultValuePending = 1;
    ResultRescaled = 0;
    RightNumeratorReplaceIndex = 0;
    RightDenominatorReplaceIndex = 0;
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    surface.Cls();
    EditingLeftValue = 0;
    LeftNumeratorEditOpen = 0;
    LeftDenominatorEditOpen = 0;
    // Emptying a unit box raises its Change, whose writes the next step overrides.
    for (TextBox* t : {&Text2, &Text3, &Text4}) {
        t->setText(u"");
        t->Visible = false;
    }
    Label1.Caption.clear();
    Label2.Caption.clear();
    for (Label* l : {&Label2, &Label7, &Label1, &Label3, &Label4, &Label5, &Label6}) l->Visible = false;
    for (Label* l : {&Label3, &Label4, &Label5, &Label6}) l->Caption.clear();
    LeftNumeratorDims.clear();
    LeftDenominatorDims.clear();
    RightNumeratorDims.clear();
    RightDenominatorDims.clear();
    ChangingRightDims.clear();
    ActiveCategory.clear();
    Label2.BackColor = kSilver;
    Label1.BackColor = kSilver;
    hideCategoryButtons();
    GuideTick = 0;
    LeftValue = 1.0;
}

}  // namespace quantivex
