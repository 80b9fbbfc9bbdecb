// The equation as the window shows it, read in one place: both values, both
// fractions' unit expressions and their dimension strings. Copy, the breakdown,
// the history and the checks all take it from here.
#pragma once

#include <string>

namespace quantivex {

struct Form1State;

// One side of the equation: a value over a fraction of unit products.
struct EquationSide {
    std::u16string value;  // as shown: "661.386"
    std::u16string numerator;
    std::u16string denominator;
    std::u16string numeratorDims;  // one category code per unit: "M"
    std::u16string denominatorDims;

    // "lb/min", "kg" with no denominator, "kg/(sec･sec)" with several.
    std::u16string units() const;
    // "661.386 lb/min"
    std::u16string text() const;
    bool operator==(const EquationSide&) const = default;
};

struct Equation {
    bool shown = false;  // the equation's labels show: set units since the last clear
    EquationSide left;
    EquationSide right;

    // The left side has units, so there is something converted.
    bool hasUnits() const { return !left.numeratorDims.empty() || !left.denominatorDims.empty(); }
    // Shown with units: what copy and the history take.
    bool complete() const { return shown && hasUnits(); }
    // "5 kg/sec = 661.386 lb/min"
    std::u16string text() const;
    bool operator==(const Equation&) const = default;
};

Equation readEquation(const Form1State& form);

// Where the workflow stands, as the eye tells it: the equation hidden at start
// or after clear, its left units taking picks, or its right ones.
enum class Phase { Start, Cleared, UnitsEntry, Converted, Other };
Phase phaseOf(const Form1State& form);

// Comparisons of what two windows show, without reading either into text
// (each step compares two):
// both values and all four unit expressions alike;
bool sameEquationShown(const Form1State& a, const Form1State& b);
// the right value and units alike;
bool sameRightSide(const Form1State& a, const Form1State& b);
// the right side the left one unconverted.
bool rightCopiesLeft(const Form1State& form);

}  // namespace quantivex
