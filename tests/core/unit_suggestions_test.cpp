#include "unit_suggestions.h"

#include <chrono>

#include <gtest/gtest.h>

#include "catalogue.h"

namespace quantivex {
namespace {

using Symbols = std::vector<std::u16string_view>;

TEST(UnitSuggestions, OffersTheSameLettersInAnotherCaseFirst) {
    const Symbols kg = suggestUnits(u"KG");
    ASSERT_GE(kg.size(), 2u);
    EXPECT_EQ(kg[0], u"kg");  // mass comes before force in the catalogue
    EXPECT_EQ(kg[1], u"Kg");
    EXPECT_EQ(suggestUnits(u"PA").front(), u"Pa");
    EXPECT_EQ(suggestUnits(u"MIN").front(), u"min");
    EXPECT_EQ(suggestUnits(u"kpa").front(), u"kPa");
    EXPECT_EQ(suggestUnits(u"KWHR"), Symbols{u"kWhr"});
}

TEST(UnitSuggestions, OffersUnitsAnEditAwayNearestFirst) {
    EXPECT_EQ(suggestUnits(u"kgg"), (Symbols{u"kg", u"Kg"}));
    EXPECT_EQ(suggestUnits(u"sek"), Symbols{u"sec"});
    EXPECT_EQ(suggestUnits(u"mmm"), (Symbols{u"mm", u"mm2"}));
    EXPECT_EQ(suggestUnits(u"kcla"), Symbols{u"kcal"});  // two neighbours swapped count as one edit
    EXPECT_EQ(suggestUnits(u"kwh").front(), u"kWhr");    // a slip of case costs nothing
    // From five letters on, two edits away is near too.
    EXPECT_EQ(suggestUnits(u"joulle"), Symbols{u"joul"});
    EXPECT_EQ(suggestUnits(u"mmh20"), (Symbols{u"mm2", u"mH2O", u"mmHg"}));  // a zero for the O
    // Of the six units one edit from "pa" the first two in catalogue order follow Pa, and no more.
    EXPECT_EQ(suggestUnits(u"pa"), (Symbols{u"Pa", u"pg", u"ha"}));
}

TEST(UnitSuggestions, KeepsShortTokensFromMatchingEveryShortUnit) {
    // "s" is one edit from t, g, m, a, l, N and G; only the name table knows it.
    EXPECT_EQ(suggestUnits(u"s"), Symbols{u"sec"});
    EXPECT_TRUE(suggestUnits(u"x").empty());
    // At three letters a second edit would leave one letter standing: "a" and "ac" are two away.
    EXPECT_TRUE(suggestUnits(u"axb").empty());
    EXPECT_EQ(suggestUnits(u"ton"), Symbols{u"t"});
}

TEST(UnitSuggestions, KnowsCommonNamesInAnyCase) {
    const std::pair<std::u16string_view, std::u16string_view> names[] = {
        {u"hour", u"hr"},  {u"H", u"hr"},       {u"Seconds", u"sec"},     {u"METRE", u"m"},
        {u"feet", u"ft"},  {u"pounds", u"lb"},  {u"litre", u"l"},         {u"pascal", u"Pa"},
        {u"newton", u"N"}, {u"psi", u"Lb/in2"}, {u"angstrom", u"\u212B"}, {u"microgram", u"\u03BCg"},
        {u"cc", u"cm3"},   {u"m\u00B2", u"m2"}, {u"メートル", u"m"},      {u"秒", u"sec"},
    };
    for (const auto& [name, symbol] : names) {
        const Symbols s = suggestUnits(name);
        EXPECT_NE(std::find(s.begin(), s.end(), symbol), s.end()) << testing::PrintToString(std::u16string(name));
    }
    EXPECT_EQ(suggestUnits(u"hour"), Symbols{u"hr"});
    // A known name is no typo: "ug" is one edit from kg, g and mg, which would crowd out μg.
    EXPECT_EQ(suggestUnits(u"ug"), Symbols{u"\u03BCg"});
    EXPECT_TRUE(suggestUnits(u"mile").empty());  // not a unit of this calculator
}

TEST(UnitSuggestions, OffersNothingForNothingOrForAUnit) {
    EXPECT_TRUE(suggestUnits(u"").empty());
    EXPECT_TRUE(suggestUnits(u"kg").empty());
    EXPECT_TRUE(suggestUnits(u"\u212B").empty());
}

TEST(UnitSuggestions, AnswersAHugeOrMalformedTokenAtOnce) {
    // Ten look-ups well inside 0.1 s: comparing the token with every unit in full takes about half a second.
    const std::u16string huge(100000, u'k');
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(suggestUnits(huge).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(suggestUnits(std::u16string{u'k', u'\xD800', u'g'}).front(), u"kg");
    EXPECT_TRUE(suggestUnits(std::u16string(1, u'\0')).empty());
}

}  // namespace
}  // namespace quantivex
