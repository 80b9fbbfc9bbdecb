// The factor breakdown of the equation the window shows: each unit that the
// right side changed with its ratio and the two table factors, the overall
// factor, the result in one step by the tables and by the units' definitions
// beside the value the window shows, and the table figures that depart from
// their definitions.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "equation.h"

namespace quantivex {

struct BreakdownReport {
    bool paired = false;                // the two sides pair unit for unit
    std::u16string reason;              // why they do not, or why there is no result
    std::vector<std::u16string> steps;  // "kg → lb × 2.20462 (2204.62 ÷ 1000)"
    double factor = 0;                  // from the left units to the right units, by the tables
    double definedFactor = 0;           // the same by the units' definitions
    std::optional<double> exact;        // the left value times the table factor, in one step
    std::optional<double> defined;      // the left value times the factor by definition
    std::u16string shown;               // the right value as the window shows it
    std::optional<double> shownApart;   // shown / defined - 1, when the shown text is a number
    bool roundedApart = false;          // the shown value differs from the one-step one beyond its digits
    // "mH2O: 表では 1 atm = 10.3416 mH2O、定義では 10.3323 mH2O" for each unit of
    // the steps whose table figure departs from its definition.
    std::vector<std::u16string> departures;
    std::u16string equation;  // the equation explained, as copy writes it
    bool editing = false;     // a box is open: what it holds is not in the equation yet

    // The whole report as the breakdown window shows it, a line a fact.
    std::u16string text() const;
    // What its コピー copies: the equation, then the report.
    std::u16string copyText() const;
};

// The breakdown of the equation as last committed; `editing` says a box is
// open, whose text the equation does not hold yet.
BreakdownReport breakdownReport(const Equation& committed, bool editing = false);

class Session;
// The breakdown the person sees: of the window as last committed, saying so
// while a box is open.
BreakdownReport breakdownReport(const Session& session);

}  // namespace quantivex
