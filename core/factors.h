// Conversion factors and the ratio between two units of one category, by the
// window's tables and by the units' definitions, and where the two part.
#pragma once

#include <optional>
#include <span>
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

// The unit's size by its definition in the category's SI unit (kg, m, m2, m3,
// s, N, J, Pa). Nothing when the symbol is not a unit of the category.
std::optional<double> unitDefinition(std::u16string_view code, std::u16string_view symbol);

// The number of "to" units in one "from" unit by their definitions: SI(from) /
// SI(to). Nothing when either symbol is not a unit of the category.
std::optional<double> definedRatio(std::u16string_view code, std::u16string_view from, std::u16string_view to);

// A unit whose table factor lies further from its definition than the digits
// the table prints: the window keeps the table's figure, and says so.
struct TableDeparture {
    std::u16string_view code;    // its category
    std::u16string_view symbol;  // the unit
    double relative;             // table factor / factor by definition - 1, to two significant digits
    std::string_view why;        // what the table's figure amounts to
};

// Every such unit, in catalogue order.
std::span<const TableDeparture> tableDepartures();

// The departure of this unit, or nullptr when its table factor follows its definition.
const TableDeparture* tableDeparture(std::u16string_view symbol);

}  // namespace quantivex
