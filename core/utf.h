// UTF-8 <-> UTF-16 for the edges of the program (scripts, the terminal, Qt's own
// conversions are used inside the Qt front-end). Invalid input never fails: it
// becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace quantivex {

std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace quantivex
