#include "equation.h"

#include "form1_state.h"

namespace quantivex {

std::u16string EquationSide::units() const {
    if (denominator.empty()) return numerator;
    return numerator + u"/" + denominator;
}

std::u16string EquationSide::text() const {
    return value + u" " + units();
}

std::u16string Equation::text() const {
    return left.text() + u" = " + right.text();
}

Equation readEquation(const Form1State& f) {
    return {f.Label2.Visible,
            {f.Label2.Caption, f.Label3.Caption, f.Label4.Caption, f.LeftNumeratorDims, f.LeftDenominatorDims},
            {f.Label1.Caption, f.Label5.Caption, f.Label6.Caption, f.RightNumeratorDims, f.RightDenominatorDims}};
}

}  // namespace quantivex
