// A small explicit table rather than a Unicode normalisation: NFKC would turn
// the halfwidth separator U+FF65 into U+30FB and NFC the angstrom sign into
// U+00C5, and the catalogue depends on both as they are.
#include "typed_text.h"

#include <algorithm>

#include "catalogue.h"

namespace quantivex {

static_assert(canonicalTypedChar(u'\uFF15') == u'5' && canonicalTypedChar(u'\uFF4B') == u'k');
static_assert(canonicalTypedChar(kUnitSeparator) == kUnitSeparator);
static_assert(canonicalTypedChar(kWideUnitSeparator) == kWideUnitSeparator);
static_assert(canonicalTypedChar(u'\u03BC') == u'\u03BC' && canonicalTypedChar(u'\u212B') == u'\u212B',
              "the catalogue's own micro and angstrom must stay as they are");

std::u16string canonicalTypedText(std::u16string_view text) {
    std::u16string out(text);
    std::transform(out.begin(), out.end(), out.begin(), canonicalTypedChar);
    return out;
}

}  // namespace quantivex
