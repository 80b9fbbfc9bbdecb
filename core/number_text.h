// Numbers to and from the window's texts: the lenient leading-number read, the
// strict conversion, and the plain 15-digit rendering.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quantivex {

// Reads the number at the start of a text: blanks, tabs and line feeds anywhere
// are skipped, then an optional sign, digits with an optional point and
// fraction, and an optional exponent. Reading stops at the first other
// character; a text without digits reads as 0. A number too large for a double
// reads as an infinity of its sign, so callers can refuse it.
double leadingNumber(std::u16string_view text);

// Converts a whole text to a number: surrounding blanks and tabs are allowed,
// anything else that is not part of one number makes it fail, as does a number
// beyond the double range.
std::optional<double> parseNumberStrict(std::u16string_view text);

// Whether a value is one the window computes with: zero, or a finite double of
// at least the smallest normal magnitude. Below that a double keeps fewer
// significant bits, and a conversion through it loses digits.
bool withinNormalRange(double value);

// Whether a text is a number that is not zero but smaller in magnitude than the
// smallest normal double: a subnormal, or one so small that it reads as 0
// ("1e-400"). Zero written as zero ("0", "-0", "0.0e-999") is not.
bool isTooSmallNumber(std::u16string_view text);

// Whether a text is a number written with digit-group commas, as a person
// writes a large amount: "1,000", "-12,345.5", "1,000,000e3". The first group
// has one to three digits and no leading zero, every later group three; a
// fraction and an exponent may follow. "1,2", "12,34" and "0,5" are no grouping.
bool isDigitGroupedNumber(std::u16string_view text);

// Plain rendering with up to 15 significant digits: 2.5, 0.0001, 1E-05, 1E+15.
std::u16string numberToText(double value);

}  // namespace quantivex
