// Digit helpers shared by the core's formatters (number_text.cpp,
// result_format.cpp). Not part of the core's interface: only the core's own
// .cpp files include this.
#pragma once

#include <string>
#include <string_view>

namespace quantivex {

// Decimal digits of |value| rounded to `significant` digits, as d.ddd x 10^exponent.
struct DecimalDigits {
    std::string digits;  // exactly `significant` digits, the first non-zero unless value is 0
    int exponent = 0;
    bool negative = false;
};
DecimalDigits decimalDigits(double value, int significant);

std::u16string asciiToU16(std::string_view ascii);

}  // namespace quantivex
