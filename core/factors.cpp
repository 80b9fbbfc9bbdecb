// The factors themselves live with the units in the catalogue; this file turns
// indexes and symbols into them.
#include "factors.h"

#include "catalogue.h"

namespace quantivex {

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

}  // namespace quantivex
