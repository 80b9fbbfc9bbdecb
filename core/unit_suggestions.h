// Known unit symbols near a token that is not a unit, offered with the refusal
// of an unknown unit ("候補: kg"). A suggestion never replaces what was typed.
#pragma once

#include <string_view>
#include <vector>

namespace quantivex {

// Up to three catalogue symbols, without repeats, in this order:
//  1. the same letters in another case ("KG" -> kg, Kg);
//  2. one edit away, ignoring case, for a token of two to four characters, or up
//     to two edits for a longer one ("kgg" -> kg, "sek" -> sec); an edit is an
//     insertion, deletion, substitution or swap of neighbours; nearer first,
//     then in catalogue order;
//  3. a common name or spelling of the unit, in any case ("hour", "h" -> hr;
//     "メートル" -> m); a token the names know gets no guesses from rule 2.
// Nothing for the empty text or for a token that already is a unit. The token
// is read as given, so it should be in canonical form first (typed_text.h).
std::vector<std::u16string_view> suggestUnits(std::u16string_view token);

}  // namespace quantivex
