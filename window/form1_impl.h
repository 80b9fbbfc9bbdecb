// Shared by the files that define Form1's members: constants of the window's
// geometry and the error trap.
#pragma once

#include <cmath>

#include "form1.h"

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

// A double the window may show; anything else is a run-time failure.
inline double checkedResult(double value) {
    if (!std::isfinite(value)) throw RuntimeFailure("result outside the double range");
    return value;
}

}  // namespace quantivex
