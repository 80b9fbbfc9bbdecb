// UTF-8 <-> UTF-16 for the edges of the window layer: replay scripts, the
// terminal, the event storm (the Qt front-end uses Qt's own conversions).
// Invalid input never fails: each broken sequence becomes one U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace quantivex {

std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace quantivex
