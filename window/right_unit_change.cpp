// The window side of a right-hand unit change: reads the captions and the form's
// variables, lets the core compute, and writes the results back.
#include <algorithm>
#include <type_traits>
#include <variant>

#include "catalogue.h"
#include "form1_impl.h"

namespace quantivex {
namespace {

int16_t saturate16(int value) {
    return static_cast<int16_t>(std::clamp(value, -32768, 32767));
}

}  // namespace

void Form1::ChangeRightNumeratorUnit() {
    changeRightUnit(FractionSide::Numerator);
}
void Form1::ChangeRightDenominatorUnit() {
    changeRightUnit(FractionSide::Denominator);
}

void Form1::CountCategoryLetters() {
    CategoryLetterCount = saturate16(countCategoryLetters(DimsToCount, ActiveCategory));
}

void Form1::changeRightUnit(FractionSide side) {
    const RightPart part = rightPart(side);
    UnitChangeRequest request;
    request.side = side;
    request.expression = part.label.Caption;
    request.dims = part.dims;
    request.category = ActiveCategory;
    request.tokenList = ActiveTokenList;
    request.picked = PickedUnit;
    request.valueText = Label1.Caption;
    request.replaceIndex = replaceIndex(side);
    request.lastCategory = part.lastCategory;
    const UnitChangeResult r = changeUnit(request);
    recordUnitChange(part, r);
    if (r.status == UnitChangeStatus::UnknownUnit) throw RuntimeFailure("unit not in the category");
    if (r.status == UnitChangeStatus::OutOfRange) {
        platform_.showHint(Label1, kOutOfRangeHint);
        throw OutOfRange();
    }

    setReplaceIndex(side, r.replaceIndex);
    part.lastCategory = r.lastCategory;
    if (r.status == UnitChangeStatus::EmptyExpression) {
        part.dims.clear();
        return;
    }
    if (r.status == UnitChangeStatus::Replaced) {
        surface.Cls();
        Label1.Caption = r.valueText;  // empty when there was no value to rescale
        RedrawDisplay();               // the unit label still shows the old expression here
    }
    surface.Cls();
    part.label.Caption = r.expression;
    RedrawDisplay();
}

// What the change saw, in the register's trace variables: nothing reads them
// back, but replay and the dump show them.
void Form1::recordUnitChange(const RightPart& part, const UnitChangeResult& change) {
    const bool numerator = part.side == FractionSide::Numerator;
    DimsToCount = part.dims;
    CountCategoryLetters();
    if (change.status == UnitChangeStatus::UnknownUnit || change.status == UnitChangeStatus::OutOfRange) return;
    if (numerator) {
        RightNumeratorTextLength = static_cast<int32_t>(part.label.Caption.size());
    } else {
        RightDenominatorTextLength = static_cast<double>(part.label.Caption.size());
    }
    if (change.status == UnitChangeStatus::EmptyExpression) return;
    UnitReplaced = change.status == UnitChangeStatus::Replaced ? 1 : 0;
    if (UnitReplaced == 1) {
        CurrentToken = change.replacedToken;
        LookupUnitFactor();
        UnitFactorRatio(change);
        RightValue = change.value;
        RightValueText = change.valueText;
    }
    (numerator ? NewRightNumeratorText : NewRightDenominatorText) = change.expression;
}

// ---- factor lookup over the form's index variables ----

// The category's two index variables: the unit replaced and the unit picked.
void Form1::factorIndexes(char16_t code) {
    const CategoryControls* c = categoryOfCode(code);
    const std::u16string_view category(&c->row->code, 1);
    auto assign = [this](const IndexVariable& variable, int index) {
        std::visit([&](auto member) { this->*member = static_cast<std::decay_t<decltype(this->*member)>>(index); },
                   variable);
    };
    assign(c->row->fromIndex, unitIndex(category, CurrentToken));
    assign(c->row->toIndex, unitIndex(category, PickedUnit));
}

void Form1::MassFactor() {
    factorIndexes(u'M');
}
void Form1::LengthFactor() {
    factorIndexes(u'L');
}
void Form1::AreaFactor() {
    factorIndexes(u'S');
}
void Form1::VolumeFactor() {
    factorIndexes(u'B');
}
void Form1::TimeFactor() {
    factorIndexes(u'T');
}
void Form1::ForceFactor() {
    factorIndexes(u'F');
}
void Form1::HeatFactor() {
    factorIndexes(u'J');
}
void Form1::PressureFactor() {
    factorIndexes(u'P');
}

void Form1::LookupUnitFactor() {
    if (ActiveCategory.size() != 1) return;
    if (const CategoryControls* c = categoryOfCode(ActiveCategory[0])) (this->*c->row->factorProcedure)();
}

// The ratio the core used for the change: Factors[picked] / Factors[replaced].
void Form1::UnitFactorRatio(const UnitChangeResult& change) {
    FactorRatio = change.ratio;
}

}  // namespace quantivex
