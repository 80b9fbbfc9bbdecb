#include "result_format.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "number_text.h"

namespace quantivex {
namespace {

struct Row {
    double value;
    ResultPattern pattern;
    const char16_t* text;
};

TEST(FormatResult, ReproducesTheDisplayTable) {
    const Row rows[] = {
        {2204.62, ResultPattern::Scientific, u"2.20462e+03"},
        {31558153, ResultPattern::Scientific, u"3.155815e+07"},
        {10000, ResultPattern::Scientific, u"1.e+04"},
        {0.0005, ResultPattern::Scientific, u"5.e-04"},
        {-2.5, ResultPattern::Scientific, u"-2.5e+00"},
        {0.01, ResultPattern::Fraction, u"0.01"},
        {0.123456789, ResultPattern::Fraction, u"0.12346"},
        {100, ResultPattern::Hundreds, u"100."},
        {12.3456789, ResultPattern::Hundreds, u"12.3457"},
        {2.20462, ResultPattern::Units, u"2.20462"},
        {1, ResultPattern::Units, u"1."},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(chooseResultPattern(row.value), row.pattern) << row.value;
        EXPECT_EQ(formatResult(row.value), row.text) << row.value;
    }
}

TEST(FormatResult, BoundsAreStrict) {
    EXPECT_EQ(formatResult(1000), u"1000.");
    EXPECT_EQ(formatResult(1000.0000001), u"1.e+03");
    EXPECT_EQ(formatResult(0.001), u"0.001");
    EXPECT_EQ(formatResult(0.0009999), u"9.999e-04");
    EXPECT_EQ(formatResult(10), u"10.");
    EXPECT_EQ(chooseResultPattern(10), ResultPattern::Units);
    EXPECT_EQ(chooseResultPattern(10.0000001), ResultPattern::Hundreds);
    EXPECT_EQ(chooseResultPattern(1), ResultPattern::Units);
    EXPECT_EQ(chooseResultPattern(0.9999999), ResultPattern::Fraction);
}

TEST(FormatResult, RoundsHalvesAwayFromZero) {
    // 1/64 = 0.015625 exactly: the sixth decimal is a true half.
    EXPECT_EQ(formatResult(0.015625), u"0.01563");
    // 1.5 x 2^-20 = 0.00000143051147...: scientific keeps seven digits.
    EXPECT_EQ(formatResult(0.0000014305114746093750), u"1.430511e-06");
    EXPECT_EQ(formatWithPattern(1.015625, ResultPattern::Units), u"1.01563");
    // The double nearest 2.000005 lies just below the half, so it rounds down.
    EXPECT_EQ(formatWithPattern(2.000005, ResultPattern::Units), u"2.");
    EXPECT_EQ(formatWithPattern(-1.25, ResultPattern::Scientific), u"-1.25e+00");
}

TEST(FormatResult, CarriesIntoTheNextDigit) {
    EXPECT_EQ(formatResult(9.999999), u"10.");
    EXPECT_EQ(formatResult(999.99996), u"1000.");
    EXPECT_EQ(formatResult(0.9999999), u"1.");
    EXPECT_EQ(formatResult(9999999.6), u"1.e+07");
    EXPECT_EQ(formatResult(0.0000000001), u"1.e-10");
}

TEST(FormatResult, WritesZeroAndExtremesWithoutFailing) {
    EXPECT_EQ(formatResult(0), u"0.e+00");
    EXPECT_EQ(formatResult(1e300), u"1.e+300");
    EXPECT_EQ(formatResult(std::numeric_limits<double>::denorm_min()), u"4.940656e-324");
    EXPECT_EQ(formatResult(std::numeric_limits<double>::max()), u"1.797693e+308");
    EXPECT_FALSE(formatResult(std::numeric_limits<double>::infinity()).empty());
    EXPECT_FALSE(formatResult(std::nan("")).empty());
}

TEST(FormatResult, ReadsBackWithinTheShownDigits) {
    for (double v : {0.0012345678, 0.5, 1.23456789, 55.555555, 999.99994, 123456789.0, 1e-200, -42.0}) {
        const double back = leadingNumber(formatResult(v));
        EXPECT_NEAR(back, v, std::max(std::fabs(v) * 5e-7, 5e-5)) << v;
    }
}

}  // namespace
}  // namespace quantivex
