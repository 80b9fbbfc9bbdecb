// The factors and the sizes by definition live with the units in the catalogue;
// this file turns indexes and symbols into them, and keeps the one list of the
// table figures that do not follow their definitions.
#include "factors.h"

#include "catalogue.h"
#include "catalogue_rows.h"

namespace quantivex {
namespace {

// Measured by tests/core/factors_test.cpp, which fails when a unit departs that
// is not here or one here departs by another amount.
constexpr TableDeparture kDepartures[] = {
    {u"L", u"in", -2.0e-6, "39370 in per km, where the inch gives 39370.0787"},
    {u"B", u"gal", 3.0e-5, "264.18 gal per m3, a gallon of 3.7853 l rather than 3.785411784 l"},
    {u"B", u"in3", -5.5e-6, "61023.41 in3 per m3, where the inch cubed gives 61023.7441"},
    {u"J", u"Btu", 4.9e-4, "3413.81 Btu per kWhr, a Btu of 1054.54 J rather than the International Table 1055.056 J"},
    {u"P", u"mH2O", 9.0e-4,
     "10.3416 mH2O per atm, a metre of water of 9797.8 Pa rather than the conventional 9806.65 Pa"},
};

constexpr bool departuresNameUnitsOfTheirCategory() {
    for (const TableDeparture& d : kDepartures) {
        bool found = false;
        for (const Category& c : catalogue_rows::kCategories) {
            if (c.code != d.code) continue;
            for (const Unit& u : c.units) found = found || u.symbol == d.symbol;
        }
        if (!found || d.why.empty()) return false;
    }
    return true;
}
static_assert(departuresNameUnitsOfTheirCategory(), "a departure names a unit that is not in its category");

const Unit* unitNamed(std::u16string_view code, std::u16string_view symbol) {
    return unitAt(code, unitIndex(code, symbol));
}

}  // namespace

std::optional<double> unitFactor(std::u16string_view code, int index) {
    const Unit* unit = unitAt(code, index);
    if (unit == nullptr) return std::nullopt;
    return unit->factor;
}

std::optional<double> unitRatio(std::u16string_view code, std::u16string_view from, std::u16string_view to) {
    const std::optional<double> fromFactor = unitFactor(code, unitIndex(code, from));
    const std::optional<double> toFactor = unitFactor(code, unitIndex(code, to));
    if (!fromFactor || !toFactor) return std::nullopt;
    return *toFactor / *fromFactor;
}

std::optional<double> unitDefinition(std::u16string_view code, std::u16string_view symbol) {
    const Unit* unit = unitNamed(code, symbol);
    if (unit == nullptr) return std::nullopt;
    return unit->si;
}

std::optional<double> definedRatio(std::u16string_view code, std::u16string_view from, std::u16string_view to) {
    const std::optional<double> fromSize = unitDefinition(code, from);
    const std::optional<double> toSize = unitDefinition(code, to);
    if (!fromSize || !toSize) return std::nullopt;
    return *fromSize / *toSize;
}

std::span<const TableDeparture> tableDepartures() {
    return kDepartures;
}

const TableDeparture* tableDeparture(std::u16string_view symbol) {
    for (const TableDeparture& d : kDepartures) {
        if (d.symbol == symbol) return &d;
    }
    return nullptr;
}

}  // namespace quantivex
