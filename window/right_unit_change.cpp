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
    const bool numerator = side == FractionSide::Numerator;
    Label& label = numerator ? Label5 : Label6;
    std::u16string& dims = numerator ? RightNumeratorDims : RightDenominatorDims;
    std::u16string& lastCategory = numerator ? LastRightNumeratorCategory : LastRightDenominatorCategory;
    DimsToCount = dims;
    CountCategoryLetters();

    UnitChangeRequest request;
    request.side = side;
    request.expression = label.Caption;
    request.dims = dims;
    request.category = ActiveCategory;
    request.tokenList = ActiveTokenList;
    request.picked = PickedUnit;
    request.valueText = Label1.Caption;
    request.replaceIndex = numerator ? RightNumeratorReplaceIndex : RightDenominatorReplaceIndex;
    request.lastCategory = lastCategory;
    const UnitChangeResult r = changeUnit(request);
    if (r.status == UnitChangeStatus::UnknownUnit) throw RuntimeFailure("unit not in the category");
    if (r.status == UnitChangeStatus::NotFinite) throw RuntimeFailure("result outside the double range");

    if (numerator) {
        RightNumeratorReplaceIndex = r.replaceIndex;
        RightNumeratorTextLength = static_cast<int32_t>(label.Caption.size());
    } else {
        RightDenominatorReplaceIndex = saturate16(r.replaceIndex);
        RightDenominatorTextLength = static_cast<double>(label.Caption.size());
    }
    lastCategory = r.lastCategory;
    if (r.status == UnitChangeStatus::EmptyExpression) {
        dims.clear();
        return;
    }
    UnitReplaced = r.status == UnitChangeStatus::Replaced ? 1 : 0;
    if (UnitReplaced == 1) {
        CurrentToken = r.replacedToken;
        LookupUnitFactor();
        UnitFactorRatio(r);
        RightValue = r.value;
        RightValueText = r.valueText;  // empty when there was no value to rescale
        surface.Cls();
        Label1.Caption = RightValueText;
        RedrawDisplay();  // the unit label still shows the old expression here
    }
    (numerator ? NewRightNumeratorText : NewRightDenominatorText) = r.expression;
    surface.Cls();
    label.Caption = r.expression;
    RedrawDisplay();
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
