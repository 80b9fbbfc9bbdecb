// The ratios come straight from the table factors, never from the rounded values
// the window shows, so the overall factor carries none of the rounding the
// window's step-by-step result picks up, and the two can be compared; beside
// them the same product by the units' definitions shows what the tables' own
// rounding costs.
#include "breakdown.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "catalogue.h"
#include "factors.h"

namespace quantivex {
namespace {

// A product of many ratios that cannot overflow or underflow on the way: the
// binary exponent is kept apart, and scaling by a power of two is exact, so the
// result rounds as the plain product would wherever that one stays in range.
struct ScaledProduct {
    double mantissa = 1;
    long long exponent = 0;

    void times(double x) {
        int e = 0;
        mantissa = std::frexp(mantissa * x, &e);
        exponent += e;
    }
};

double quotient(const ScaledProduct& n, const ScaledProduct& d) {
    // Beyond +-4000 the result is infinite or zero anyway; the clamp only keeps it an int.
    const long long e = std::clamp(n.exponent - d.exponent, -4000LL, 4000LL);
    return std::ldexp(n.mantissa / d.mantissa, static_cast<int>(e));
}

struct Expression {
    std::u16string_view text;
    bool left;
    FractionSide side;
    std::vector<std::u16string> tokens;
};

Breakdown refused(BreakdownStatus status, BreakdownFault fault = {}) {
    Breakdown b;
    b.status = status;
    b.fault = std::move(fault);
    b.factor = std::numeric_limits<double>::quiet_NaN();
    b.definedFactor = b.factor;
    return b;
}

// The first token that is not a unit. An empty token (a doubled or trailing
// separator) is named through the whole expression: empty quotes say nothing.
std::optional<std::u16string> unknownToken(const Expression& e) {
    for (const std::u16string& token : e.tokens) {
        if (token.empty()) return std::u16string(e.text);
        if (categoryOfSymbol(token).empty()) return token;
    }
    return std::nullopt;
}

double factorOf(std::u16string_view category, std::u16string_view symbol) {
    // Both were found in the catalogue before, so the factor exists.
    return unitFactor(category, unitIndex(category, symbol)).value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

Breakdown breakdownOf(std::u16string_view leftNumerator, std::u16string_view leftDenominator,
                      std::u16string_view rightNumerator, std::u16string_view rightDenominator) {
    if (leftNumerator.empty() && leftDenominator.empty()) {
        return refused(BreakdownStatus::NoUnits);
    }
    const Expression all[] = {
        {leftNumerator, true, FractionSide::Numerator, splitUnits(leftNumerator)},
        {leftDenominator, true, FractionSide::Denominator, splitUnits(leftDenominator)},
        {rightNumerator, false, FractionSide::Numerator, splitUnits(rightNumerator)},
        {rightDenominator, false, FractionSide::Denominator, splitUnits(rightDenominator)},
    };
    for (const Expression& e : all) {
        if (auto token = unknownToken(e)) {
            return refused(BreakdownStatus::UnknownUnit, {.left = e.left, .side = e.side, .unit = std::move(*token)});
        }
    }
    // Left and right of one part of the fraction, numerator first.
    const std::pair<const Expression&, const Expression&> parts[] = {{all[0], all[2]}, {all[1], all[3]}};
    for (const auto& [left, right] : parts) {
        if (left.tokens.size() != right.tokens.size()) {
            return refused(BreakdownStatus::ShapesDiffer, {.side = left.side});
        }
    }

    Breakdown b;
    ScaledProduct numerator;
    ScaledProduct denominator;
    ScaledProduct definedNumerator;
    ScaledProduct definedDenominator;
    for (const auto& [left, right] : parts) {
        for (std::size_t i = 0; i < left.tokens.size(); ++i) {
            const std::u16string& from = left.tokens[i];
            const std::u16string& to = right.tokens[i];
            const std::u16string_view category = categoryOfSymbol(from);
            const std::u16string_view toCategory = categoryOfSymbol(to);
            if (category != toCategory) {
                return refused(BreakdownStatus::CategoriesDiffer, {.side = left.side,
                                                                   .unit = from,
                                                                   .otherUnit = to,
                                                                   .category = category,
                                                                   .otherCategory = toCategory});
            }
            if (from == to) continue;
            UnitStep step{left.side, i, from, to, category, factorOf(category, from), factorOf(category, to), 0, 0};
            step.ratio = step.toFactor / step.fromFactor;
            step.definedRatio = definedRatio(category, from, to).value_or(std::numeric_limits<double>::quiet_NaN());
            const bool above = left.side == FractionSide::Numerator;
            (above ? numerator : denominator).times(step.ratio);
            (above ? definedNumerator : definedDenominator).times(step.definedRatio);
            b.steps.push_back(std::move(step));
        }
    }
    b.factor = quotient(numerator, denominator);
    b.definedFactor = quotient(definedNumerator, definedDenominator);
    // Either one out of range refuses both: they are only read side by side.
    if (!std::isnormal(b.factor) || !std::isnormal(b.definedFactor)) {
        return refused(BreakdownStatus::OutOfRange);
    }
    return b;
}

std::u16string significantText(double value, int digits) {
    if (std::isnan(value)) return u"NaN";
    if (std::isinf(value)) return value > 0 ? u"Infinity" : u"-Infinity";
    if (value == 0) return u"0";  // never "-0"
    // to_chars in general form with a precision is %g to the letter, and exact.
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, std::clamp(digits, 1, 17));
    std::u16string out(buffer, result.ptr);
    std::replace(out.begin(), out.end(), u'e', u'E');
    return out;
}

}  // namespace quantivex
