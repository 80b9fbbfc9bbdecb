// Reading the values a script writes: numbers, counts and colours, for the
// parser that reads a script and the runner that compares with them.
#pragma once

#include <optional>
#include <string_view>

namespace quantivex::replay {

std::string_view trim(std::string_view s);
std::optional<double> number(std::string_view s);
std::optional<int> integer(std::string_view s);
std::optional<unsigned> colourValue(std::string_view s);  // &HBBGGRR or a decimal

}  // namespace quantivex::replay
