#include "breakdown.h"

#include <cmath>

#include <gtest/gtest.h>

namespace quantivex {
namespace {

std::u16string repeated(std::u16string_view token, int count) {
    std::u16string out(token);
    for (int i = 1; i < count; ++i) (out += u'\uFF65') += token;
    return out;
}

void expectRelativelyNear(double actual, double expected, double tolerance) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << "expected " << expected;
}

TEST(Breakdown, ExplainsTheKilogramPerSecondRoadToPoundsPerMinute) {
    const Breakdown b = breakdownOf(u"kg", u"sec", u"lb", u"min");
    ASSERT_EQ(b.status, BreakdownStatus::Ok);
    ASSERT_EQ(b.steps.size(), 2u);
    const UnitStep& mass = b.steps[0];
    EXPECT_EQ(mass.side, FractionSide::Numerator);
    EXPECT_EQ(mass.from + u">" + mass.to, u"kg>lb");
    EXPECT_EQ(mass.category, u"M");
    EXPECT_EQ(mass.fromFactor, 1000);
    EXPECT_EQ(mass.toFactor, 2204.62);
    EXPECT_DOUBLE_EQ(mass.ratio, 2.20462);
    const UnitStep& time = b.steps[1];
    EXPECT_EQ(time.side, FractionSide::Denominator);
    EXPECT_EQ(time.from + u">" + time.to, u"sec>min");
    expectRelativelyNear(time.ratio, 0.01666666613854112, 1e-15);

    // 2.20462 / (525969.2 / 31558153), worked out to 40 digits in decimal arithmetic.
    expectRelativelyNear(b.factor, 132.277204191538, 1e-14);
    expectRelativelyNear(5 * b.factor, 661.386020957691, 1e-14);
    EXPECT_EQ(significantText(b.factor, 15), u"132.277204191538");

    // By the definitions instead: 1 lb = 0.45359237 kg and 1 min = 60 s.
    expectRelativelyNear(mass.definedRatio, 1 / 0.45359237, 1e-15);
    expectRelativelyNear(time.definedRatio, 1 / 60.0, 1e-15);
    expectRelativelyNear(b.definedFactor, 60 / 0.45359237, 1e-15);
}

TEST(Breakdown, MultipliesNumeratorRatiosAndDividesDenominatorOnes) {
    EXPECT_EQ(breakdownOf(repeated(u"m", 2), u"", repeated(u"cm", 2), u"").factor, 10000);
    // A minute is sixty seconds; the table rounds its minute, which leaves 3 parts in 10^8.
    expectRelativelyNear(breakdownOf(u"", u"sec", u"", u"min").factor, 60, 1e-7);
    // The same change above and below the bar cancels.
    const Breakdown cancelled = breakdownOf(u"m", u"m", u"cm", u"cm");
    EXPECT_EQ(cancelled.steps.size(), 2u);
    EXPECT_EQ(cancelled.factor, 1);
}

TEST(Breakdown, PairsMixedCategoriesPositionByPosition) {
    // A kilogram-force is 9.80665 N and a metre 100 cm.
    const Breakdown b = breakdownOf(u"Kg\uFF65m", u"", u"N\uFF65cm", u"");
    ASSERT_EQ(b.steps.size(), 2u);
    EXPECT_EQ(b.steps[1].category, u"L");
    expectRelativelyNear(b.factor, 980.665, 1e-15);
    // Only changed positions are steps; either separator pairs with the other.
    const Breakdown walk = breakdownOf(u"kg\u30FBm\u30FBsec", u"m\uFF65sec", u"kg\uFF65cm\uFF65sec", u"m\u30FBmin");
    ASSERT_EQ(walk.steps.size(), 2u);
    EXPECT_EQ(walk.steps[0].position, 1u);
    EXPECT_EQ(walk.steps[1].side, FractionSide::Denominator);
    EXPECT_EQ(walk.steps[1].position, 1u);
    expectRelativelyNear(walk.factor, 100 * 60, 1e-7);
    // Unchanged sides: no step and exactly one.
    const Breakdown same = breakdownOf(u"kg\uFF65m", u"sec", u"kg\uFF65m", u"sec");
    EXPECT_TRUE(same.steps.empty());
    EXPECT_EQ(same.factor, 1);
}

TEST(Breakdown, RefusesSidesThatDoNotPairSayingWhereAndWithNoNumber) {
    using enum FractionSide;
    struct Case {
        std::u16string_view ln, ld, rn, rd;
        BreakdownStatus status;
        BreakdownFault fault;
    };
    const Case cases[] = {
        {u"", u"", u"kg", u"", BreakdownStatus::NoUnits, {}},
        {u"kg", u"", u"kg\uFF65m", u"", BreakdownStatus::ShapesDiffer, {.side = Numerator}},
        {u"kg", u"sec", u"lb", u"", BreakdownStatus::ShapesDiffer, {.side = Denominator}},
        {u"kgg", u"", u"kg", u"", BreakdownStatus::UnknownUnit, {.left = true, .side = Numerator, .unit = u"kgg"}},
        {u"kg",
         u"sec",
         u"lb",
         u"mn",
         BreakdownStatus::UnknownUnit,
         {.left = false, .side = Denominator, .unit = u"mn"}},
        // An empty token is named through its whole expression, even when the counts differ too.
        {u"kg\uFF65",
         u"",
         u"kg",
         u"",
         BreakdownStatus::UnknownUnit,
         {.left = true, .side = Numerator, .unit = u"kg\uFF65"}},
        {u"kg",
         u"",
         u"N",
         u"",
         BreakdownStatus::CategoriesDiffer,
         {.side = Numerator, .unit = u"kg", .otherUnit = u"N", .category = u"M", .otherCategory = u"F"}},
        {u"m",
         u"sec\uFF65kg",
         u"m",
         u"sec\uFF65Kg",
         BreakdownStatus::CategoriesDiffer,
         {.side = Denominator, .unit = u"kg", .otherUnit = u"Kg", .category = u"M", .otherCategory = u"F"}},
    };
    for (const Case& c : cases) {
        const Breakdown b = breakdownOf(c.ln, c.ld, c.rn, c.rd);
        const std::string which = testing::PrintToString(std::u16string(c.ln) + u"/" + std::u16string(c.ld) + u" = " +
                                                         std::u16string(c.rn) + u"/" + std::u16string(c.rd));
        EXPECT_EQ(b.status, c.status) << which;
        EXPECT_EQ(b.fault.left, c.fault.left) << which;
        EXPECT_EQ(b.fault.side, c.fault.side) << which;
        EXPECT_EQ(b.fault.unit, c.fault.unit) << which;
        EXPECT_EQ(b.fault.otherUnit, c.fault.otherUnit) << which;
        EXPECT_EQ(b.fault.category, c.fault.category) << which;
        EXPECT_EQ(b.fault.otherCategory, c.fault.otherCategory) << which;
        EXPECT_TRUE(b.steps.empty());
        EXPECT_TRUE(std::isnan(b.factor));
        EXPECT_TRUE(std::isnan(b.definedFactor));
    }
}

TEST(Breakdown, KeepsLongProductsInRangeAndRefusesFactorsBeyondIt) {
    // Each t -> pg is 1e18: seventeen still fit in a double, eighteen do not, either way up.
    expectRelativelyNear(breakdownOf(repeated(u"t", 17), u"", repeated(u"pg", 17), u"").factor, 1e306, 1e-13);
    const Breakdown over = breakdownOf(repeated(u"t", 18), u"", repeated(u"pg", 18), u"");
    EXPECT_EQ(over.status, BreakdownStatus::OutOfRange);
    EXPECT_EQ(breakdownOf(repeated(u"pg", 18), u"", repeated(u"t", 18), u"").status, BreakdownStatus::OutOfRange);
    // Huge products above and below the bar cancel to the plain ratio.
    const Breakdown cancelled = breakdownOf(repeated(u"t", 40) + u"\uFF65kg", repeated(u"t", 40),
                                            repeated(u"pg", 40) + u"\uFF65lb", repeated(u"pg", 40));
    expectRelativelyNear(cancelled.factor, 2.20462, 1e-14);
    expectRelativelyNear(cancelled.definedFactor, 1 / 0.45359237, 1e-14);
    // A hundred thousand units, the last one changed.
    std::u16string right = repeated(u"m", 100000);
    right.replace(right.size() - 1, 1, u"km");
    const Breakdown big = breakdownOf(repeated(u"m", 100000), u"", right, u"");
    ASSERT_EQ(big.steps.size(), 1u);
    EXPECT_EQ(big.steps[0].position, 99999u);
    EXPECT_DOUBLE_EQ(big.factor, 0.001);
}

TEST(SignificantText, WritesPlainFiguresLikePrintfG) {
    struct Row {
        double value;
        int digits;
        std::u16string_view text;
    };
    const Row rows[] = {
        {2.20462, 6, u"2.20462"},
        {0.016666666138541124, 6, u"0.0166667"},
        {132.277204191538, 6, u"132.277"},
        {2204.62, 15, u"2204.62"},
        {525969.2, 15, u"525969.2"},
        {31558153, 15, u"31558153"},
        {31558153, 6, u"3.15582E+07"},
        {999999.5, 6, u"1E+06"},  // the exponent after rounding decides
        {1.5e20, 6, u"1.5E+20"},
        {0.0001, 6, u"0.0001"},
        {0.00001, 6, u"1E-05"},
        {-2.20462e-07, 6, u"-2.20462E-07"},
        {-0.0, 6, u"0"},
        {3.7, 0, u"4"},
    };
    for (const Row& r : rows) EXPECT_EQ(significantText(r.value, r.digits), r.text) << r.value << " " << r.digits;
    EXPECT_EQ(significantText(INFINITY, 6), u"Infinity");
}

}  // namespace
}  // namespace quantivex
