#include "utf.h"

#include <gtest/gtest.h>

namespace quantivex {
namespace {

constexpr char16_t kBad = u'\uFFFD';

std::string bytes(std::initializer_list<unsigned char> list) {
    return std::string(list.begin(), list.end());
}

TEST(Utf, EncodesEveryLengthOfSequenceBothWays) {
    // U+1F600 is F0 9F 98 80 in UTF-8 and the pair D83D DE00 in UTF-16.
    const std::u16string grinning{char16_t{0xD83D}, char16_t{0xDE00}};
    EXPECT_EQ(toUtf8(grinning), bytes({0xF0, 0x9F, 0x98, 0x80}));
    EXPECT_EQ(fromUtf8(bytes({0xF0, 0x9F, 0x98, 0x80})), grinning);
    // One, two and three bytes: "A", "μ" (CE BC), "･" (EF BD A5), and the
    // edges of the range, U+10000 and U+10FFFF.
    EXPECT_EQ(toUtf8(u"A\u03BC\uFF65"), bytes({0x41, 0xCE, 0xBC, 0xEF, 0xBD, 0xA5}));
    EXPECT_EQ(fromUtf8(bytes({0x41, 0xCE, 0xBC, 0xEF, 0xBD, 0xA5})), u"A\u03BC\uFF65");
    EXPECT_EQ(fromUtf8(bytes({0xF0, 0x90, 0x80, 0x80})), (std::u16string{char16_t{0xD800}, char16_t{0xDC00}}));
    EXPECT_EQ(fromUtf8(bytes({0xF4, 0x8F, 0xBF, 0xBF})), (std::u16string{char16_t{0xDBFF}, char16_t{0xDFFF}}));
    EXPECT_EQ(fromUtf8(std::string(1, '\0')), std::u16string(1, u'\0'));
}

TEST(Utf, RefusesOverlongForms) {
    // "/" written in two and three bytes; every byte of them is broken on its own.
    EXPECT_EQ(fromUtf8(bytes({0xC0, 0xAF})), (std::u16string{kBad, kBad}));
    EXPECT_EQ(fromUtf8(bytes({0xE0, 0x80, 0xAF})), (std::u16string{kBad, kBad, kBad}));
    EXPECT_EQ(fromUtf8(bytes({0xF0, 0x80, 0x80, 0xAF})), std::u16string(4, kBad));
    EXPECT_EQ(fromUtf8(bytes({0xC1, 0xBF, 0x41})), (std::u16string{kBad, kBad, u'A'}));
}

TEST(Utf, ReplacesLoneSurrogatesInEitherDirection) {
    EXPECT_EQ(toUtf8(std::u16string{char16_t{0xD800}}), bytes({0xEF, 0xBF, 0xBD}));
    EXPECT_EQ(toUtf8(std::u16string{u'a', char16_t{0xDC00}, u'b'}), bytes({0x61, 0xEF, 0xBF, 0xBD, 0x62}));
    // A high surrogate followed by another: the first is lone, the second pairs.
    EXPECT_EQ(toUtf8(std::u16string{char16_t{0xD83D}, char16_t{0xD83D}, char16_t{0xDE00}}),
              bytes({0xEF, 0xBF, 0xBD, 0xF0, 0x9F, 0x98, 0x80}));
    // The surrogate code points encoded as if they were characters (CESU style).
    EXPECT_EQ(fromUtf8(bytes({0xED, 0xA0, 0x80})), std::u16string(3, kBad));
    EXPECT_EQ(fromUtf8(bytes({0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80})), std::u16string(6, kBad));
    EXPECT_EQ(fromUtf8(bytes({0xED, 0x9F, 0xBF})), std::u16string(1, char16_t{0xD7FF}));
}

TEST(Utf, ReplacesATruncatedSequenceByOneCharacter) {
    // The sequence a string was cut in stands for one broken character, and
    // whatever follows it is read as usual (Unicode's maximal-subpart rule).
    EXPECT_EQ(fromUtf8(bytes({0x41, 0xE2, 0x82})), (std::u16string{u'A', kBad}));
    EXPECT_EQ(fromUtf8(bytes({0xF0, 0x9F, 0x98})), std::u16string(1, kBad));
    EXPECT_EQ(fromUtf8(bytes({0xE2, 0x82, 0x41})), (std::u16string{kBad, u'A'}));
    EXPECT_EQ(fromUtf8(bytes({0xCE})), std::u16string(1, kBad));
    // The worked example of the Unicode standard: 61 F1 80 80 E1 80 C2 62 80 63 80 BF 64.
    EXPECT_EQ(fromUtf8(bytes({0x61, 0xF1, 0x80, 0x80, 0xE1, 0x80, 0xC2, 0x62, 0x80, 0x63, 0x80, 0xBF, 0x64})),
              (std::u16string{u'a', kBad, kBad, kBad, u'b', kBad, u'c', kBad, kBad, u'd'}));
}

TEST(Utf, RefusesCodePointsAboveTheLastOne) {
    // U+110000 and the lead bytes F5 to FF that could only start such a code point.
    EXPECT_EQ(fromUtf8(bytes({0xF4, 0x90, 0x80, 0x80})), std::u16string(4, kBad));
    EXPECT_EQ(fromUtf8(bytes({0xF5, 0x80, 0x80, 0x80})), std::u16string(4, kBad));
    EXPECT_EQ(fromUtf8(bytes({0xFF, 0x41})), (std::u16string{kBad, u'A'}));
}

}  // namespace
}  // namespace quantivex
