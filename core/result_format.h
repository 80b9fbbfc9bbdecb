// The display format chain: how a newly computed right-hand value is shown.
#pragma once

#include <string>

namespace quantivex {

// The number patterns the chain chooses from.
enum class ResultPattern {
    Scientific,  // "#.######e+00"
    Fraction,    // "0.#####"
    Hundreds,    // "####.####"
    Units,       // "##.#####"
};

// The pattern for a value: above 1000, below 0.001 (zero and negatives too)
// scientific; below 1 with a leading zero; up to 1000 with four decimals; else five.
ResultPattern chooseResultPattern(double value);

// A value written with one of the patterns: fraction digits rounded half away
// from zero, trailing zeros dropped, the point always shown ("100.", "1.e+04").
std::u16string formatWithPattern(double value, ResultPattern pattern);

// formatWithPattern(value, chooseResultPattern(value)). A value that is not
// finite has no pattern; it is written as "NaN" or "Infinity" so the text is
// never empty, but the window refuses such values before showing them.
std::u16string formatResult(double value);

}  // namespace quantivex
