// What the left value box takes, shared by the box and 式の入力: a value is
// refused when it is no number or too small to convert through, with a hint
// that says which.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quantivex {

// A typed text as a message quotes it: a long paste is cut to its start.
inline std::u16string shortened(std::u16string_view text) {
    constexpr std::size_t kShown = 40;
    return text.size() <= kShown ? std::u16string(text) : std::u16string(text.substr(0, kShown)) + u"…";
}

// Why a typed value is refused, or nothing when it is taken. The empty text is
// taken: it stands for 0, which the box then makes 1.
std::optional<std::u16string> valueRefusal(std::u16string_view typed);

// The hint when a typed 0 becomes 1, where nothing could be scaled from it.
inline constexpr std::u16string_view kZeroBecameOne = u"0 では計算できないため 1 にしました";

}  // namespace quantivex
