// What holds of the window after any input, for the event storm and the window
// fuzzer alike: each returns the first broken rule in words, so the storm can
// print it and the fuzzer abort on it.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "catalogue.h"
#include "equation.h"
#include "form1_state.h"
#include "form1_table.h"
#include "number_text.h"
#include "utf.h"

namespace quantivex {

namespace invariants {

inline std::string quoted(const std::u16string& text) {
    return "\"" + toUtf8(text) + "\"";
}

}  // namespace invariants

// The first rule of the window that does not hold, or nothing:
// - the category buttons of one side only show at a time, never both rows;
// - a committed unit expression on the left has one dimension code per token
//   (a part whose edit is open is not committed yet);
// - the right value, when it reads as a number, is a finite one.
inline std::optional<std::string> brokenWindowInvariant(const Form1State& form) {
    using namespace invariants;
    const ControlRow* shown[3] = {};  // a visible category button per side
    for (const ControlRow* row : rowsWithRole(Role::CategoryButton)) {
        if (controlOf(form, *row).Visible) shown[static_cast<int>(row->side)] = row;
    }
    if (shown[static_cast<int>(Side::Left)] != nullptr && shown[static_cast<int>(Side::Right)] != nullptr) {
        return "both rows of category buttons are visible (" + std::string(shown[static_cast<int>(Side::Left)]->name) +
               " and " + std::string(shown[static_cast<int>(Side::Right)]->name) + ")";
    }
    const Equation equation = readEquation(form);
    for (const ControlRow* box : rowsWithRole(Role::EditBox)) {
        if (box->place == Place::Value || editOpen(form, *box)) continue;
        const bool numerator = box->place == Place::Numerator;
        const std::u16string& units = numerator ? equation.left.numerator : equation.left.denominator;
        const std::u16string& dims = numerator ? equation.left.numeratorDims : equation.left.denominatorDims;
        const std::size_t tokens = splitUnits(units).size();
        if (dims.size() != tokens) {
            return "the left units " + quoted(units) + " have " + std::to_string(tokens) +
                   " tokens but the dimension string " + quoted(dims) + " has " + std::to_string(dims.size());
        }
    }
    const std::u16string& right = equation.right.value;
    if (const auto value = parseNumberStrict(right); value && !std::isfinite(*value)) {
        return "the right value " + quoted(right) + " is no finite number";
    }
    // Below the smallest normal double a value has lost digits, and so would every
    // conversion through it.
    if (const auto value = parseNumberStrict(right);
        value && *value != 0 && std::fabs(*value) < std::numeric_limits<double>::min()) {
        return "the right value " + quoted(right) + " is a subnormal";
    }
    return std::nullopt;
}

}  // namespace quantivex
