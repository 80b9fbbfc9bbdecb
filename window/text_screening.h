// What a box may take from the keyboard, a paste or an input method: nothing
// longer than a box holds, and no character that no keyboard types.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quantivex {

// The longest text a box takes. The widest equation any screen shows holds a
// few hundred characters (150 twips each), so no honest entry comes near it,
// while every check and redraw of a text this long stays instant.
inline constexpr std::size_t kMaxTypedLength = 1000;

// Why a typed text is refused (too long, or a control character, a lone
// surrogate or a direction override at a place a person can find), or nothing
// when a box may take it.
std::optional<std::u16string> refusalOfTypedText(std::u16string_view text);

// The same with where the fault is, in UTF-16 units.
struct TextRefusal {
    std::u16string why;
    std::size_t at = 0;
};
std::optional<TextRefusal> typedTextRefusal(std::u16string_view text);

}  // namespace quantivex
