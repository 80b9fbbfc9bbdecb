#include "factors.h"

#include <gtest/gtest.h>

#include "catalogue.h"

namespace quantivex {
namespace {

TEST(UnitRatio, ConvertsWithinACategory) {
    EXPECT_EQ(unitRatio(u"M", u"t", u"kg"), 1000);
    EXPECT_EQ(unitRatio(u"M", u"kg", u"t"), 0.001);
    EXPECT_EQ(unitRatio(u"M", u"kg", u"lb"), 2204.62 / 1000);
    EXPECT_DOUBLE_EQ(*unitRatio(u"M", u"kg", u"lb"), 2.20462);
    EXPECT_EQ(unitRatio(u"L", u"m", u"ft"), 3280.84 / 1000);
    EXPECT_EQ(unitRatio(u"S", u"ac", u"ha"), 0.404686);
    EXPECT_EQ(unitRatio(u"J", u"cal", u"kcal"), 860.112 / 860112);
    EXPECT_EQ(unitRatio(u"P", u"atm", u"Pa"), 101325);
    EXPECT_EQ(unitRatio(u"T", u"year", u"sec"), 31558153);
}

TEST(UnitRatio, KeepsTheTablesOwnRoundings) {
    // 39370 / 3280.84 is a little under 12; the table is used as it stands.
    EXPECT_DOUBLE_EQ(*unitRatio(u"L", u"ft", u"in"), 11.99997561600078);
    EXPECT_EQ(unitRatio(u"B", u"m3", u"kl"), 1);
    EXPECT_EQ(unitRatio(u"P", u"mmHg", u"Torr"), 1);
}

TEST(UnitRatio, SquareFootIsExactly144SquareInches) {
    EXPECT_EQ(unitRatio(u"S", u"ft2", u"in2"), 144);
    EXPECT_EQ(unitRatio(u"S", u"ac", u"in2"), 6272640);
}

TEST(UnitRatio, OfEveryUnitToItselfIsOne) {
    for (const Category& c : categories()) {
        for (const Unit& u : c.units) EXPECT_EQ(unitRatio(c.code, u.symbol, u.symbol), 1);
    }
}

TEST(UnitRatio, RefusesSymbolsOutsideTheCategory) {
    EXPECT_FALSE(unitRatio(u"F", u"kg", u"Kg"));
    EXPECT_FALSE(unitRatio(u"M", u"kg", u""));
    EXPECT_FALSE(unitRatio(u"M", u"", u"kg"));
    EXPECT_FALSE(unitRatio(u"Z", u"kg", u"kg"));
    EXPECT_FALSE(unitRatio(u"", u"kg", u"kg"));
    EXPECT_FALSE(unitFactor(u"M", 0));
    EXPECT_FALSE(unitFactor(u"M", 10));
    EXPECT_EQ(unitFactor(u"M", 9), 1e18);
}

}  // namespace
}  // namespace quantivex
