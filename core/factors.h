// Conversion factors and the ratio between two units of one category.
#pragma once

#include <optional>
#include <string_view>

namespace quantivex {

// Factor of the unit at a 1-based index of a category: how many of that unit
// make one of the category's reference unit. Nothing for index 0, an index
// past the table or an unknown code.
std::optional<double> unitFactor(std::u16string_view code, int index);

// Factors[to] / Factors[from], the number of "to" units in one "from" unit.
// Nothing when either symbol is not a unit of the category: such a ratio is
// never guessed.
std::optional<double> unitRatio(std::u16string_view code, std::u16string_view from, std::u16string_view to);

}  // namespace quantivex
