// Text as a keyboard or an input method gives it, read as the program's own
// characters before a typed value or unit expression is checked.
#pragma once

#include <string>
#include <string_view>

namespace quantivex {

// One UTF-16 unit in its canonical form: full-width ASCII (U+FF01..U+FF5E) as
// half-width, the ideographic space as a blank, the micro sign as Greek mu and
// the Latin A with ring as the angstrom sign, the two code points the catalogue
// writes. Every other unit, the unit separators and lone surrogates included,
// is its own canonical form.
constexpr char16_t canonicalTypedChar(char16_t c) {
    if (c >= u'\uFF01' && c <= u'\uFF5E') return static_cast<char16_t>(c - 0xFEE0);
    switch (c) {
        case u'\u3000':
            return u' ';
        case u'\u00B5':
            return u'\u03BC';
        case u'\u00C5':
            return u'\u212B';
        default:
            return c;
    }
}

// The text with every unit in its canonical form. The length never changes, so
// a caret position in the typed text is still valid in the canonical one.
std::u16string canonicalTypedText(std::u16string_view text);

}  // namespace quantivex
