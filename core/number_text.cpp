// Parsing is done on an ASCII copy with std::from_chars, which is exact and
// ignores the process locale (Qt sets one; a comma decimal point must never
// sneak in).
#include "number_text.h"

#include "internal/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace quantivex {
namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The text without the blanks and tabs around it, which a strict read allows.
std::u16string_view withoutSurroundingBlanks(std::u16string_view text) {
    auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::size_t digitsAt(std::u16string_view text, std::size_t pos) {
    std::size_t n = 0;
    while (pos + n < text.size() && isDigit(text[pos + n])) ++n;
    return n;
}

// A number in ASCII as collected from a text: [-]digits[.digits][e[+-]digits].
struct CollectedNumber {
    std::string text;
    bool hasDigits = false;
};

// Rough decimal magnitude of a collected number, used only to tell an overflow
// from an underflow when from_chars reports the result out of range.
bool magnitudeIsLarge(const std::string& s) {
    long long leadingIntDigits = 0;
    long long leadingZerosAfterPoint = 0;
    std::size_t i = (!s.empty() && s[0] == '-') ? 1 : 0;
    bool seenNonZero = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (s[i] != '0') seenNonZero = true;
        if (seenNonZero) ++leadingIntDigits;
    }
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            if (s[i] != '0') seenNonZero = true;
            if (!seenNonZero) ++leadingZerosAfterPoint;
        }
    }
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            exponent = std::min<long long>(exponent * 10 + (s[i] - '0'), 1000000000LL);
        }
        if (negative) exponent = -exponent;
    }
    const long long magnitude = leadingIntDigits > 0 ? leadingIntDigits + exponent : exponent - leadingZerosAfterPoint;
    return magnitude > 0;
}

double convert(const std::string& s) {
    double value = 0;
    const char* first = s.data();
    const char* last = s.data() + s.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        const bool negative = !s.empty() && s[0] == '-';
        if (magnitudeIsLarge(s)) {
            return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
        }
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc{} || end != last) return 0;
    return value;
}

// Collects one number starting at `pos`; `skip` says which characters are
// ignored inside it. Returns the position after the last character used.
template <typename Skip>
std::size_t collectNumber(std::u16string_view text, std::size_t pos, Skip skip, CollectedNumber& out) {
    auto next = [&](std::size_t p) {
        while (p < text.size() && skip(text[p])) ++p;
        return p;
    };
    pos = next(pos);
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-') out.text += '-';
        pos = next(pos + 1);
    }
    while (pos < text.size() && isDigit(text[pos])) {
        out.text += static_cast<char>(text[pos]);
        out.hasDigits = true;
        pos = next(pos + 1);
    }
    if (pos < text.size() && text[pos] == u'.') {
        out.text += '.';
        pos = next(pos + 1);
        while (pos < text.size() && isDigit(text[pos])) {
            out.text += static_cast<char>(text[pos]);
            out.hasDigits = true;
            pos = next(pos + 1);
        }
    }
    if (out.hasDigits && pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        // The exponent counts only when at least one digit follows it.
        std::size_t p = next(pos + 1);
        std::string exponent = "e";
        if (p < text.size() && (text[p] == u'+' || text[p] == u'-')) {
            exponent += static_cast<char>(text[p]);
            p = next(p + 1);
        }
        bool expDigits = false;
        while (p < text.size() && isDigit(text[p])) {
            exponent += static_cast<char>(text[p]);
            expDigits = true;
            p = next(p + 1);
        }
        if (expDigits) {
            out.text += exponent;
            pos = p;
        }
    }
    return pos;
}

}  // namespace

double leadingNumber(std::u16string_view text) {
    CollectedNumber number;
    collectNumber(
        text, 0, [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }, number);
    if (!number.hasDigits) return 0;
    // from_chars wants a digit or point after the sign; "-.5" is fine, "." alone was excluded above.
    return convert(number.text);
}

std::optional<double> parseNumberStrict(std::u16string_view text) {
    const std::u16string_view body = withoutSurroundingBlanks(text);
    CollectedNumber number;
    const std::size_t used = collectNumber(
        body, 0, [](char16_t) { return false; }, number);
    if (!number.hasDigits || used != body.size()) return std::nullopt;
    const double value = convert(number.text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

bool withinNormalRange(double value) {
    return value == 0 || std::isnormal(value);
}

bool isTooSmallNumber(std::u16string_view text) {
    const auto value = parseNumberStrict(text);
    if (!value) return false;
    if (*value != 0) return !std::isnormal(*value);
    // Read as 0: written as zero only when every digit before the exponent is 0.
    const std::u16string_view mantissa = text.substr(0, text.find_first_of(u"eE"));
    return std::any_of(mantissa.begin(), mantissa.end(), [](char16_t c) { return c >= u'1' && c <= u'9'; });
}

bool isDigitGroupedNumber(std::u16string_view text) {
    const std::u16string_view s = withoutSurroundingBlanks(text);
    std::size_t i = (!s.empty() && (s[0] == u'+' || s[0] == u'-')) ? 1 : 0;
    const std::size_t first = digitsAt(s, i);
    // "0,5" is a decimal comma rather than a grouping.
    if (first == 0 || first > 3 || s[i] == u'0') return false;
    i += first;
    std::size_t groups = 0;
    for (; i < s.size() && s[i] == u','; i += 4, ++groups) {
        if (digitsAt(s, i + 1) != 3) return false;
    }
    if (groups == 0) return false;
    if (i < s.size() && s[i] == u'.') i += 1 + digitsAt(s, i + 1);
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        std::size_t p = i + 1;
        if (p < s.size() && (s[p] == u'+' || s[p] == u'-')) ++p;
        const std::size_t exponent = digitsAt(s, p);
        if (exponent == 0) return false;
        i = p + exponent;
    }
    return i == s.size();
}

DecimalDigits decimalDigits(double value, int significant) {
    DecimalDigits out;
    out.negative = std::signbit(value) && value != 0;
    const double magnitude = std::fabs(value);
    if (magnitude == 0 || !std::isfinite(magnitude)) {
        out.digits.assign(static_cast<std::size_t>(significant), '0');
        return out;
    }
    // Digits, point, "e-324": the precision plus a few characters.
    std::string buffer(static_cast<std::size_t>(std::max(significant, 1)) + 16, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, std::max(significant, 1) - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    out.digits.reserve(e);
    out.digits += text[0];
    if (e > 2) out.digits.append(text.substr(2, e - 2));  // the digits after "d."
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), out.exponent);
    return out;
}

std::u16string asciiToU16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::u16string numberToText(double value) {
    if (std::isnan(value)) return u"NaN";
    if (std::isinf(value)) return value > 0 ? u"Infinity" : u"-Infinity";
    if (value == 0) return u"0";  // -0 as well: the window has always shown it as 0
    // Fifteen digits of a value at the very top of the range round beyond the
    // largest double, and the text would read back as infinity; at the very
    // bottom of the normal range they round below it, and the text would read
    // back as a subnormal. There, take the seventeen digits that always read back.
    const double magnitude = std::fabs(value);
    const bool atAnEdge = magnitude > 1.79769313486231e308 ||
                          (magnitude >= std::numeric_limits<double>::min() && magnitude < 2.22507385850721e-308);
    const int significant = atAnEdge ? 17 : 15;
    // General format is printf's %G: fixed notation for exponents -5 to 14,
    // trailing zeros dropped, at least two exponent digits.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significant);
    std::u16string out(buffer, result.ptr);
    for (char16_t& c : out) {
        if (c == u'e') c = u'E';
    }
    return out;
}

}  // namespace quantivex
