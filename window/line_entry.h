// 式の入力: one typed line ("5 kg/s lb/min") that builds the equation through
// the window's own events, as a person's picks would, in one undoable step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quantivex {

class Session;

// A line the window does not take: why, and where the caret goes.
struct LineRefusal {
    std::u16string text;
    std::size_t caret = 0;
};

// How the line reads, in the catalogue's own symbols ("5 kg/sec → lb/min"), or
// nothing while it does not read.
std::u16string lineReading(std::u16string_view text);

// Runs the line through the session as one step: clear where an equation
// stands, set units, the left units, the value, convert, then each right unit
// that the line changes. A line that does not read changes nothing: it beeps,
// a hint beside the line says why, and the refusal comes back.
std::optional<LineRefusal> enterLine(Session& session, std::u16string_view text);

}  // namespace quantivex
