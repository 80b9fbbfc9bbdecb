// 左右を入れ替え: the right side becomes the left and the left the right, as
// one step built through the window's own events.
#pragma once

namespace quantivex {

class Session;

// In the convert phase, with both sides complete and no box or menu open.
bool canSwapSides(const Session& session);

// "5 kg/sec = 661.386 lb/min" becomes "661.386 lb/min = 5 kg/sec": the window
// as if 661.386 lb/min had been built on the left by picks and kg and sec
// then picked on the right, but for the right value, which is the old left
// value exactly as shown. Elsewhere nothing changes: a beep and a hint.
bool swapSides(Session& session);

}  // namespace quantivex
