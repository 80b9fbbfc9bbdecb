#include "catalogue.h"

#include <gtest/gtest.h>

namespace quantivex {
namespace {

// The number of units and the shape of the token lists are checked where the
// table is written (static_asserts in catalogue.cpp); the order is not.
TEST(Catalogue, ListsEightCategoriesInButtonOrder) {
    std::u16string codes;
    for (const Category& c : categories()) codes += c.code;
    EXPECT_EQ(codes, u"MLSBTFJP");
    EXPECT_EQ(categories()[7].menuName, "PRESS");
    EXPECT_EQ(categories()[6].name, u"熱量");
}

TEST(Catalogue, CaseDistinguishesUnitsOfDifferentCategories) {
    EXPECT_EQ(categoryOfSymbol(u"kg"), u"M");
    EXPECT_EQ(categoryOfSymbol(u"Kg"), u"F");
    EXPECT_EQ(categoryOfSymbol(u"g"), u"M");
    EXPECT_EQ(categoryOfSymbol(u"G"), u"F");
    EXPECT_EQ(categoryOfSymbol(u"l"), u"B");
    EXPECT_EQ(categoryOfSymbol(u"a"), u"S");
    EXPECT_EQ(categoryOfSymbol(u"Kg/cm2"), u"P");
    EXPECT_TRUE(categoryOfSymbol(u"KG").empty());
    EXPECT_TRUE(categoryOfSymbol(u"").empty());
    EXPECT_TRUE(categoryOfSymbol(u"kg ").empty());
}

TEST(Catalogue, MicroAndAngstromUseTheirOwnCodePoints) {
    EXPECT_EQ(categoryOfSymbol(u"\u03BCm"), u"L");
    EXPECT_EQ(categoryOfSymbol(u"\u212B"), u"L");
    EXPECT_TRUE(categoryOfSymbol(u"\u00B5m").empty());  // micro sign
    EXPECT_TRUE(categoryOfSymbol(u"\u00C5").empty());   // A with ring
}

TEST(Catalogue, IndexIsOneBasedAndZeroForAForeignSymbol) {
    EXPECT_EQ(unitIndex(u"L", u"mm"), 7);
    EXPECT_EQ(unitIndex(u"L", u"\u212B"), 10);
    EXPECT_EQ(unitIndex(u"P", u"MPa"), 11);
    EXPECT_EQ(unitIndex(u"M", u"t"), 1);
    EXPECT_EQ(unitIndex(u"F", u"kg"), 0);
    EXPECT_EQ(unitIndex(u"X", u"kg"), 0);
    EXPECT_EQ(unitIndex(u"", u""), 0);
    EXPECT_EQ(unitAt(u"L", 11), nullptr);
    EXPECT_EQ(unitAt(u"L", 0), nullptr);
    EXPECT_EQ(unitAt(u"LL", 1), nullptr);
}

TEST(Catalogue, ExplainedCaptionsStillAppendTheirSymbol) {
    EXPECT_EQ(unitAt(u"S", 1)->caption, u"ac(acre)");
    EXPECT_EQ(separatorForm(unitAt(u"S", 1)->symbol), u"\uFF65ac");
    EXPECT_EQ(separatorForm(unitAt(u"B", 2)->symbol), u"\uFF65kl");
    EXPECT_EQ(separatorForm(unitAt(u"B", 4)->symbol), u"\uFF65gal");
    EXPECT_EQ(separatorForm(unitAt(u"B", 5)->symbol), u"\uFF65l");
    EXPECT_EQ(separatorForm(u"Kg/cm2"), u"\uFF65Kg/cm2");
}

TEST(Catalogue, FramedSearchFindsTheMetreOnlyOnce) {
    const std::u16string_view list = tokenList(u"L");
    const std::size_t first = list.find(u" m ");
    ASSERT_NE(first, std::u16string_view::npos);
    EXPECT_EQ(list.find(u" m ", first + 1), std::u16string_view::npos);
    EXPECT_EQ(tokenList(u"F"), u" Kg Lb N G dyn ");
    EXPECT_TRUE(tokenList(u"Q").empty());
}

TEST(UnitText, SplitsAtBothSeparatorsAndJoinsWithTheHalfwidthOne) {
    const auto tokens = splitUnits(u"kg\u30FBm\uFF65sec");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0], u"kg");
    EXPECT_EQ(tokens[1], u"m");
    EXPECT_EQ(tokens[2], u"sec");
    EXPECT_EQ(joinUnits(tokens), u"kg\uFF65m\uFF65sec");
}

TEST(UnitText, KeepsEmptyTokens) {
    EXPECT_TRUE(splitUnits(u"").empty());
    EXPECT_EQ(splitUnits(u"m\uFF65"), (std::vector<std::u16string>{u"m", u""}));
    EXPECT_EQ(splitUnits(u"kg\uFF65\uFF65m"), (std::vector<std::u16string>{u"kg", u"", u"m"}));
    EXPECT_EQ(splitUnits(u"\uFF65"), (std::vector<std::u16string>{u"", u""}));
    EXPECT_EQ(joinUnits(splitUnits(u"\uFF65\uFF65")), u"\uFF65\uFF65");
}

TEST(UnitText, HandlesHugeAndMalformedText) {
    std::u16string big;
    for (int i = 0; i < 100000; ++i) big += i == 0 ? u"m" : u"\uFF65m";
    EXPECT_EQ(splitUnits(big).size(), 100000u);
    EXPECT_EQ(joinUnits(splitUnits(big)), big);
    const std::u16string lone{u'\xD800', kUnitSeparator, u'\xDC00'};
    EXPECT_EQ(splitUnits(lone).size(), 2u);
    EXPECT_TRUE(categoryOfSymbol(std::u16string(1, u'\xD800')).empty());
}

}  // namespace
}  // namespace quantivex
