// Form1 as created, its start-up and closing, and the helpers several areas share.
#include "form1.h"

#include <type_traits>

#include "catalogue.h"
#include "events.h"
#include "form1_impl.h"

namespace quantivex {
namespace {

Font fontOf(const FontSpec& font) {
    return {std::u16string(font.name), font.size};
}

template <typename C>
void createVisible(C& c, const ControlRow& row) {
    c.name = std::string(row.name);
    c.Left = row.left;
    c.Top = row.top;
    c.Width = row.width;
    c.Height = row.height;
    c.Visible = row.visible;
    c.font = fontOf(row.font);
    c.BackColor = row.backColor;
    c.TabIndex = row.tabIndex;
}

}  // namespace

const CategoryRow Form1::kCategoryRows[8] = {
    {u'M', &Form1State::Command1, &Form1State::Command10, &Form1State::MASS, -2280, 1, &Form1::MassFactor,
     &Form1State::MassFromIndex, &Form1State::MassToIndex},
    {u'L', &Form1State::Command2, &Form1State::Command11, &Form1State::LENG, -1710, 2, &Form1::LengthFactor,
     &Form1State::LengthFromIndex, &Form1State::LengthToIndex},
    {u'S', &Form1State::Command3, &Form1State::Command12, &Form1State::AREA, -1140, 3, &Form1::AreaFactor,
     &Form1State::AreaFromIndex, &Form1State::AreaToIndex},
    {u'B', &Form1State::Command4, &Form1State::Command13, &Form1State::VOL, -570, 4, &Form1::VolumeFactor,
     &Form1State::VolumeFromIndex, &Form1State::VolumeToIndex},
    {u'T', &Form1State::Command5, &Form1State::Command14, &Form1State::TIM, 5, 5, &Form1::TimeFactor,
     &Form1State::TimeFromIndex, &Form1State::TimeToIndex},
    {u'F', &Form1State::Command6, &Form1State::Command15, &Form1State::FORCE, 575, 6, &Form1::ForceFactor,
     &Form1State::ForceFromIndex, &Form1State::ForceToIndex},
    {u'J', &Form1State::Command7, &Form1State::Command16, &Form1State::THERM, 1715, 8, &Form1::HeatFactor,
     &Form1State::HeatFromIndex, &Form1State::HeatToIndex},
    {u'P', &Form1State::Command18, &Form1State::Command19, &Form1State::PRESS, 1145, 7, &Form1::PressureFactor,
     &Form1State::PressureFromIndex, &Form1State::PressureToIndex},
};

Form1::Form1(Platform& platform) : platform_(platform) {
    Width = kStandardWidth;
    Height = kClientHeight + kFrameHeight;
    createControls();
    createMenus();
    bindChangeEvents();
}

void Form1::restore(const Form1State& state) {
    static_cast<Form1State&>(*this) = state;
    bindChangeEvents();  // a state copied from elsewhere must still raise this window's events
}

void Form1::createControls() {
    for (const ControlRow& row : controlRows()) {
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, std::size_t>) {
                    Line1[member] = {std::string(row.name), row.left,     row.top, row.width, row.height,
                                     row.visible,           row.backColor};
                } else if constexpr (std::is_same_v<M, Timer Form1State::*>) {
                    this->*member = {std::string(row.name), false, row.interval};
                } else if constexpr (std::is_same_v<M, TextBox Form1State::*>) {
                    createVisible(this->*member, row);
                } else {
                    createVisible(this->*member, row);
                    (this->*member).Caption = std::u16string(row.caption);
                }
            },
            row.member);
    }
}

void Form1::createMenus() {
    for (const MenuRow& row : menuRows()) {
        Menu& m = this->*row.member;
        m.name = std::string(row.name);
        const Category* category = nullptr;
        for (const Category& c : categories()) {
            if (c.menuName == row.name) category = &c;
        }
        // The unit menus are popup menus only, not in the menu bar.
        m.Caption = category != nullptr ? std::u16string(category->name) : u"ヘルプ";
        m.Visible = category == nullptr;
        for (const MenuItemRow& item : menuItemRows()) {
            if (item.menu == row.name) m.items.push_back({item.name, item.caption});
        }
    }
    const auto cats = categories();
    for (std::size_t c = 0; c < cats.size(); ++c) {
        const CategoryRow& row = kCategoryRows[c];
        if (cats[c].code[0] != row.code) throw std::logic_error("the window's categories are out of catalogue order");
        categoryControls_[c] = {&cats[c], &(this->*row.leftButton), &(this->*row.rightButton), &(this->*row.menu),
                                &row};
    }
}

void Form1::bindChangeEvents() {
    for (const ControlRow& row : controlRows()) {
        if (row.kind != ControlKind::TextBox) continue;
        TextBox& box = this->*std::get<TextBox Form1State::*>(row.member);
        const EventHandler* change = findEvent(row.name, EventKind::Change);
        box.Change = change == nullptr ? std::function<void()>() : [this, change] { change->run(*this, 0); };
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
        for (Label* l : guideLabels()) l->Visible = true;
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

void Form1::showErrorBox() {
    platform_.MsgBox(u"エラーです", kErrorBoxStyle, kMessageTitle);
}

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
    const double w = Width;
    for (const CategoryControls& c : categoryControls_) {
        c.leftButton->Left = static_cast<float>(w / 2 + c.row->leftRowOffset);
    }
}

// Catalogue order is also the order in which the window shows and hides each row.
void Form1::setLeftRowVisible(bool visible) {
    for (const CategoryControls& c : categoryControls_) c.leftButton->Visible = visible;
}

void Form1::hideLeftRow() {
    setLeftRowVisible(false);
}

void Form1::hideRightRow() {
    for (const CategoryControls& c : categoryControls_) c.rightButton->Visible = false;
}

void Form1::hideCategoryButtons() {
    hideLeftRow();
    hideRightRow();
}

void Form1::hideGuideLabels() {
    if (GuideShown != 1) return;
    for (Label* l : guideLabels()) l->Visible = false;
    GuideShown = 0;
}

}  // namespace quantivex
