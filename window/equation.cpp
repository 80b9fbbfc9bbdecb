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

}  // namespace quantivex
