#include "typed_text.h"

#include <gtest/gtest.h>

#include "catalogue.h"
#include "number_text.h"

namespace quantivex {
namespace {

TEST(TypedText, FullWidthNumbersReadAsNumbers) {
    EXPECT_EQ(parseNumberStrict(canonicalTypedText(u"\uFF15")), 5);                              // ５
    EXPECT_EQ(parseNumberStrict(canonicalTypedText(u"\uFF11\uFF0E\uFF15\uFF45\uFF13")), 1500);   // １．５ｅ３
    EXPECT_EQ(parseNumberStrict(canonicalTypedText(u"\uFF0D\uFF10\uFF0E\uFF12\uFF15")), -0.25);  // －０．２５
    // The ideographic space becomes a blank, which may frame a number.
    EXPECT_EQ(parseNumberStrict(canonicalTypedText(u"\u3000\uFF15\u3000")), 5);
    // Exactly U+FF01..U+FF5E: U+FF00 is unassigned and U+FF5F a full-width parenthesis.
    EXPECT_EQ(canonicalTypedText(u"\uFF00\uFF01\uFF21\uFF5A\uFF5E\uFF5F"), u"\uFF00!Az~\uFF5F");
}

TEST(TypedText, TypedUnitsBecomeCatalogueSymbols) {
    const auto tokens = splitUnits(canonicalTypedText(u"\uFF4B\uFF47\uFF65\uFF4D"));  // ｋｇ･ｍ
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(categoryOfSymbol(tokens[0]), u"M");
    EXPECT_EQ(categoryOfSymbol(tokens[1]), u"L");
    // Keyboards give the micro sign and the Latin A with ring.
    EXPECT_EQ(categoryOfSymbol(canonicalTypedText(u"\u00B5g")), u"M");
    EXPECT_EQ(canonicalTypedText(u"\u00C5"), u"\u212B");
    EXPECT_EQ(categoryOfSymbol(canonicalTypedText(u"\u00C5")), u"L");
}

TEST(TypedText, LeavesTheCatalogueOwnCharactersAlone) {
    // A Unicode normalisation would turn U+FF65 into U+30FB (NFKC) and U+212B into U+00C5 (NFC).
    EXPECT_EQ(canonicalTypedText(u"\u03BCm\uFF65\u212B\u30FB\uFF76\u3042"), u"\u03BCm\uFF65\u212B\u30FB\uFF76\u3042");
}

TEST(TypedText, OddAndHugeTextPassesThroughIntact) {
    const std::u16string odd{u'\xD800', u'k', u'\xDC00', u'\0', u'\xDBFF', u'\uFF47'};
    const std::u16string expected{u'\xD800', u'k', u'\xDC00', u'\0', u'\xDBFF', u'g'};
    EXPECT_EQ(canonicalTypedText(odd), expected);
    EXPECT_EQ(canonicalTypedText(std::u16string(100000, u'\uFF19')), std::u16string(100000, u'9'));
}

}  // namespace
}  // namespace quantivex
