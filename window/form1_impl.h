// Shared by the files that define Form1's members: the error trap, the message
// title and style, and the window's data per category.
#pragma once

#include <variant>

#include "form1.h"
#include "number_text.h"
#include "value_text.h"

namespace quantivex {

inline const std::u16string kMessageTitle = u"メッセージ";
inline constexpr int kErrorBoxStyle = 62;  // exclamation icon (48) and button code 14

// Runs a handler body; a run-time failure skips the rest of it and shows the
// error box. Nothing is undone: the state is what the completed steps left.
template <typename Body>
void Form1::withErrorTrap(Body&& body) {
    try {
        body();
    } catch (const RuntimeFailure&) {
        showErrorBox();
    }
}

// Beside the error box of an OutOfRange, what the error box does not say.
inline const std::u16string kOutOfRangeHint = u"結果が扱える範囲（約 2.2e-308 〜 1.8e+308）を超えます";

// A double the window may show; anything else is a run-time failure. A
// subnormal result would carry its lost digits into every conversion after it.
inline double checkedResult(double value) {
    if (!withinNormalRange(value)) throw OutOfRange();
    return value;
}

constexpr FractionSide opposite(FractionSide side) {
    return side == FractionSide::Numerator ? FractionSide::Denominator : FractionSide::Numerator;
}

// An index variable of the register; two of them are 16-bit.
using IndexVariable = std::variant<int32_t Form1Trace::*, int16_t Form1Trace::*>;

// What the window keeps per category, in catalogue order.
// Its buttons are the table's category buttons of its code.
struct CategoryRow {
    char16_t code;
    Menu Form1State::*menu;
    double leftRowOffset;    // left edge of the left-row button from the window's centre
    std::size_t placedFlag;  // its RightButtonPlaced index: pressure (7) comes before heat (8)
    void (Form1::*factorProcedure)();
    IndexVariable fromIndex;
    IndexVariable toIndex;
};

}  // namespace quantivex
