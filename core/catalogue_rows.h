// The catalogue's rows as compile-time data, so that other constant tables of the
// core can be checked against them when they compile. Everything else reads catalogue.h.
#pragma once

#include <array>
#include <string_view>

#include "catalogue.h"

namespace quantivex::catalogue_rows {

inline constexpr Unit kMass[] = {
    {u"t", u"t", 1},
    {u"kg", u"kg", 1000},
    {u"lb", u"lb", 2204.62},
    {u"oz", u"oz", 35273.96},
    {u"g", u"g", 1000000},
    {u"mg", u"mg", 1000000000},
    {u"\u03BCg", u"\u03BCg", 1000000000000},
    {u"ng", u"ng", 1000000000000000},
    {u"pg", u"pg", 1e18},
};

inline constexpr Unit kLength[] = {
    {u"km", u"km", 1},
    {u"m", u"m", 1000},
    {u"yd", u"yd", 1093.61},
    {u"ft", u"ft", 3280.84},
    {u"in", u"in", 39370},
    {u"cm", u"cm", 100000},
    {u"mm", u"mm", 1000000},
    {u"\u03BCm", u"\u03BCm", 1000000000},
    {u"nm", u"nm", 1000000000000},
    {u"\u212B", u"\u212B", 10000000000000},
};

// An acre is 43560 ft2 and a foot 12 inches, so 43560 x 144 = 6272640 in2.
inline constexpr Unit kArea[] = {
    {u"ac", u"ac(acre)", 1}, {u"ha", u"ha", 0.404686},  {u"a", u"a", 40.4686},      {u"m2", u"m2", 4046.86},
    {u"ft2", u"ft2", 43560}, {u"in2", u"in2", 6272640}, {u"cm2", u"cm2", 40468600}, {u"mm2", u"mm2", 4046860000},
};

inline constexpr Unit kVolume[] = {
    {u"m3", u"m3", 1},
    {u"kl", u"kl(キロリットル)", 1},
    {u"ft3", u"ft3", 35.3147},
    {u"gal", u"gal(米)", 264.18},
    {u"l", u"l(リットル)", 1000},
    {u"in3", u"in3", 61023.41},
    {u"cm3", u"cm3", 1000000},
};

// A year of 365.2564 days.
inline constexpr Unit kTime[] = {
    {u"year", u"year", 1},      {u"day", u"day", 365.2564}, {u"hr", u"hr", 8766.154},
    {u"min", u"min", 525969.2}, {u"sec", u"sec", 31558153},
};

inline constexpr Unit kForce[] = {
    {u"Kg", u"Kg", 1}, {u"Lb", u"Lb", 2.20462}, {u"N", u"N", 9.80665}, {u"G", u"G", 1000}, {u"dyn", u"dyn", 980665},
};

inline constexpr Unit kHeat[] = {
    {u"kWhr", u"kWhr", 1},    {u"kcal", u"kcal", 860.112}, {u"Btu", u"Btu", 3413.81},
    {u"cal", u"cal", 860112}, {u"joul", u"joul", 3600000},
};

inline constexpr Unit kPressure[] = {
    {u"atm", u"atm", 1},
    {u"bar", u"bar", 1.01325},
    {u"Kg/cm2", u"Kg/cm2", 1.033227},
    {u"Lb/in2", u"Lb/in2", 14.696},
    {u"mH2O", u"mH2O", 10.3416},
    {u"mmHg", u"mmHg", 760},
    {u"Torr", u"Torr", 760},
    {u"Pa", u"Pa", 101325},
    {u"hPa", u"hPa", 1013.25},
    {u"kPa", u"kPa", 101.325},
    {u"MPa", u"MPa", 0.101325},
};

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
