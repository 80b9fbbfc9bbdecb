// The breakdown's reasons in words, where the two sides do not pair: the core
// finds where, the window says it.
#include "breakdown_report.h"

#include <gtest/gtest.h>

namespace quantivex {
namespace {

Equation sides(std::u16string ln, std::u16string ld, std::u16string rn, std::u16string rd) {
    return {true, {u"1", std::move(ln), std::move(ld), u"", u""}, {u"1", std::move(rn), std::move(rd), u"", u""}};
}

TEST(BreakdownReport, SaysWhyTheSidesDoNotPairAndShowsNoFigure) {
    const std::pair<Equation, std::u16string_view> cases[] = {
        {sides(u"", u"", u"kg", u""), u"左辺に単位がありません"},
        {sides(u"kg", u"", u"kg\uFF65m", u""), u"左辺と右辺の分子の単位の数が違います"},
        {sides(u"kg", u"sec", u"lb", u""), u"左辺と右辺の分母の単位の数が違います"},
        {sides(u"kgg", u"", u"kg", u""), u"左辺の分子の単位が正しくありません「kgg」"},
        {sides(u"kg", u"sec", u"lb", u"mn"), u"右辺の分母の単位が正しくありません「mn」"},
        {sides(u"kg\uFF65", u"", u"kg", u""), u"左辺の分子の単位が正しくありません「kg\uFF65」"},
        {sides(u"kg", u"", u"N", u""), u"分子の kg（質量）と N（力）は種類が違います"},
        {sides(u"m", u"sec\uFF65kg", u"m", u"sec\uFF65Kg"), u"分母の kg（質量）と Kg（力）は種類が違います"},
    };
    for (const auto& [equation, reason] : cases) {
        const BreakdownReport report = breakdownReport(equation);
        EXPECT_FALSE(report.paired);
        EXPECT_EQ(report.reason, reason);
        EXPECT_EQ(report.text(), reason);
    }
    std::u16string tons, picograms;
    for (int i = 0; i < 18; ++i) {
        tons += i == 0 ? u"t" : u"\uFF65t";
        picograms += i == 0 ? u"pg" : u"\uFF65pg";
    }
    EXPECT_EQ(breakdownReport(sides(tons, u"", picograms, u"")).reason, u"倍率が計算できる範囲を超えています");
}

TEST(BreakdownReport, WritesSmallDifferencesInPlainDecimalsAndSaysWhenABoxIsOpen) {
    // 1 kg shown as 2.204622 lb lies 2.8e-7 under 1/0.45359237 lb.
    const Equation e{true, {u"1", u"kg", u"", u"M", u""}, {u"2.204622", u"lb", u"", u"M", u""}};
    const std::u16string text = breakdownReport(e).text();
    EXPECT_NE(text.find(u"（定義による値との差 −0.000028 %）"), std::u16string::npos)
        << std::string(text.begin(), text.end());
    EXPECT_EQ(text.find(u"E-"), std::u16string::npos);
    const BreakdownReport editing = breakdownReport(e, true);
    EXPECT_TRUE(editing.text().starts_with(u"入力中の値はまだ反映されていません\n"));
    EXPECT_TRUE(editing.copyText().starts_with(u"1 kg = 2.204622 lb\n入力中の値"));
}

}  // namespace
}  // namespace quantivex
