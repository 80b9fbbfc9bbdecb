#include "unit_change.h"

#include <gtest/gtest.h>

#include "catalogue.h"

namespace quantivex {
namespace {

// The state one side of the right fraction keeps between changes.
struct Side {
    Side(FractionSide s, std::u16string e, std::u16string d, std::u16string v = u"1")
        : side(s), expression(std::move(e)), dims(std::move(d)), value(std::move(v)) {}

    FractionSide side;
    std::u16string expression;
    std::u16string dims;
    std::u16string value;
    int replaceIndex = 0;
    std::u16string lastCategory;

    UnitChangeResult pick(std::u16string_view category, std::u16string_view unit) {
        UnitChangeRequest r;
        r.side = side;
        r.expression = expression;
        r.dims = dims;
        r.category = category;
        r.tokenList = tokenList(category);
        r.picked = unit;
        r.valueText = value;
        r.replaceIndex = replaceIndex;
        r.lastCategory = lastCategory;
        UnitChangeResult result = changeUnit(r);
        if (result.status == UnitChangeStatus::Replaced || result.status == UnitChangeStatus::NoReplacement) {
            expression = result.expression;
            if (result.status == UnitChangeStatus::Replaced) value = result.valueText;
            replaceIndex = result.replaceIndex;
            lastCategory = result.lastCategory;
        }
        dims = result.dims;
        return result;
    }
};

TEST(ChangeUnit, DividesInTheDenominator) {
    Side s{FractionSide::Denominator, u"m", u"L"};
    const auto r = s.pick(u"L", u"cm");
    EXPECT_EQ(r.status, UnitChangeStatus::Replaced);
    EXPECT_EQ(r.ratio, 100);
    EXPECT_EQ(s.value, u"0.01");
    EXPECT_EQ(s.expression, u"cm");
    EXPECT_EQ(r.replacedToken, u"m");
}

TEST(ChangeUnit, MultipliesInTheNumerator) {
    Side s{FractionSide::Numerator, u"kg", u"M", u"2"};
    s.pick(u"M", u"lb");
    EXPECT_EQ(s.value, u"4.40924");
    EXPECT_EQ(s.expression, u"lb");
}

TEST(ChangeUnit, WalksThroughRepeatedUnitsOneTokenAtATime) {
    Side s{FractionSide::Numerator, u"m\uFF65m", u"LL"};
    auto r = s.pick(u"L", u"cm");
    EXPECT_EQ(s.expression, u"cm\uFF65m");
    EXPECT_EQ(s.value, u"100.");
    EXPECT_EQ(s.replaceIndex, 1);
    EXPECT_EQ(r.categoryLetterCount, 2);
    s.pick(u"L", u"cm");
    EXPECT_EQ(s.expression, u"cm\uFF65cm");
    EXPECT_EQ(s.value, u"1.e+04");
    EXPECT_EQ(s.replaceIndex, 0);
    r = s.pick(u"L", u"cm");
    EXPECT_EQ(r.replacedToken, u"cm");
    EXPECT_EQ(r.ratio, 1);
    EXPECT_EQ(s.expression, u"cm\uFF65cm");
    EXPECT_EQ(s.value, u"1.e+04");
    EXPECT_EQ(s.replaceIndex, 1);
}

TEST(ChangeUnit, LeavesOtherCategoriesUncountedAndUnchanged) {
    Side s{FractionSide::Numerator, u"kg\uFF65m", u"ML", u"3"};
    s.pick(u"L", u"mm");
    EXPECT_EQ(s.expression, u"kg\uFF65mm");
    EXPECT_EQ(s.value, u"3.e+03");
    EXPECT_EQ(s.replaceIndex, 0);  // one length token: the walk wraps at once
}

TEST(ChangeUnit, RestartsAtTheFirstTokenWhenTheCategoryChanges) {
    Side s{FractionSide::Numerator, u"m\uFF65kg\uFF65m", u"LML"};
    s.pick(u"L", u"km");
    EXPECT_EQ(s.replaceIndex, 1);
    s.pick(u"M", u"g");
    EXPECT_EQ(s.lastCategory, u"M");
    s.pick(u"L", u"cm");  // back to length: the first length token again
    EXPECT_EQ(s.expression, u"cm\uFF65g\uFF65m");
}

TEST(ChangeUnit, RebuildsWideSeparatorsWithTheHalfwidthOne) {
    Side s{FractionSide::Denominator, u"m\u30FBsec", u"LT", u"1"};
    const auto r = s.pick(u"T", u"min");
    EXPECT_EQ(s.expression, u"m\uFF65min");
    EXPECT_DOUBLE_EQ(r.value, 1 / (525969.2 / 31558153));
    EXPECT_EQ(s.value, u"60.");
}

TEST(ChangeUnit, WithoutATokenOfTheCategoryOnlyRebuildsTheText) {
    Side s{FractionSide::Numerator, u"kg\u30FB\u30FBm", u"ML", u"7"};
    const auto r = s.pick(u"T", u"min");
    EXPECT_EQ(r.status, UnitChangeStatus::NoReplacement);
    EXPECT_EQ(s.expression, u"kg\uFF65\uFF65m");
    EXPECT_EQ(s.value, u"7");
    UnitChangeRequest noList{FractionSide::Numerator, u"kg", u"M", u"M", u"", u"lb", u"1", 0, u""};
    EXPECT_EQ(changeUnit(noList).status, UnitChangeStatus::NoReplacement);
}

TEST(ChangeUnit, EmptiesTheDimensionsOfAnEmptyExpression) {
    Side s{FractionSide::Numerator, u"", u"MLL"};
    const auto r = s.pick(u"M", u"lb");
    EXPECT_EQ(r.status, UnitChangeStatus::EmptyExpression);
    EXPECT_EQ(s.dims, u"");
}

TEST(ChangeUnit, ReadsAValueThatIsNoNumberAsZero) {
    Side s{FractionSide::Numerator, u"kg", u"M", u"abc"};
    s.pick(u"M", u"g");
    EXPECT_EQ(s.value, u"0.e+00");
}

TEST(ChangeUnit, ChangesOnlyTheUnitsWhenNoValueIsShown) {
    Side s{FractionSide::Numerator, u"kg", u"M", u""};
    const auto r = s.pick(u"M", u"lb");
    EXPECT_EQ(r.status, UnitChangeStatus::Replaced);
    EXPECT_EQ(s.expression, u"lb");
    EXPECT_EQ(s.value, u"");
}

TEST(ChangeUnit, RefusesAResultOutsideTheRangeOfNormalDoubles) {
    Side s{FractionSide::Numerator, u"t", u"M", u"1.e+300"};
    const auto r = s.pick(u"M", u"pg");
    EXPECT_EQ(r.status, UnitChangeStatus::OutOfRange);
    EXPECT_EQ(s.value, u"1.e+300");
    EXPECT_EQ(s.expression, u"t");
    // Below the smallest normal double a value keeps too few digits to convert
    // back: 1e-300 pg would be 1e-318 t, in either place of the fraction.
    Side small{FractionSide::Numerator, u"pg", u"M", u"1.e-300"};
    EXPECT_EQ(small.pick(u"M", u"t").status, UnitChangeStatus::OutOfRange);
    EXPECT_EQ(small.value, u"1.e-300");
    Side below{FractionSide::Denominator, u"t", u"M", u"1.e-300"};
    EXPECT_EQ(below.pick(u"M", u"pg").status, UnitChangeStatus::OutOfRange);
    EXPECT_EQ(below.expression, u"t");
    // Smaller still, the quotient rounds to 0 itself: no unit turns a quantity into nothing.
    Side nothing{FractionSide::Denominator, u"t", u"M", u"1.e-306"};
    EXPECT_EQ(nothing.pick(u"M", u"pg").status, UnitChangeStatus::OutOfRange);
    EXPECT_EQ(nothing.value, u"1.e-306");
    // The smallest normal magnitudes themselves still convert.
    Side edge{FractionSide::Numerator, u"pg", u"M", u"2.3e-290"};
    EXPECT_EQ(edge.pick(u"M", u"t").status, UnitChangeStatus::Replaced);
}

TEST(ChangeUnit, RefusesAPickOutsideTheCategory) {
    UnitChangeRequest r{FractionSide::Numerator, u"kg", u"M", u"M", tokenList(u"M"), u"Kg", u"1", 0, u""};
    EXPECT_EQ(changeUnit(r).status, UnitChangeStatus::UnknownUnit);
    // A token list that does not belong to the category cannot smuggle in a ratio.
    UnitChangeRequest mismatch{FractionSide::Numerator, u"Kg", u"F", u"M", tokenList(u"F"), u"kg", u"1", 0, u""};
    EXPECT_EQ(changeUnit(mismatch).status, UnitChangeStatus::UnknownUnit);
}

TEST(ChangeUnit, CopesWithHugeAndMalformedInput) {
    std::u16string big = u"m";
    for (int i = 1; i < 100000; ++i) big += u"\uFF65m";
    Side s{FractionSide::Numerator, big, std::u16string(100000, u'L')};
    s.pick(u"L", u"cm");
    EXPECT_EQ(s.expression.substr(0, 5), u"cm\uFF65m\uFF65");
    EXPECT_EQ(s.replaceIndex, 1);
    const std::u16string lone{u'\xDC00', u'\uFF65', u'\xD800'};
    Side t{FractionSide::Denominator, lone, u"\xD800\xD800"};
    EXPECT_EQ(t.pick(u"\xD800", u"x").status, UnitChangeStatus::NoReplacement);
    UnitChangeRequest negative{FractionSide::Numerator, u"m", u"L", u"L", tokenList(u"L"), u"cm", u"1", -27, u"L"};
    EXPECT_EQ(changeUnit(negative).replaceIndex, 0);
    EXPECT_EQ(countCategoryLetters(u"MLM", u"M"), 2);
    EXPECT_EQ(countCategoryLetters(u"MLM", u""), 0);
    EXPECT_EQ(countCategoryLetters(u"MLM", u"ML"), 0);
}

}  // namespace
}  // namespace quantivex
