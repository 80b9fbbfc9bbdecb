#include "result_format.h"

#include <cmath>
#include <utility>

#include "internal/decimal_digits.h"
#include "number_text.h"

namespace quantivex {
namespace {

// Digits of |value| rounded half away from zero to `keep` significant digits.
// Correctly rounded digits well past the cut decide the rounding; only when they
// cannot (a five followed by zeros, or a four followed by nines) are the exact
// digits fetched, so ties are found exactly without paying for it every time.
constexpr int kProbe = 40;

// The same, from the value's first kProbe digits already at hand.
DecimalDigits roundHalfAway(double value, int keep, DecimalDigits d) {
    constexpr int kExact = 780;  // enough for the exact expansion of any double
    auto ambiguous = [&](const DecimalDigits& probe) {
        if (keep >= kProbe) return false;
        const std::string tail = probe.digits.substr(static_cast<std::size_t>(keep) + 1);
        const char cut = probe.digits[static_cast<std::size_t>(keep)];
        if (cut == '5') return tail.find_first_not_of('0') == std::string::npos;
        if (cut == '4') return tail.find_first_not_of('9') == std::string::npos;
        return false;
    };
    if (keep >= 0 && ambiguous(d)) d = decimalDigits(value, kExact);

    DecimalDigits out;
    out.negative = d.negative;
    out.exponent = d.exponent;
    if (keep <= 0) {
        // Nothing survives but a possible carry into the next place up.
        const bool up = keep == 0 && d.digits[0] >= '5';
        out.digits = up ? "1" : "0";
        out.exponent = up ? d.exponent + 1 : d.exponent;
        return out;
    }
    out.digits = d.digits.substr(0, static_cast<std::size_t>(keep));
    if (out.digits.size() < static_cast<std::size_t>(keep)) out.digits.append(keep - out.digits.size(), '0');
    if (static_cast<std::size_t>(keep) < d.digits.size() && d.digits[static_cast<std::size_t>(keep)] >= '5') {
        int i = keep - 1;
        while (i >= 0 && out.digits[static_cast<std::size_t>(i)] == '9')
            out.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++out.digits[static_cast<std::size_t>(i)];
        } else {
            out.digits.insert(out.digits.begin(), '1');
            out.digits.pop_back();
            ++out.exponent;
        }
    }
    return out;
}

DecimalDigits roundHalfAway(double value, int keep) {
    return roundHalfAway(value, keep, decimalDigits(value, kProbe));
}

std::string trimZeros(std::string s) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    return s;
}

std::string scientific(double value) {
    const DecimalDigits d = roundHalfAway(value, 7);
    const bool zero = value == 0;
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    out += '.';
    out += trimZeros(d.digits.substr(1));
    const int e = zero ? 0 : d.exponent;
    out += e < 0 ? "e-" : "e+";
    if (std::abs(e) < 10) out += '0';
    out += std::to_string(std::abs(e));
    return out;
}

std::string fixed(double value, int fractionDigits, bool zeroBeforePoint) {
    std::string units;  // the value in units of the last place, as decimal digits
    if (value != 0) {
        // The exponent of the value itself; rounding to a single digit could bump it.
        DecimalDigits probe = decimalDigits(value, kProbe);
        const int keep = probe.exponent + 1 + fractionDigits;
        const DecimalDigits d = roundHalfAway(value, keep, std::move(probe));
        // d is digits x 10^(exponent - size + 1); bring it to units of 10^-fractionDigits.
        const int shift = d.exponent - static_cast<int>(d.digits.size()) + 1 + fractionDigits;
        units = d.digits == "0" ? "0" : d.digits + std::string(static_cast<std::size_t>(std::max(shift, 0)), '0');
    } else {
        units = "0";
    }
    if (units.size() <= static_cast<std::size_t>(fractionDigits)) {
        units.insert(0, static_cast<std::size_t>(fractionDigits) + 1 - units.size(), '0');
    }
    std::string integer = units.substr(0, units.size() - static_cast<std::size_t>(fractionDigits));
    const std::string fraction = trimZeros(units.substr(integer.size()));
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "" : integer.substr(firstNonZero);
    if (integer.empty() && zeroBeforePoint) integer = "0";
    const bool shownNonZero = units.find_first_not_of('0') != std::string::npos;
    return (value < 0 && shownNonZero ? "-" : "") + integer + "." + fraction;
}

}  // namespace

ResultPattern chooseResultPattern(double value) {
    if (value > 1000 || value < 0.001) return ResultPattern::Scientific;
    if (value > 0 && value < 1) return ResultPattern::Fraction;
    if (std::fabs(value) > 10) return ResultPattern::Hundreds;
    return ResultPattern::Units;
}

std::u16string formatWithPattern(double value, ResultPattern pattern) {
    if (!std::isfinite(value)) return numberToText(value);
    switch (pattern) {
        case ResultPattern::Scientific:
            return asciiToU16(scientific(value));
        case ResultPattern::Fraction:
            return asciiToU16(fixed(value, 5, true));
        case ResultPattern::Hundreds:
            return asciiToU16(fixed(value, 4, false));
        case ResultPattern::Units:
            return asciiToU16(fixed(value, 5, false));
    }
    return numberToText(value);
}

std::u16string formatResult(double value) {
    return formatWithPattern(value, chooseResultPattern(value));
}

}  // namespace quantivex
