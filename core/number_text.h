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

// Plain rendering with up to 15 significant digits: 2.5, 0.0001, 1E-05, 1E+15.
std::u16string numberToText(double value);

}  // namespace quantivex
