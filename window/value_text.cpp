#include "value_text.h"

#include "number_text.h"

namespace quantivex {

std::optional<std::u16string> valueRefusal(std::u16string_view typed) {
    if (typed.empty()) return std::nullopt;
    // A subnormal would carry its lost digits into every conversion after it,
    // and one that reads as 0 would become 1, a value nobody typed.
    if (isTooSmallNumber(typed)) return u"値が小さすぎて扱えません（絶対値 2.2e-308 未満）";
    if (parseNumberStrict(typed)) return std::nullopt;
    std::u16string why = u"数値ではありません「" + shortened(typed) + u"」";
    if (isDigitGroupedNumber(typed)) why += u"（桁区切りの「,」は使えません）";
    return why;
}

}  // namespace quantivex
