#include "factors.h"

#include <charconv>
#include <cmath>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "catalogue.h"

namespace quantivex {
namespace {

// Conversions known outside this program, against the table's figures. The
// table keeps six or seven significant digits (its year is 365.2564 days),
// so the relative tolerance is 1e-5 unless the figure is exact by definition.
struct Known {
    const char16_t* code;
    const char16_t* from;
    const char16_t* to;
    double expected;
    double tolerance;
};

TEST(UnitRatio, AgreesWithKnownPhysicalConversions) {
    const Known rows[] = {
        {u"M", u"t", u"kg", 1000, 0},
        {u"M", u"kg", u"lb", 1 / 0.45359237, 1e-5},  // 1 lb = 0.45359237 kg
        {u"M", u"kg", u"oz", 16 / 0.45359237, 1e-5},
        {u"M", u"kg", u"t", 0.001, 0},
        {u"L", u"m", u"ft", 1 / 0.3048, 1e-5},  // 1 ft = 0.3048 m
        {u"L", u"m", u"yd", 1 / 0.9144, 1e-5},
        {u"L", u"ft", u"in", 12, 1e-5},
        {u"L", u"m", u"in", 1 / 0.0254, 1e-5},
        {u"S", u"ac", u"ha", 0.40468564224, 1e-5},  // 1 acre = 4046.8564224 m2
        {u"S", u"ha", u"m2", 10000, 1e-9},
        {u"B", u"m3", u"ft3", 1 / (0.3048 * 0.3048 * 0.3048), 1e-5},
        {u"B", u"m3", u"in3", 1 / (0.0254 * 0.0254 * 0.0254), 1e-5},
        {u"B", u"m3", u"l", 1000, 0},
        {u"B", u"m3", u"kl", 1, 0},
        {u"T", u"hr", u"sec", 3600, 1e-5},
        {u"T", u"day", u"hr", 24, 1e-5},
        {u"T", u"min", u"sec", 60, 1e-5},
        {u"T", u"year", u"day", 365.256363, 1e-6},  // the sidereal year
        {u"F", u"Kg", u"N", 9.80665, 0},            // standard gravity, exact
        {u"F", u"N", u"dyn", 100000, 1e-12},
        {u"F", u"Kg", u"Lb", 1 / 0.45359237, 1e-5},
        {u"J", u"kWhr", u"joul", 3600000, 0},
        {u"P", u"atm", u"Pa", 101325, 0},
        {u"P", u"atm", u"bar", 1.01325, 0},
        {u"P", u"atm", u"mmHg", 760, 0},
        {u"P", u"mmHg", u"Torr", 1, 0},
        {u"P", u"atm", u"Kg/cm2", 101325 / 98066.5, 1e-5},  // 1 kgf/cm2 = 98066.5 Pa
        {u"P", u"atm", u"Lb/in2", 101325 * 0.0254 * 0.0254 / (0.45359237 * 9.80665), 1e-5},
        {u"P", u"kPa", u"Pa", 1000, 1e-12},
        {u"P", u"MPa", u"hPa", 10000, 1e-12},
    };
    for (const Known& row : rows) {
        const std::optional<double> ratio = unitRatio(row.code, row.from, row.to);
        ASSERT_TRUE(ratio);
        EXPECT_NEAR(*ratio, row.expected, row.expected * row.tolerance)
            << "row " << (&row - rows) << " of the known conversions";
    }
}

// Half a unit in the last digit the table prints for a factor: 0.005 for 2204.62.
// An integer ending in zeros (39370, 1000000) is read to six significant digits,
// since its zeros may stand for digits the table left out.
double halfLastPrintedDigit(double factor) {
    char buffer[400];
    const std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, factor, std::chars_format::fixed).ptr);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) return 0.5 * std::pow(10.0, -static_cast<double>(text.size() - point - 1));
    if (text.back() != '0') return 0.5;
    return 0.5 * std::pow(10.0, static_cast<double>(text.size()) - 6);
}

std::string utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

// Each factor against the one its definitions give, SI(reference unit) / SI(unit).
// A new departure fails, so does a listed one that is gone or has changed size:
// the breakdown and the help show that list.
TEST(TableFactors, FollowTheDefinitionsToTheirLastPrintedDigitSaveTheListedDepartures) {
    std::map<std::u16string, double> measured;
    for (const Category& c : categories()) {
        for (const Unit& u : c.units) {
            const std::optional<double> byDefinition = definedRatio(c.code, c.units[0].symbol, u.symbol);
            ASSERT_TRUE(byDefinition);
            if (std::fabs(u.factor - *byDefinition) <= halfLastPrintedDigit(u.factor)) continue;
            const double relative = u.factor / *byDefinition - 1;
            measured[std::u16string(u.symbol)] = relative;
            const TableDeparture* listed = tableDeparture(u.symbol);
            if (listed == nullptr) {
                ADD_FAILURE() << utf8(u.symbol) << ": the table says " << u.factor << ", its definition "
                              << *byDefinition << ", a departure of " << relative << " that is not listed";
                continue;
            }
            EXPECT_EQ(listed->code, c.code) << utf8(u.symbol);
            // The listed size is the measured one to two significant digits.
            const double lastDigit = std::pow(10.0, std::floor(std::log10(std::fabs(relative))) - 1);
            EXPECT_NEAR(listed->relative, relative, lastDigit / 2)
                << utf8(u.symbol) << " (" << listed->why << ") is listed as " << listed->relative;
        }
    }
    for (const TableDeparture& d : tableDepartures()) {
        EXPECT_TRUE(measured.contains(std::u16string(d.symbol)))
            << utf8(d.symbol) << " is listed as a departure but its factor follows its definition";
    }
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
    EXPECT_FALSE(unitDefinition(u"F", u"kg"));
    EXPECT_FALSE(unitDefinition(u"Z", u"kg"));
    EXPECT_FALSE(definedRatio(u"M", u"kg", u"Kg"));
    EXPECT_FALSE(definedRatio(u"M", u"", u"kg"));
    EXPECT_FALSE(tableDeparture(u"kg"));
}

}  // namespace
}  // namespace quantivex
