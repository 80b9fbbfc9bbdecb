#include "equation.h"

#include <algorithm>

#include "catalogue.h"
#include "form1_state.h"

namespace quantivex {

// "kg/sec", and "kg･m･m/(sec･sec)": a denominator of several units in
// brackets, so that the text reads one way only.
std::u16string EquationSide::units() const {
    if (denominator.empty()) return numerator;
    const bool several = std::any_of(denominator.begin(), denominator.end(), isUnitSeparator);
    return numerator + (several ? u"/(" + denominator + u")" : u"/" + denominator);
}

std::u16string EquationSide::text() const {
    return value + u" " + units();
}

std::u16string Equation::text() const {
    return left.text() + u" = " + right.text();
}

Equation readEquation(const Form1State& f) {
    return {f.Label2.Visible,
            {f.Label2.Caption.str(), f.Label3.Caption.str(), f.Label4.Caption.str(), f.LeftNumeratorDims,
             f.LeftDenominatorDims},
            {f.Label1.Caption.str(), f.Label5.Caption.str(), f.Label6.Caption.str(), f.RightNumeratorDims,
             f.RightDenominatorDims}};
}

namespace {

bool takesPicks(const Label& l) {
    return l.BackColor == kLightCyan || l.BackColor == kSkyBlue;
}

}  // namespace

Phase phaseOf(const Form1State& f) {
    if (!f.Label2.Visible) return f.DefaultValuePending == 1 ? Phase::Cleared : Phase::Start;
    if (takesPicks(f.Label5) || takesPicks(f.Label6)) return Phase::Converted;
    if (takesPicks(f.Label3) || takesPicks(f.Label4)) return Phase::UnitsEntry;
    return Phase::Other;  // a value edit colours the labels otherwise
}

bool sameRightSide(const Form1State& a, const Form1State& b) {
    return a.Label1.Caption == b.Label1.Caption && a.Label5.Caption == b.Label5.Caption &&
           a.Label6.Caption == b.Label6.Caption;
}

bool sameEquationShown(const Form1State& a, const Form1State& b) {
    return sameRightSide(a, b) && a.Label2.Caption == b.Label2.Caption && a.Label3.Caption == b.Label3.Caption &&
           a.Label4.Caption == b.Label4.Caption;
}

bool rightCopiesLeft(const Form1State& f) {
    return f.Label1.Caption == f.Label2.Caption && f.Label5.Caption == f.Label3.Caption &&
           f.Label6.Caption == f.Label4.Caption;
}

}  // namespace quantivex
