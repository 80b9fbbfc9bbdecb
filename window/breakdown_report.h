// The factor breakdown of the equation the window shows: each unit that the
// right side changed with its ratio and the two table factors, the overall
// factor, and the exact result beside the value the window shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form1_state.h"

namespace quantivex {

struct BreakdownReport {
    bool paired = false;                // the two sides pair unit for unit
    std::u16string reason;              // why they do not, or why there is no exact result
    std::vector<std::u16string> steps;  // "kg → lb × 2.20462 (2204.62 ÷ 1000)"
    double factor = 0;                  // from the left units to the right units
    std::optional<double> exact;        // the left value times the factor, in one step
    std::u16string shown;               // the right value as the window shows it
    bool roundedApart = false;          // the shown value differs from the exact one beyond its digits

    // The whole report as the breakdown window shows it, a line a fact.
    std::u16string text() const;
};

BreakdownReport breakdownReport(const Form1State& form);

}  // namespace quantivex
