// An equation built the way a person builds it, through the window's own
// events: clear where one stands, set units, the left units, the value,
// convert, then the right units that differ. 式の入力 and the swap of the sides
// build theirs this way, inside a compound step of their own.
#pragma once

#include <string>

#include "typed_line.h"

namespace quantivex {

class Session;

// Builds `value left = target`, `target` being `left` with some units changed
// place for place. False where the window refused a step (a result out of
// range), which it has already said; the building stops there.
bool buildByPicks(Session& session, const std::u16string& value, const UnitFraction& left, const UnitFraction& target);

}  // namespace quantivex
