#include "text_screening.h"

#include <string>
#include <utility>

namespace quantivex {
namespace {

// "1,000": counts in messages read more easily grouped.
std::u16string grouped(std::size_t n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
    return std::u16string(digits.begin(), digits.end());
}

std::u16string_view kindOfForbidden(char32_t c) {
    if (c >= 0xD800 && c <= 0xDFFF) return u"壊れた文字";
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return u"制御文字";
    if (c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF) {
        return u"書式制御文字";
    }
    return {};
}

}  // namespace

std::optional<std::u16string> refusalOfTypedText(std::u16string_view text) {
    if (auto refusal = typedTextRefusal(text)) return std::move(refusal->why);
    return std::nullopt;
}

std::optional<TextRefusal> typedTextRefusal(std::u16string_view text) {
    if (text.size() > kMaxTypedLength) {
        return TextRefusal{
            u"長すぎて入力できません（" + grouped(text.size()) + u" 文字。" + grouped(kMaxTypedLength) + u" 文字まで）",
            kMaxTypedLength};
    }
    std::size_t position = 0;  // in characters as a person counts them
    for (std::size_t i = 0; i < text.size(); ++i) {
        ++position;
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;  // a whole pair is one character
            continue;
        }
        const std::u16string_view kind = kindOfForbidden(c);
        if (!kind.empty()) {
            return TextRefusal{
                grouped(position) + u" 文字目に入力できない文字（" + std::u16string(kind) + u"）があります", i};
        }
    }
    return std::nullopt;
}

}  // namespace quantivex
