// Form1 as created, its start-up and closing, and the helpers several areas share.
#include "form1.h"

#include "catalogue.h"
#include "form1_impl.h"

namespace quantivex {
namespace {

const Font kPGothic9{u"ＭＳ Ｐゴシック", 9.75f};
const Font kPGothic11{u"ＭＳ Ｐゴシック", 11.25f};
const Font kFixedSys{u"FixedSys", 13.5f};
const Font kDefaultFont{u"ＭＳ Ｐゴシック", 9};

template <typename C>
void place(C& c, const char* name, float left, float top, float width, float height, bool visible, int tabIndex) {
    c.name = name;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    c.Visible = visible;
    c.TabIndex = tabIndex;
    c.font = kDefaultFont;
}

void label(Label& l, const char* name, std::u16string caption, float left, float top, float width, float height,
           bool visible, const Font& font, uint32_t back, int tabIndex) {
    place(l, name, left, top, width, height, visible, tabIndex);
    l.Caption = std::move(caption);
    l.font = font;
    l.BackColor = back;
}

void button(CommandButton& b, const char* name, std::u16string caption, float left, float top, float width,
            float height, bool visible, int tabIndex) {
    place(b, name, left, top, width, height, visible, tabIndex);
    b.Caption = std::move(caption);
}

}  // namespace

Form1::Form1(Platform& platform) : platform_(platform) {
    Width = kStandardWidth;
    Height = kClientHeight + kFrameHeight;
    createControls();
    createMenus();
}

void Form1::createControls() {
    button(Command19, "Command19", u"圧力", 4755, 3240, 555, 330, false, 32);
    button(Command18, "Command18", u"圧力", 5025, 3120, 555, 330, false, 31);
    Timer3 = {"Timer3", false, 120};
    Timer2 = {"Timer2", false, 10};
    place(Text2, "Text2", 225, 1170, 930, 375, false, 24);
    Text2.font = kPGothic9;
    Text2.BackColor = kWhite;
    button(Command17, "Command17", u"クリヤ", 3135, 405, 900, 420, true, 23);
    place(Text4, "Text4", 375, 2505, 1890, 375, false, 22);
    Text4.font = kPGothic9;
    Text4.BackColor = kSystemWindow;
    button(Command16, "Command16", u"熱量", 5340, 3225, 555, 330, false, 21);
    button(Command15, "Command15", u"力", 4185, 3240, 555, 330, false, 20);
    button(Command14, "Command14", u"時間", 3615, 3255, 555, 330, false, 19);
    button(Command13, "Command13", u"体積", 3045, 3255, 555, 330, false, 18);
    button(Command12, "Command12", u"面積", 2460, 3255, 555, 330, false, 17);
    button(Command11, "Command11", u"長さ", 1905, 3255, 555, 330, false, 16);
    place(Text3, "Text3", 330, 1185, 1920, 360, false, 15);
    Text3.font = kPGothic9;
    Text3.BackColor = kSystemWindow;
    button(Command10, "Command10", u"質量", 1335, 3255, 555, 330, false, 14);
    Timer1 = {"Timer1", false, 10};
    button(Command9, "Command9", u"単位の変換", 4515, 330, 1140, 495, true, 13);
    button(Command8, "Command8", u"単位の設定", 1530, 315, 1140, 510, true, 12);
    button(Command7, "Command7", u"熱量", 5610, 3135, 540, 330, false, 10);
    button(Command6, "Command6", u"力", 4485, 3120, 540, 330, false, 9);
    button(Command5, "Command5", u"時間", 3930, 3120, 540, 330, false, 8);
    button(Command4, "Command4", u"体積", 3375, 3120, 540, 315, false, 7);
    button(Command3, "Command3", u"面積", 2820, 3120, 540, 330, false, 6);
    button(Command2, "Command2", u"長さ", 2265, 3135, 540, 315, false, 5);
    button(Command1, "Command1", u"質量", 1695, 3120, 540, 330, false, 4);
    Line1[1] = {"Line1(1)", -30, 30, 7065, 30, true, kSystem3DHighlight};
    Line1[0] = {"Line1(0)", 0, 15, 7050, 15, true, kSystem3DDarkShadow};
    label(Label11, "Label11", u"●左辺の数値と単位はダブルクリックで変更可", 1755, 2760, 3600, 375, false, kDefaultFont,
          0xFFFFC0, -1);
    label(Label10, "Label10", u"●右辺で単位の変更ができます", 1755, 2235, 3600, 390, false, kDefaultFont, 0xFFFF80,
          -1);
    label(Label9, "Label9", u"●左辺分子/分母をクリックし単位を入力", 1740, 1740, 3600, 360, false, kDefaultFont,
          0xFFFF00, -1);
    label(Label8, "Label8", u"●まず、「単位の設定」をクリックして下さい", 1755, 1230, 3585, 390, false, kDefaultFont,
          0xC0C000, -1);
    label(Label7, "Label7", u"=", 1710, 1920, 165, 315, true, kDefaultFont, kSilver, -1);
    label(Label1, "Label1", u"Label1", 1080, 1875, 1590, 315, true, kPGothic11, kSilver, -1);
    label(Label5, "Label5", u"", 450, 1605, 2025, 360, true, kFixedSys, kSilver, -1);
    label(Label6, "Label6", u"", 645, 2040, 2010, 345, true, kFixedSys, kSilver, -1);
    label(Label4, "Label4", u"", 405, 2055, 1995, 345, true, kFixedSys, kSilver, -1);
    label(Label3, "Label3", u"", 675, 1605, 2010, 345, true, kFixedSys, kSilver, -1);
    label(Label2, "Label2", u"Label2", 210, 1875, 945, 315, true, kPGothic11, kSilver, -1);

    Text3.Change = [this] { Text3_Change(); };
    Text4.Change = [this] { Text4_Change(); };
}

void Form1::createMenus() {
    HLP = {"HLP", u"ヘルプ", true, true,
           {{"usr", u"使い方1"}, {"skip2", u"-"}, {"usr2", u"使い方2"}, {"skip", u"-"}, {"VER", u"バージョン"}}};
    Menu* menus[] = {&MASS, &LENG, &AREA, &VOL, &TIM, &FORCE, &THERM, &PRESS};
    CommandButton* left[] = {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7, &Command18};
    CommandButton* right[] = {&Command10, &Command11, &Command12, &Command13,
                              &Command14, &Command15, &Command16, &Command19};
    const auto cats = categories();
    for (std::size_t c = 0; c < cats.size(); ++c) {
        Menu& m = *menus[c];
        m.name = std::string(cats[c].menuName);
        m.Caption = std::u16string(cats[c].name);
        m.Visible = false;  // popup menus only, not in the menu bar
        for (std::size_t i = 0; i < cats[c].units.size(); ++i) {
            m.items.push_back({m.name + std::to_string(i + 1), std::u16string(cats[c].units[i].caption)});
        }
        categoryControls_[c] = {&cats[c], left[c], right[c], &m};
    }
}

const CategoryControls* Form1::categoryOfMenu(std::string_view menuName) const {
    for (const CategoryControls& c : categoryControls_) {
        if (c.menu->name == menuName) return &c;
    }
    return nullptr;
}

const CategoryControls* Form1::categoryOfCode(char16_t code) const {
    for (const CategoryControls& c : categoryControls_) {
        if (c.category->code[0] == code) return &c;
    }
    return nullptr;
}

void Form1::Form_Load() {
    withErrorTrap([&] {
        Width = kStandardWidth;
        centreWindow();
        LeftNumeratorDims.clear();
        LeftDenominatorDims.clear();
        RightNumeratorDims.clear();
        RightDenominatorDims.clear();
        LastRightNumeratorCategory.clear();
        LastRightDenominatorCategory.clear();
        DefaultValuePending = 0;
        WindowWidened = 0;
        ResultRescaled = 0;
        EnteringLeftDenominator = 0;
        EditingLeftValue = 0;
        LeftNumeratorEditOpen = 0;
        LeftDenominatorEditOpen = 0;
        RightNumeratorReplaceIndex = 0;
        RightDenominatorReplaceIndex = 0;
        // The factor tables are constant data of the core; there is nothing to build.
        LeftValue = 1.0;
        Label2.Visible = false;
        Label1.Visible = false;
        Label7.Visible = false;
        Label2.Caption = u"1";
        Label1.Caption = Label2.Caption;
        GuideShown = 1;
        for (Label* l : {&Label8, &Label9, &Label10, &Label11}) l->Visible = true;
        for (const CategoryControls& c : categoryControls_) {
            c.leftButton->Top = 3135;
            c.rightButton->Top = 3255;
        }
        for (const CategoryControls& c : categoryControls_) {
            for (CommandButton* b : {c.leftButton, c.rightButton}) {
                b->Height = 330;
                b->Width = 555;
            }
        }
        for (CommandButton* b : {&Command8, &Command9}) {
            b->Height = 500;
            b->Width = 1150;
        }
        placeWorkflowButtons();
    });
}

void Form1::Form_Unload(int16_t& cancel) {
    cancel = 0;
    form2.reset();
    platform_.endProgram();
}

void Form1::showErrorBox() { platform_.MsgBox(u"エラーです", kErrorBoxStyle, kMessageTitle); }

void Form1::centreWindow() {
    // Single precision, as the window system's own move takes it.
    Left = (platform_.screenWidth() - Width) / 2.0f;
    Top = (platform_.screenHeight() - Height) / 2.0f;
}

void Form1::placeWorkflowButtons() {
    const double w = Width;
    Command17.Left = static_cast<float>(w / 2 - 497);
    Command8.Left = static_cast<float>(w / 2 - 2010);
    Command9.Left = static_cast<float>(w / 2 + 770);
}

void Form1::placeLeftRowButtons() {
    static constexpr double kOffsets[] = {-2280, -1710, -1140, -570, 5, 575, 1715, 1145};  // catalogue order
    const double w = Width;
    for (std::size_t c = 0; c < categoryControls_.size(); ++c) {
        categoryControls_[c].leftButton->Left = static_cast<float>(w / 2 + kOffsets[c]);
    }
}

// Catalogue order is also the order in which the window shows and hides each row.
void Form1::setLeftRowVisible(bool visible) {
    for (const CategoryControls& c : categoryControls_) c.leftButton->Visible = visible;
}

void Form1::hideLeftRow() { setLeftRowVisible(false); }

void Form1::hideRightRow() {
    for (const CategoryControls& c : categoryControls_) c.rightButton->Visible = false;
}

void Form1::hideCategoryButtons() {
    hideLeftRow();
    hideRightRow();
}

void Form1::hideGuideLabels() {
    if (GuideShown != 1) return;
    for (Label* l : {&Label8, &Label9, &Label10, &Label11}) l->Visible = false;
    GuideShown = 0;
}

}  // namespace quantivex
