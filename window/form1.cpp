// Form1 as created, its start-up and closing, and the helpers several areas share.
#include "form1.h"

#include <algorithm>
#include <type_traits>

#include "catalogue.h"
#include "form1_impl.h"

namespace quantivex {
namespace {

Font fontOf(const FontSpec& font) {
    return {font.name, font.size};
}

template <typename C>
void createVisible(C& c, const ControlRow& row) {
    c.name = row.name;
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
    {.code = u'M',
     .menu = &Form1State::MASS,
     .leftRowOffset = -2280,
     .placedFlag = 1,
     .factorProcedure = &Form1::MassFactor,
     .fromIndex = &Form1Trace::MassFromIndex,
     .toIndex = &Form1Trace::MassToIndex},
    {.code = u'L',
     .menu = &Form1State::LENG,
     .leftRowOffset = -1710,
     .placedFlag = 2,
     .factorProcedure = &Form1::LengthFactor,
     .fromIndex = &Form1Trace::LengthFromIndex,
     .toIndex = &Form1Trace::LengthToIndex},
    {.code = u'S',
     .menu = &Form1State::AREA,
     .leftRowOffset = -1140,
     .placedFlag = 3,
     .factorProcedure = &Form1::AreaFactor,
     .fromIndex = &Form1Trace::AreaFromIndex,
     .toIndex = &Form1Trace::AreaToIndex},
    {.code = u'B',
     .menu = &Form1State::VOL,
     .leftRowOffset = -570,
     .placedFlag = 4,
     .factorProcedure = &Form1::VolumeFactor,
     .fromIndex = &Form1Trace::VolumeFromIndex,
     .toIndex = &Form1Trace::VolumeToIndex},
    {.code = u'T',
     .menu = &Form1State::TIM,
     .leftRowOffset = 5,
     .placedFlag = 5,
     .factorProcedure = &Form1::TimeFactor,
     .fromIndex = &Form1Trace::TimeFromIndex,
     .toIndex = &Form1Trace::TimeToIndex},
    {.code = u'F',
     .menu = &Form1State::FORCE,
     .leftRowOffset = 575,
     .placedFlag = 6,
     .factorProcedure = &Form1::ForceFactor,
     .fromIndex = &Form1Trace::ForceFromIndex,
     .toIndex = &Form1Trace::ForceToIndex},
    {.code = u'J',
     .menu = &Form1State::THERM,
     .leftRowOffset = 1715,
     .placedFlag = 8,
     .factorProcedure = &Form1::HeatFactor,
     .fromIndex = &Form1Trace::HeatFromIndex,
     .toIndex = &Form1Trace::HeatToIndex},
    {.code = u'P',
     .menu = &Form1State::PRESS,
     .leftRowOffset = 1145,
     .placedFlag = 7,
     .factorProcedure = &Form1::PressureFactor,
     .fromIndex = &Form1Trace::PressureFromIndex,
     .toIndex = &Form1Trace::PressureToIndex},
};

namespace {

void createControls(Form1State& form) {
    for (const ControlRow& row : controlRows()) {
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, std::size_t>) {
                    form.Line1[member] = {row.name, row.from.x,  row.from.y,   row.to.x,
                                          row.to.y, row.visible, row.backColor};
                } else if constexpr (std::is_same_v<M, Timer Form1State::*>) {
                    form.*member = {row.name, false, row.interval};
                } else if constexpr (std::is_same_v<M, TextBox Form1State::*>) {
                    createVisible(form.*member, row);
                } else if constexpr (std::is_same_v<M, CommandButton Form1State::*>) {
                    createVisible(form.*member, row);
                    (form.*member).Caption = row.caption;
                } else {
                    createVisible(form.*member, row);
                    (form.*member).Caption = std::u16string(row.caption);
                }
            },
            row.member);
    }
}

void createMenus(Form1State& form) {
    for (const MenuRow& row : menuRows()) {
        Menu& m = form.*row.member;
        m.name = row.name;
        const Category* category = nullptr;
        for (const Category& c : categories()) {
            if (c.menuName == row.name) category = &c;
        }
        // The unit menus are popup menus only, not in the menu bar.
        m.Caption = category != nullptr ? category->name : u"ヘルプ";
        m.Visible = category == nullptr;
    }
    // Each menu's items, in one constant table for every copy of the window.
    static const std::vector<std::vector<MenuItemData>> itemData = [] {
        std::vector<std::vector<MenuItemData>> all(menuRows().size());
        for (const MenuItemRow& item : menuItemRows()) {
            const auto menu = static_cast<std::size_t>(findMenuRow(item.menu) - menuRows().data());
            all[menu].push_back({item.name, item.caption});
        }
        return all;
    }();
    for (std::size_t m = 0; m < menuRows().size(); ++m) (form.*menuRows()[m].member).items = MenuItems(itemData[m]);
}

// The window as created, made once: every window after the first is a copy.
const Form1State& created() {
    static const Form1State form = [] {
        Form1State f;
        f.Width = kStandardWidth;
        f.Height = kClientHeight + kFrameHeight;
        createControls(f);
        createMenus(f);
        return f;
    }();
    return form;
}

}  // namespace

Form1::Form1(Platform& platform) : Form1State(created()), platform_(platform) {
    const auto cats = categories();
    for (std::size_t c = 0; c < cats.size(); ++c) {
        const CategoryRow& row = kCategoryRows[c];
        if (cats[c].code[0] != row.code) throw std::logic_error("the window's categories are out of catalogue order");
        const ControlRow* left = categoryButtonRow(Side::Left, row.code);
        const ControlRow* right = categoryButtonRow(Side::Right, row.code);
        if (left == nullptr || right == nullptr) throw std::logic_error("a category without its two buttons");
        categoryControls_[c] = {&cats[c], &static_cast<CommandButton&>(controlOf(*this, *left)),
                                &static_cast<CommandButton&>(controlOf(*this, *right)), &(this->*row.menu), &row};
    }
}

LeftPart Form1::leftPart(FractionSide side) {
    if (side == FractionSide::Numerator) {
        return {Label3,
                Label5,
                Text3,
                LeftNumeratorEditOpen,
                LeftNumeratorBeforeEdit,
                LeftNumeratorDims,
                RightNumeratorDims,
                LeftNumeratorUnits,
                LeftNumeratorUnitsLength};
    }
    return {Label4,
            Label6,
            Text4,
            LeftDenominatorEditOpen,
            LeftDenominatorBeforeEdit,
            LeftDenominatorDims,
            RightDenominatorDims,
            LeftDenominatorUnits,
            LeftDenominatorUnitsLength};
}

RightPart Form1::rightPart(FractionSide side) {
    if (side == FractionSide::Numerator) {
        return {side, Label5, Label6, RightNumeratorDims, LeftNumeratorDims, LastRightNumeratorCategory};
    }
    return {side, Label6, Label5, RightDenominatorDims, LeftDenominatorDims, LastRightDenominatorCategory};
}

// The two replace indexes are of different widths in the register.
int Form1::replaceIndex(FractionSide side) const {
    return side == FractionSide::Numerator ? RightNumeratorReplaceIndex : RightDenominatorReplaceIndex;
}

void Form1::setReplaceIndex(FractionSide side, int index) {
    if (side == FractionSide::Numerator) {
        RightNumeratorReplaceIndex = index;
    } else {
        RightDenominatorReplaceIndex = static_cast<int16_t>(std::clamp(index, -32768, 32767));
    }
}

std::array<Label*, 4> Form1::guideLabels() {
    std::array<Label*, 4> labels{};
    const auto rows = guideTextRows();
    for (std::size_t i = 0; i < labels.size() && i < rows.size(); ++i) {
        labels[i] = &static_cast<Label&>(controlOf(*this, *rows[i]));
    }
    return labels;
}

const CategoryControls* Form1::categoryOfMenu(const Menu& menu) const {
    for (const CategoryControls& c : categoryControls_) {
        if (c.menu == &menu) return &c;
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
            c.leftButton->Top = kLeftRowTop;
            c.rightButton->Top = kRightRowTop;
        }
        for (const CategoryControls& c : categoryControls_) {
            for (CommandButton* b : {c.leftButton, c.rightButton}) {
                b->Height = kCategoryButtonHeight;
                b->Width = kCategoryButtonWidth;
            }
        }
        for (CommandButton* b : {&Command8, &Command9}) {
            b->Height = kWorkflowButtonHeight;
            b->Width = kWorkflowButtonWidth;
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
    Command17.Left = static_cast<float>(w / 2 + kClearFromCentre);
    Command8.Left = static_cast<float>(w / 2 + kSetUnitsFromCentre);
    Command9.Left = static_cast<float>(w / 2 + kConvertFromCentre);
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
