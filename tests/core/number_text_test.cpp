#include "number_text.h"

#include <cmath>

#include <gtest/gtest.h>

namespace quantivex {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(leadingNumber(u"1.e+04"), 10000);
    EXPECT_EQ(leadingNumber(u"2.20462"), 2.20462);
    EXPECT_EQ(leadingNumber(u"12abc"), 12);
    EXPECT_EQ(leadingNumber(u"-2.5e+00"), -2.5);
    EXPECT_EQ(leadingNumber(u"5.e-04"), 0.0005);
    EXPECT_EQ(leadingNumber(u"100."), 100);
    EXPECT_EQ(leadingNumber(u".5"), 0.5);
    EXPECT_EQ(leadingNumber(u"+7"), 7);
    EXPECT_EQ(leadingNumber(u"1.2.3"), 1.2);
}

TEST(LeadingNumber, SkipsBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(leadingNumber(u" 1 2\t3\n4"), 1234);
    EXPECT_EQ(leadingNumber(u"- 5"), -5);
    EXPECT_EQ(leadingNumber(u"1 e 3"), 1000);
}

TEST(LeadingNumber, ReadsNoDigitsAsZero) {
    EXPECT_EQ(leadingNumber(u""), 0);
    EXPECT_EQ(leadingNumber(u"abc"), 0);
    EXPECT_EQ(leadingNumber(u"."), 0);
    EXPECT_EQ(leadingNumber(u"-"), 0);
    EXPECT_EQ(leadingNumber(u"e5"), 0);
    EXPECT_EQ(leadingNumber(u"Infinity"), 0);
}

TEST(LeadingNumber, IgnoresAnExponentWithoutDigits) {
    EXPECT_EQ(leadingNumber(u"1e"), 1);
    EXPECT_EQ(leadingNumber(u"1e+"), 1);
    EXPECT_EQ(leadingNumber(u"3E-x"), 3);
}

TEST(LeadingNumber, ReportsOverflowAsInfinityAndUnderflowAsZero) {
    EXPECT_TRUE(std::isinf(leadingNumber(u"1e999")));
    EXPECT_LT(leadingNumber(u"-1e999"), 0);
    EXPECT_EQ(leadingNumber(u"1e-999"), 0);
    EXPECT_EQ(leadingNumber(u"0.000e99999999999999"), 0);
    std::u16string digits(100000, u'9');
    EXPECT_TRUE(std::isinf(leadingNumber(digits)));
}

TEST(StrictNumber, AcceptsOnlyAWholeNumber) {
    EXPECT_EQ(parseNumberStrict(u"5"), 5);
    EXPECT_EQ(parseNumberStrict(u" 1.5e3 "), 1500);
    EXPECT_EQ(parseNumberStrict(u"-0.25"), -0.25);
    EXPECT_EQ(parseNumberStrict(u"1.e+04"), 10000);
    EXPECT_EQ(parseNumberStrict(u"0.0"), 0);
    for (const char16_t* bad : {u"", u" ", u"12abc", u"1e", u"1.2.3", u"abc", u".", u"1 2", u"--1", u"1e5x", u"\u30FB",
                                u"1e999", u"nan", u"inf"}) {
        EXPECT_FALSE(parseNumberStrict(bad)) << "accepted a text that is not a number";
    }
}

TEST(StrictNumber, TellsDigitGroupingFromOtherCommas) {
    for (const char16_t* grouped :
         {u"1,000", u"-12,345.5", u"1,000,000", u"+999,999.", u" 1,000e3 ", u"12,345.678E-2"}) {
        EXPECT_TRUE(isDigitGroupedNumber(grouped)) << "missed a grouping";
    }
    for (const char16_t* other : {u"1000", u"1,2", u"12,34", u"1,0000", u"1234,567", u"0,500", u"1,000,00", u",000",
                                  u"1,000e", u"1,000.5.5", u"1,000abc", u"1.000,5", u"1,,000"}) {
        EXPECT_FALSE(isDigitGroupedNumber(other)) << "took a text for a grouping";
    }
}

TEST(StrictNumber, TellsTooSmallNumbersFromZero) {
    // The smallest normal double is 2.2250738585072014e-308.
    for (const char16_t* small : {u"4.9e-324", u"-1e-310", u"2.2250738585072e-308", u"1e-400", u"0.0001e-99999"}) {
        EXPECT_TRUE(isTooSmallNumber(small)) << "took a number that loses digits";
    }
    for (const char16_t* fine :
         {u"0", u"-0", u"0.0", u"00e-999", u"2.2250738585072014e-308", u"-1e-300", u"5", u"abc", u"1e-400x", u""}) {
        EXPECT_FALSE(isTooSmallNumber(fine)) << "refused a number that holds its digits, or one that is none";
    }
    EXPECT_TRUE(withinNormalRange(0.0) && withinNormalRange(-0.0) && withinNormalRange(-2.2250738585072014e-308));
    EXPECT_FALSE(withinNormalRange(2.2250738585072e-308) || withinNormalRange(-4.9e-324) ||
                 withinNormalRange(INFINITY) || withinNormalRange(NAN));
}

TEST(NumberToText, WritesUpToFifteenSignificantDigits) {
    EXPECT_EQ(numberToText(2.5), u"2.5");
    EXPECT_EQ(numberToText(5), u"5");
    EXPECT_EQ(numberToText(0.0001), u"0.0001");
    EXPECT_EQ(numberToText(0.00001), u"1E-05");
    EXPECT_EQ(numberToText(1e15), u"1E+15");
    EXPECT_EQ(numberToText(999999999999999), u"999999999999999");
    EXPECT_EQ(numberToText(1.0 / 3), u"0.333333333333333");
    EXPECT_EQ(numberToText(-1234.5), u"-1234.5");
    EXPECT_EQ(numberToText(0), u"0");
    EXPECT_EQ(numberToText(1.5e300), u"1.5E+300");
    EXPECT_EQ(numberToText(0.1 + 0.2), u"0.3");
}

TEST(NumberToText, ShowsNegativeZeroAsZeroAndKeepsTheEdgesOfTheRange) {
    EXPECT_EQ(numberToText(-0.0), u"0");
    EXPECT_EQ(numberToText(-1e-5), u"-1E-05");
    EXPECT_EQ(numberToText(123456789012345678.0), u"1.23456789012346E+17");
    // The smallest subnormal is 4.9406564584124654e-324.
    EXPECT_EQ(numberToText(4.9406564584124654e-324), u"4.94065645841247E-324");
    EXPECT_EQ(numberToText(1.7976931348623157e308), u"1.7976931348623157E+308");
}

TEST(NumberToText, ReadsBackWithinFifteenDigits) {
    for (double v : {3.14159265358979, 1e-300, 6.02214076e23, 123456.789, -0.000123, 1.7976931348623157e308,
                     -1.7976931348623157e308, 2.2250738585072014e-308, -2.225073858507204e-308}) {
        const double back = leadingNumber(numberToText(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
        // A normal value never reads back as a subnormal that would lose digits.
        EXPECT_TRUE(std::isnormal(back));
    }
}

}  // namespace
}  // namespace quantivex
