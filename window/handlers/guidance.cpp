// The help menu: the animated usage guide, the help document and the version.
#include <string>

#include "form1_impl.h"

namespace quantivex {

void Form1::usr_Click() {
    hideGuideLabels();
    Timer3.Enabled = true;
    // The tick count is not reset: choosing it again lets a running guide continue.
    const auto left = static_cast<float>(static_cast<double>(Width) / 2 + kGuideFromCentre);
    for (Label* l : guideLabels()) l->Left = left;
}

void Form1::Timer3_Timer() {
    GuideTick = static_cast<int16_t>(GuideTick + 1);
    // One label per step; every tick sets the visibility again.
    const auto steps = guideLabels();
    for (int step = 0; step < 4; ++step) {
        if (GuideTick < 10 * (step + 1)) {
            steps[static_cast<std::size_t>(step)]->Visible = true;
            return;
        }
        steps[static_cast<std::size_t>(step)]->Visible = false;
    }
    GuideTick = 0;
    Timer3.Enabled = false;
}

Form2& Form1::Form2Instance() {
    if (!form2) form2.emplace();
    return *form2;
}

void Form1::usr2_Click() {
    Form2Instance().CommonDialog1.HelpFile = u"QUANTIVEX.HLP";
    Form2Instance().CommonDialog1.HelpCommand = 3;  // contents
    Form2Instance().CommonDialog1.HelpContext = 1;
    const CommonDialog& dialog = Form2Instance().CommonDialog1;
    platform_.showHelp(dialog.HelpFile, dialog.HelpCommand, dialog.HelpContext);
}

void Form1::VER_Click() {
    const Version v = platform_.version();
    const std::string number = std::to_string(v.major) + std::to_string(v.minor) + std::to_string(v.revision);
    std::u16string text = u"Ver" + std::u16string(number.begin(), number.end());
    text += u'\r';
    text += u"作者: QUANTIVEX 開発チーム";
    platform_.MsgBox(text, 0, u"バージョン");
}

}  // namespace quantivex
