// What the person copies from the window: the equation as text, or the right
// value alone.
#pragma once

namespace quantivex {

class Session;

// The equation as copy gives it ("5 kg/sec = 661.386 lb/min") to the
// clipboard, confirmed with a note beside the result; false while no units are set.
bool copyEquation(Session& session);

// The right value as shown ("661.386"), confirmed the same way; false while
// there is none.
bool copyNumber(Session& session);

}  // namespace quantivex
