// What holds of the window after any input, for the event storm and the window
// fuzzer alike: each returns the first broken rule in words, so the storm can
// print it and the fuzzer abort on it.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "catalogue.h"
#include "form1_state.h"
#include "form1_table.h"
#include "number_text.h"
#include "utf.h"

namespace quantivex {

namespace invariants {

inline const Label& labelOf(const Form1State& form, const ControlRow& row) {
    return static_cast<const Label&>(controlOf(form, row));
}

inline std::string quoted(const std::u16string& text) {
    return "\"" + toUtf8(text) + "\"";
}

// The dimension string of the part a unit box edits; the value box has none.
inline const std::u16string* dimsOf(const Form1State& form, const ControlRow& box) {
    switch (box.place) {
        case Place::Numerator:
            return &form.LeftNumeratorDims;
        case Place::Denominator:
            return &form.LeftDenominatorDims;
        default:
            return nullptr;
    }
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
    for (const ControlRow* box : rowsWithRole(Role::EditBox)) {
        const std::u16string* dims = dimsOf(form, *box);
        if (dims == nullptr || editOpen(form, *box)) continue;
        const std::u16string& units = (form.*box->edits).Caption;
        const std::size_t tokens = splitUnits(units).size();
        if (dims->size() != tokens) {
            return "the left units " + quoted(units) + " have " + std::to_string(tokens) +
                   " tokens but the dimension string " + quoted(*dims) + " has " + std::to_string(dims->size());
        }
    }
    const Label& right = labelOf(form, *equationPartRow(Side::Right, Place::Value));
    if (const auto value = parseNumberStrict(right.Caption); value && !std::isfinite(*value)) {
        return "the right value " + quoted(right.Caption) + " is no finite number";
    }
    // Below the smallest normal double a value has lost digits, and so would every
    // conversion through it.
    if (const auto value = parseNumberStrict(right.Caption);
        value && *value != 0 && std::fabs(*value) < std::numeric_limits<double>::min()) {
        return "the right value " + quoted(right.Caption) + " is a subnormal";
    }
    return std::nullopt;
}

}  // namespace quantivex
