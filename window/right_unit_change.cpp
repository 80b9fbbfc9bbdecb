// The window side of a right-hand unit change: reads the captions and the form's
// variables, lets the core compute, and writes the results back.
#include <algorithm>

#include "catalogue.h"
#include "factors.h"
#include "form1_impl.h"

namespace quantivex {
namespace {

int16_t saturate16(int value) { return static_cast<int16_t>(std::clamp(value, -32768, 32767)); }

}  // namespace

void Form1::ChangeRightNumeratorUnit() { changeRightUnit(FractionSide::Numerator); }
void Form1::ChangeRightDenominatorUnit() { changeRightUnit(FractionSide::Denominator); }

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
        UnitFactorRatio();
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

namespace {

template <typename From, typename To>
void lookupIndexes(std::u16string_view code, const std::u16string& current, const std::u16string& picked,
                   From& from, To& to) {
    from = static_cast<From>(unitIndex(code, current));
    to = static_cast<To>(unitIndex(code, picked));
}

template <typename From, typename To>
double ratioOf(std::u16string_view code, From from, To to) {
    const auto fromFactor = unitFactor(code, from);
    const auto toFactor = unitFactor(code, to);
    if (!fromFactor || !toFactor) throw RuntimeFailure("no factor for index 0");
    return *toFactor / *fromFactor;
}

}  // namespace

void Form1::MassFactor() { lookupIndexes(u"M", CurrentToken, PickedUnit, MassFromIndex, MassToIndex); }
void Form1::LengthFactor() { lookupIndexes(u"L", CurrentToken, PickedUnit, LengthFromIndex, LengthToIndex); }
void Form1::AreaFactor() { lookupIndexes(u"S", CurrentToken, PickedUnit, AreaFromIndex, AreaToIndex); }
void Form1::VolumeFactor() { lookupIndexes(u"B", CurrentToken, PickedUnit, VolumeFromIndex, VolumeToIndex); }
void Form1::TimeFactor() { lookupIndexes(u"T", CurrentToken, PickedUnit, TimeFromIndex, TimeToIndex); }
void Form1::ForceFactor() { lookupIndexes(u"F", CurrentToken, PickedUnit, ForceFromIndex, ForceToIndex); }
void Form1::HeatFactor() { lookupIndexes(u"J", CurrentToken, PickedUnit, HeatFromIndex, HeatToIndex); }
void Form1::PressureFactor() { lookupIndexes(u"P", CurrentToken, PickedUnit, PressureFromIndex, PressureToIndex); }

void Form1::LookupUnitFactor() {
    if (ActiveCategory == u"M") {
        MassFactor();
    } else if (ActiveCategory == u"L") {
        LengthFactor();
    } else if (ActiveCategory == u"S") {
        AreaFactor();
    } else if (ActiveCategory == u"B") {
        VolumeFactor();
    } else if (ActiveCategory == u"T") {
        TimeFactor();
    } else if (ActiveCategory == u"F") {
        ForceFactor();
    } else if (ActiveCategory == u"J") {
        HeatFactor();
    } else if (ActiveCategory == u"P") {
        PressureFactor();
    }
}

void Form1::UnitFactorRatio() {
    if (ActiveCategory == u"M") {
        FactorRatio = ratioOf(u"M", MassFromIndex, MassToIndex);
    } else if (ActiveCategory == u"L") {
        FactorRatio = ratioOf(u"L", LengthFromIndex, LengthToIndex);
    } else if (ActiveCategory == u"S") {
        FactorRatio = ratioOf(u"S", AreaFromIndex, AreaToIndex);
    } else if (ActiveCategory == u"B") {
        FactorRatio = ratioOf(u"B", VolumeFromIndex, VolumeToIndex);
    } else if (ActiveCategory == u"T") {
        FactorRatio = ratioOf(u"T", TimeFromIndex, TimeToIndex);
    } else if (ActiveCategory == u"F") {
        FactorRatio = ratioOf(u"F", ForceFromIndex, ForceToIndex);
    } else if (ActiveCategory == u"J") {
        FactorRatio = ratioOf(u"J", HeatFromIndex, HeatToIndex);
    } else if (ActiveCategory == u"P") {
        FactorRatio = ratioOf(u"P", PressureFromIndex, PressureToIndex);
    }
}

}  // namespace quantivex
