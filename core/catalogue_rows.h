// The catalogue's rows as compile-time data, so that other constant tables of the
// core can be checked against them when they compile. Everything else reads catalogue.h.
#pragma once

#include <array>
#include <string_view>

#include "catalogue.h"

namespace quantivex::catalogue_rows {

// Each row: symbol, menu caption, table factor, and the unit's size in SI by its
// definition. The factors are the window's own figures, rounded to about six
// digits, and every result the window shows rests on them; the SI sizes are exact
// where a definition exists, so the breakdown and the tests can say how far the
// table lies from them (factors.h lists the units where that is more than its
// printed digits). One row a line, as a table is read.
// clang-format off

// Sizes in kg. The pound is the international pound (1959), the ounce 1/16 of it;
// the rest are SI multiples of the gram.
inline constexpr Unit kMass[] = {
    {u"t", u"t", 1, 1000},
    {u"kg", u"kg", 1000, 1},
    {u"lb", u"lb", 2204.62, 0.45359237},
    {u"oz", u"oz", 35273.96, 0.028349523125},  // 0.45359237 / 16
    {u"g", u"g", 1000000, 1e-3},
    {u"mg", u"mg", 1000000000, 1e-6},
    {u"\u03BCg", u"\u03BCg", 1000000000000, 1e-9},
    {u"ng", u"ng", 1000000000000000, 1e-12},
    {u"pg", u"pg", 1e18, 1e-15},
};

// Sizes in m. The yard, foot and inch are the international ones (1959: 0.9144 m,
// a third and a thirty-sixth of it); the angstrom is 1e-10 m.
inline constexpr Unit kLength[] = {
    {u"km", u"km", 1, 1000},
    {u"m", u"m", 1000, 1},
    {u"yd", u"yd", 1093.61, 0.9144},
    {u"ft", u"ft", 3280.84, 0.3048},
    {u"in", u"in", 39370, 0.0254},
    {u"cm", u"cm", 100000, 1e-2},
    {u"mm", u"mm", 1000000, 1e-3},
    {u"\u03BCm", u"\u03BCm", 1000000000, 1e-6},
    {u"nm", u"nm", 1000000000000, 1e-9},
    {u"\u212B", u"\u212B", 10000000000000, 1e-10},
};

// Sizes in m2. An acre is 43560 ft2 and a foot 12 inches, so 43560 x 144 =
// 6272640 in2; with the international foot the acre is 4046.8564224 m2. The
// hectare and the are are 10000 and 100 m2; the rest are squares of lengths.
inline constexpr Unit kArea[] = {
    {u"ac", u"ac(acre)", 1, 4046.8564224},
    {u"ha", u"ha", 0.404686, 1e4},
    {u"a", u"a", 40.4686, 100},
    {u"m2", u"m2", 4046.86, 1},
    {u"ft2", u"ft2", 43560, 0.09290304},    // 0.3048^2
    {u"in2", u"in2", 6272640, 0.00064516},  // 0.0254^2
    {u"cm2", u"cm2", 40468600, 1e-4},
    {u"mm2", u"mm2", 4046860000, 1e-6},
};

// Sizes in m3. The US gallon is 231 in3; the kilolitre and the litre are 1 and
// 1e-3 m3 (the litre's 1964 definition); ft3, in3 and cm3 are cubes of lengths.
inline constexpr Unit kVolume[] = {
    {u"m3", u"m3", 1, 1},
    {u"kl", u"kl(キロリットル)", 1, 1},
    {u"ft3", u"ft3", 35.3147, 0.028316846592},  // 0.3048^3
    {u"gal", u"gal(米)", 264.18, 0.003785411784},  // 231 x 0.0254^3
    {u"l", u"l(リットル)", 1000, 1e-3},
    {u"in3", u"in3", 61023.41, 0.000016387064},  // 0.0254^3
    {u"cm3", u"cm3", 1000000, 1e-6},
};

// Sizes in s. The year is the table's own, 365.2564 days: the sidereal year
// (365.25636 days) to seven digits, neither the calendar nor the tropical year.
// The day, hour and minute are 86400, 3600 and 60 s.
inline constexpr Unit kTime[] = {
    {u"year", u"year", 1, 31558152.96},  // 365.2564 x 86400
    {u"day", u"day", 365.2564, 86400},
    {u"hr", u"hr", 8766.154, 3600},
    {u"min", u"min", 525969.2, 60},
    {u"sec", u"sec", 31558153, 1},
};

// Sizes in N. Kg, Lb and G are the kilogram-, pound- and gram-force: the mass
// under standard gravity, 9.80665 m/s2 (3rd CGPM, 1901); the dyne is 1e-5 N.
inline constexpr Unit kForce[] = {
    {u"Kg", u"Kg", 1, 9.80665},
    {u"Lb", u"Lb", 2.20462, 4.4482216152605},  // 0.45359237 x 9.80665
    {u"N", u"N", 9.80665, 1},
    {u"G", u"G", 1000, 9.80665e-3},
    {u"dyn", u"dyn", 980665, 1e-5},
};

// Sizes in J. A kWhr is 3.6e6 J. The calorie the table follows is the 15 degC
// calorie of 4.1855 J (860.112 kcal per kWhr), not the International Table
// calorie of 4.1868 J nor the thermochemical one of 4.184 J. The Btu is the
// International Table Btu, 1055.05585262 J.
inline constexpr Unit kHeat[] = {
    {u"kWhr", u"kWhr", 1, 3.6e6},
    {u"kcal", u"kcal", 860.112, 4185.5},
    {u"Btu", u"Btu", 3413.81, 1055.05585262},
    {u"cal", u"cal", 860112, 4.1855},
    {u"joul", u"joul", 3600000, 1},
};

// Sizes in Pa. The standard atmosphere is 101325 Pa and the torr 1/760 of it;
// the bar is 1e5 Pa. Kg/cm2 and Lb/in2 are the kilogram- and pound-force over the
// square centimetre and inch; the metre of water is the conventional one (1000
// kg/m3 under standard gravity) and the millimetre of mercury the conventional one
// (13595.1 kg/m3 under standard gravity).
inline constexpr Unit kPressure[] = {
    {u"atm", u"atm", 1, 101325},
    {u"bar", u"bar", 1.01325, 1e5},
    {u"Kg/cm2", u"Kg/cm2", 1.033227, 98066.5},
    {u"Lb/in2", u"Lb/in2", 14.696, 4.4482216152605 / 0.00064516},
    {u"mH2O", u"mH2O", 10.3416, 9806.65},
    {u"mmHg", u"mmHg", 760, 133.322387415},  // 13595.1 x 9.80665 x 0.001
    {u"Torr", u"Torr", 760, 101325.0 / 760},
    {u"Pa", u"Pa", 101325, 1},
    {u"hPa", u"hPa", 1013.25, 100},
    {u"kPa", u"kPa", 101.325, 1000},
    {u"MPa", u"MPa", 0.101325, 1e6},
};

// clang-format on

// The token lists are written out because the window searches them as text;
// catalogue.cpp's static_asserts keep them in step with the rows.
inline constexpr std::array<Category, 8> kCategories{{
    {u"M", u"質量", "MASS", u" t kg lb oz g mg \u03BCg ng pg ", kMass},
    {u"L", u"長さ", "LENG", u" km m yd ft in cm mm \u03BCm nm \u212B ", kLength},
    {u"S", u"面積", "AREA", u" ac ha a m2 ft2 in2 cm2 mm2 ", kArea},
    {u"B", u"体積", "VOL", u" m3 kl ft3 gal l in3 cm3 ", kVolume},
    {u"T", u"時間", "TIM", u" year day hr min sec ", kTime},
    {u"F", u"力", "FORCE", u" Kg Lb N G dyn ", kForce},
    {u"J", u"熱量", "THERM", u" kWhr kcal Btu cal joul ", kHeat},
    {u"P", u"圧力", "PRESS", u" atm bar Kg/cm2 Lb/in2 mH2O mmHg Torr Pa hPa kPa MPa ", kPressure},
}};

// Whether a symbol is one of the catalogue's units, for static_asserts elsewhere.
constexpr bool isSymbol(std::u16string_view symbol) {
    for (const Category& c : kCategories) {
        for (const Unit& u : c.units) {
            if (u.symbol == symbol) return true;
        }
    }
    return false;
}

}  // namespace quantivex::catalogue_rows
