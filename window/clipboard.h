// What the person copies from the window: the equation as text.
#pragma once

namespace quantivex {

class Session;

// The equation as copy gives it ("5 kg/sec = 661.386 lb/min") to the
// clipboard, confirmed with a note beside the result; false while no units are set.
bool copyEquation(Session& session);

}  // namespace quantivex
