#include "typed_line.h"

#include <gtest/gtest.h>

#include "catalogue.h"

namespace quantivex {
namespace {

using Units = std::vector<std::u16string_view>;

TEST(TypedLine, ReadsTheValueAsTheFirstWordOrTheNumberThatStartsIt) {
    const TypedLine spaced = readTypedLine(u"  5 kg");
    EXPECT_EQ(spaced.value, u"5");
    EXPECT_EQ(spaced.valueAt, 2u);
    EXPECT_EQ(readTypedLine(u"\uFF15\uFF0E\uFF15 kg").value, u"5.5") << "full-width digits read as ASCII";
    const TypedLine attached = readTypedLine(u"1e3kg/s");
    EXPECT_EQ(attached.value, u"1e3");
    EXPECT_EQ(attached.left, (UnitFraction{{u"kg"}, {u"sec"}}));
    // Not judged here: the window refuses these as its value box does.
    EXPECT_EQ(readTypedLine(u"1,000 kg").value, u"1,000");
    EXPECT_EQ(readTypedLine(u"5e kg").value, u"5e");
    EXPECT_EQ(readTypedLine(u"").fault, LineFault::NoValue);
    EXPECT_EQ(readTypedLine(u" \t ").fault, LineFault::NoValue);
}

TEST(TypedLine, ReadsCatalogueSymbolsAsWrittenAndTheCommonSpellings) {
    EXPECT_EQ(readTypedLine(u"1 kg").left.numerator, Units{u"kg"});
    EXPECT_EQ(readTypedLine(u"1 Kg").left.numerator, Units{u"Kg"}) << "the force unit, not the mass";
    EXPECT_EQ(readTypedLine(u"1 Kg/cm2").left, (UnitFraction{{u"Kg/cm2"}, {}})) << "one pressure unit";
    EXPECT_EQ(readTypedLine(u"1 kg/cm2").left, (UnitFraction{{u"kg"}, {u"cm2"}}));
    EXPECT_EQ(readTypedLine(u"1 Kg/cm2/s").left, (UnitFraction{{u"Kg/cm2"}, {u"sec"}}));
    EXPECT_EQ(readTypedLine(u"1 kgf/cm2").left.numerator, Units{u"Kg/cm2"});
    EXPECT_EQ(readTypedLine(u"1 psi").left.numerator, Units{u"Lb/in2"});
    EXPECT_EQ(readTypedLine(u"1 hPa").left.numerator, Units{u"hPa"}) << "not h then Pa";
    const std::pair<std::u16string_view, std::u16string_view> spellings[] = {
        {u"s", u"sec"},      {u"h", u"hr"},       {u"d", u"day"},          {u"yr", u"year"},
        {u"L", u"l"},        {u"kL", u"kl"},      {u"mL", u"cm3"},         {u"cc", u"cm3"},
        {u"ug", u"\u03BCg"}, {u"um", u"\u03BCm"}, {u"kWh", u"kWhr"},       {u"J", u"joul"},
        {u"kgf", u"Kg"},     {u"lbf", u"Lb"},     {u"kgf/cm2", u"Kg/cm2"}, {u"psi", u"Lb/in2"}};
    for (const auto& [typed, symbol] : spellings) {
        EXPECT_EQ(unitOfName(typed), symbol) << std::string(typed.begin(), typed.end());
        EXPECT_TRUE(categoryOfSymbol(typed).empty()) << "a spelling that is also a symbol would mean two units";
    }
    for (const Category& c : categories()) {
        for (const Unit& u : c.units) EXPECT_EQ(unitOfName(u.symbol), u.symbol);
    }
    EXPECT_TRUE(unitOfName(u"KG").empty());
}

TEST(TypedLine, JoinsUnitsWithAnyDotAndRefusesAGapBesideASeparatorOrTheBar) {
    for (std::u16string_view dot : {u"\uFF65", u"\u30FB", u"*", u"\u00B7", u"."}) {
        const std::u16string text = u"1 kg" + std::u16string(dot) + u"m/s";
        EXPECT_EQ(readTypedLine(text).left, (UnitFraction{{u"kg", u"m"}, {u"sec"}}));
    }
    const struct {
        std::u16string_view text;
        LineFault fault;
        std::size_t at;
        std::u16string_view token;
    } faults[] = {
        {u"1 kg\u30FB\u30FBm", LineFault::EmptySeparator, 5, u"\u30FB"},
        {u"1 *kg", LineFault::EmptySeparator, 2, u"*"},
        {u"1 kg.", LineFault::EmptySeparator, 4, u"."},
        {u"1 kg/", LineFault::EmptySeparator, 4, u"/"},
        {u"1 /s", LineFault::EmptySeparator, 2, u"/"},
        {u"1 kg/s/min", LineFault::SecondSlash, 6, u"/"},
        {u"1 kgg lb", LineFault::UnknownUnit, 2, u"kgg"},
        {u"1 kg lbb", LineFault::UnknownUnit, 5, u"lbb"},
        {u"1 kg lb oz", LineFault::UnknownUnit, 8, u"oz"},
        {u"5", LineFault::NoUnit, 1, u""},
        {u"5 \u2192 lb", LineFault::NoUnit, 2, u""},
        {u"5 kg ->", LineFault::NoUnit, 7, u""},
    };
    for (const auto& f : faults) {
        const TypedLine line = readTypedLine(f.text);
        const std::string which(f.text.begin(), f.text.end());
        EXPECT_EQ(line.fault, f.fault) << which;
        EXPECT_EQ(line.at, f.at) << which;
        EXPECT_EQ(line.token, f.token) << which;
    }
}

TEST(TypedLine, TakesTheRightSideWithOrWithoutAnArrowOrAWord) {
    for (std::u16string_view text : {u"5 kg/s lb/min", u"5 kg/s \u2192 lb/min", u"5 kg/s->lb/min", u"5 kg/s = lb/min",
                                     u"5 kg/s to lb/min", u"5 kg/s in lb/min", u"5 kg/s\u2192lb/min"}) {
        const TypedLine line = readTypedLine(text);
        EXPECT_EQ(line.fault, LineFault::None) << std::string(text.begin(), text.end());
        EXPECT_EQ(line.target, (UnitFraction{{u"lb"}, {u"min"}}));
    }
    // "in" is an inch where it is no word between two fractions.
    EXPECT_EQ(readTypedLine(u"5 m in").target.numerator, Units{u"in"});
    EXPECT_EQ(readTypedLine(u"5 in in cm").target.numerator, Units{u"cm"});
    EXPECT_EQ(readTypedLine(u"5 kg/s").target, (UnitFraction{{u"kg"}, {u"sec"}})) << "no right side: the left";
}

TEST(TypedLine, PutsEachRightUnitAtTheFirstFreePlaceOfItsCategory) {
    EXPECT_EQ(readTypedLine(u"1 kg\u30FBm/s lb\u30FBft/min").target, (UnitFraction{{u"lb", u"ft"}, {u"min"}}));
    EXPECT_EQ(readTypedLine(u"1 kg\u30FBm/s ft\u30FBlb/min").target, (UnitFraction{{u"lb", u"ft"}, {u"min"}}));
    EXPECT_EQ(readTypedLine(u"1 m\u30FBm m\u30FBft").target.numerator, (Units{u"m", u"ft"}));
    EXPECT_EQ(fractionText(readTypedLine(u"1 kg*m*m/s*s").target), u"kg\uFF65m\uFF65m/sec\uFF65sec");
    // A denominator in brackets, as copy writes it, reads the same.
    EXPECT_EQ(readTypedLine(u"1 kg/(s\uFF65s) lb/(min\uFF65min)").target, (UnitFraction{{u"lb"}, {u"min", u"min"}}));
    const TypedLine differ = readTypedLine(u"1 kg/s m/s");
    EXPECT_EQ(differ.fault, LineFault::CategoriesDiffer);
    EXPECT_EQ(differ.at, 7u);
    ASSERT_TRUE(differ.right.has_value()) << "kept, so the window can name both sides' categories";
    EXPECT_EQ(readTypedLine(u"1 m\u30FBm ft").fault, LineFault::CategoriesDiffer) << "the shape counts too";
    EXPECT_EQ(readTypedLine(u"1 kg/s lb").fault, LineFault::CategoriesDiffer);
}

}  // namespace
}  // namespace quantivex
