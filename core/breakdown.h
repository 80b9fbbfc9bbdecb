// The factor breakdown: how the right side of the equation follows from the left,
// unit position by unit position, and the plain N-digit rendering of its figures.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "unit_change.h"

namespace quantivex {

// One position where the left and the right unit differ.
struct UnitStep {
    FractionSide side = FractionSide::Numerator;  // a numerator ratio multiplies, a denominator one divides
    std::size_t position = 0;                     // 0-based token position within its expression
    std::u16string from;                          // the left unit
    std::u16string to;                            // the right unit
    std::u16string_view category;                 // code of the category both belong to ("M")
    double fromFactor = 1;                        // table factors: how many of the unit make one reference unit
    double toFactor = 1;
    double ratio = 1;         // toFactor / fromFactor, the number of "to" units in one "from" unit
    double definedRatio = 1;  // the same number by the two units' definitions
};

enum class BreakdownStatus {
    Ok,
    NoUnits,           // both left expressions are empty: nothing is converted
    UnknownUnit,       // a token is not a unit of the catalogue (an empty one included)
    ShapesDiffer,      // a numerator or a denominator holds a different number of units on each side
    CategoriesDiffer,  // two paired units measure different things
    OutOfRange,        // the overall factor is beyond what a double holds
};

// Where the sides fail to pair, for the window to put into words.
struct BreakdownFault {
    bool left = true;                             // UnknownUnit: on which side
    FractionSide side = FractionSide::Numerator;  // the part of the fraction
    std::u16string unit{};                        // UnknownUnit: the token, or the whole expression for an empty one;
                                                  // CategoriesDiffer: the left unit
    std::u16string otherUnit{};                   // CategoriesDiffer: the right unit
    std::u16string_view category{};               // CategoriesDiffer: their category codes
    std::u16string_view otherCategory{};
};

struct Breakdown {
    BreakdownStatus status = BreakdownStatus::Ok;
    BreakdownFault fault;         // for UnknownUnit, ShapesDiffer and CategoriesDiffer
    std::vector<UnitStep> steps;  // numerator positions first, then denominator ones; empty unless Ok
    double factor = 1;            // right value = left value x factor; NaN unless Ok
    double definedFactor = 1;     // the same by the units' definitions instead of the tables; NaN unless Ok
};

// Pairs the tokens of each side's numerator and denominator by position (the
// right side is the left one with units replaced one at a time) and returns the
// ratio at every position that changed and the overall factor: the product of
// the numerator ratios over the product of the denominator ratios, by the tables
// and by the definitions. The first fault found, in the order of the statuses
// above, is the one reported.
Breakdown breakdownOf(std::u16string_view leftNumerator, std::u16string_view leftDenominator,
                      std::u16string_view rightNumerator, std::u16string_view rightDenominator);

// A value to `digits` significant digits (1 to 17) as printf's %G writes it:
// trailing zeros dropped, and scientific ("1.5E+20", "1E-05") when the rounded
// exponent is below -4 or at least `digits`. Independent of the process locale.
std::u16string significantText(double value, int digits);

}  // namespace quantivex
