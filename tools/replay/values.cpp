#include "values.h"

#include <cmath>
#include <string>

#include "number_text.h"
#include "utf.h"

namespace quantivex::replay {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::optional<double> number(std::string_view s) {
    return parseNumberStrict(fromUtf8(trim(s)));
}

std::optional<int> integer(std::string_view s) {
    const auto v = number(s);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9) return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<unsigned> colourValue(std::string_view s) {
    s = trim(s);
    if (s.size() > 2 && (s.substr(0, 2) == "&H" || s.substr(0, 2) == "&h")) {
        const std::string hex(s.substr(2));
        if (hex.empty() || hex.size() > 8 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            return std::nullopt;
        }
        return static_cast<unsigned>(std::stoul(hex, nullptr, 16));
    }
    const auto v = integer(s);
    if (!v || *v < 0) return std::nullopt;
    return static_cast<unsigned>(*v);
}

}  // namespace quantivex::replay
