// Catalogue data. Every fact about a unit lives in exactly one row below; the
// token lists are written out because the window searches them as text, and
// the static_asserts keep them in step with the rows.
#include "catalogue.h"

#include <array>

namespace quantivex {
namespace {

constexpr Unit kMass[] = {
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

constexpr Unit kLength[] = {
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
constexpr Unit kArea[] = {
    {u"ac", u"ac(acre)", 1},
    {u"ha", u"ha", 0.404686},
    {u"a", u"a", 40.4686},
    {u"m2", u"m2", 4046.86},
    {u"ft2", u"ft2", 43560},
    {u"in2", u"in2", 6272640},
    {u"cm2", u"cm2", 40468600},
    {u"mm2", u"mm2", 4046860000},
};

constexpr Unit kVolume[] = {
    {u"m3", u"m3", 1},
    {u"kl", u"kl(キロリットル)", 1},
    {u"ft3", u"ft3", 35.3147},
    {u"gal", u"gal(米)", 264.18},
    {u"l", u"l(リットル)", 1000},
    {u"in3", u"in3", 61023.41},
    {u"cm3", u"cm3", 1000000},
};

// A year of 365.2564 days.
constexpr Unit kTime[] = {
    {u"year", u"year", 1},
    {u"day", u"day", 365.2564},
    {u"hr", u"hr", 8766.154},
    {u"min", u"min", 525969.2},
    {u"sec", u"sec", 31558153},
};

constexpr Unit kForce[] = {
    {u"Kg", u"Kg", 1},
    {u"Lb", u"Lb", 2.20462},
    {u"N", u"N", 9.80665},
    {u"G", u"G", 1000},
    {u"dyn", u"dyn", 980665},
};

constexpr Unit kHeat[] = {
    {u"kWhr", u"kWhr", 1},
    {u"kcal", u"kcal", 860.112},
    {u"Btu", u"Btu", 3413.81},
    {u"cal", u"cal", 860112},
    {u"joul", u"joul", 3600000},
};

constexpr Unit kPressure[] = {
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

constexpr std::array<Category, 8> kCategories{{
    {u"M", u"質量", "MASS", u" t kg lb oz g mg \u03BCg ng pg ", kMass},
    {u"L", u"長さ", "LENG", u" km m yd ft in cm mm \u03BCm nm \u212B ", kLength},
    {u"S", u"面積", "AREA", u" ac ha a m2 ft2 in2 cm2 mm2 ", kArea},
    {u"B", u"体積", "VOL", u" m3 kl ft3 gal l in3 cm3 ", kVolume},
    {u"T", u"時間", "TIM", u" year day hr min sec ", kTime},
    {u"F", u"力", "FORCE", u" Kg Lb N G dyn ", kForce},
    {u"J", u"熱量", "THERM", u" kWhr kcal Btu cal joul ", kHeat},
    {u"P", u"圧力", "PRESS", u" atm bar Kg/cm2 Lb/in2 mH2O mmHg Torr Pa hPa kPa MPa ", kPressure},
}};

constexpr bool tokenListMatchesUnits(const Category& c) {
    std::size_t pos = 0;
    if (c.tokenList.empty() || c.tokenList[pos++] != u' ') return false;
    for (const Unit& u : c.units) {
        if (c.tokenList.substr(pos, u.symbol.size()) != u.symbol) return false;
        pos += u.symbol.size();
        if (pos >= c.tokenList.size() || c.tokenList[pos++] != u' ') return false;
    }
    return pos == c.tokenList.size();
}

constexpr bool symbolsAreUniqueAndPlain() {
    for (const Category& a : kCategories) {
        for (const Unit& ua : a.units) {
            for (char16_t ch : ua.symbol) {
                if (ch == u' ' || isUnitSeparator(ch)) return false;
            }
            int seen = 0;
            for (const Category& b : kCategories) {
                for (const Unit& ub : b.units) seen += (ua.symbol == ub.symbol) ? 1 : 0;
            }
            if (seen != 1) return false;
        }
    }
    return true;
}

constexpr std::size_t unitCount() {
    std::size_t n = 0;
    for (const Category& c : kCategories) n += c.units.size();
    return n;
}

constexpr bool everyCategoryWellFormed() {
    for (const Category& c : kCategories) {
        if (c.code.size() != 1 || c.code[0] < u'A' || c.code[0] > u'Z') return false;
        if (!tokenListMatchesUnits(c)) return false;
        if (c.units.empty() || c.units[0].factor != 1) return false;  // reference unit first
        for (const Unit& u : c.units) {
            if (!(u.factor > 0)) return false;
        }
    }
    return true;
}

static_assert(unitCount() == 60, "the catalogue has sixty units");
static_assert(everyCategoryWellFormed(), "codes, token lists or reference units are off");
static_assert(symbolsAreUniqueAndPlain(), "unit symbols must be unique and free of blanks and separators");

}  // namespace

std::span<const Category> categories() { return kCategories; }

const Category* findCategory(std::u16string_view code) {
    for (const Category& c : kCategories) {
        if (c.code == code) return &c;
    }
    return nullptr;
}

const Unit* unitAt(std::u16string_view code, int index) {
    const Category* c = findCategory(code);
    if (c == nullptr || index < 1 || static_cast<std::size_t>(index) > c->units.size()) return nullptr;
    return &c->units[static_cast<std::size_t>(index) - 1];
}

int unitIndex(std::u16string_view code, std::u16string_view symbol) {
    const Category* c = findCategory(code);
    if (c == nullptr) return 0;
    for (std::size_t i = 0; i < c->units.size(); ++i) {
        if (c->units[i].symbol == symbol) return static_cast<int>(i) + 1;
    }
    return 0;
}

std::u16string_view categoryOfSymbol(std::u16string_view symbol) {
    for (const Category& c : kCategories) {
        for (const Unit& u : c.units) {
            if (u.symbol == symbol) return c.code;
        }
    }
    return {};
}

std::u16string_view tokenList(std::u16string_view code) {
    const Category* c = findCategory(code);
    return c != nullptr ? c->tokenList : std::u16string_view{};
}

std::u16string separatorForm(std::u16string_view symbol) {
    std::u16string s(1, kUnitSeparator);
    s += symbol;
    return s;
}

std::vector<std::u16string> splitUnits(std::u16string_view expression) {
    std::vector<std::u16string> tokens;
    if (expression.empty()) return tokens;
    std::size_t start = 0;
    for (std::size_t i = 0; i < expression.size(); ++i) {
        if (isUnitSeparator(expression[i])) {
            tokens.emplace_back(expression.substr(start, i - start));
            start = i + 1;
        }
    }
    tokens.emplace_back(expression.substr(start));
    return tokens;
}

std::u16string joinUnits(std::span<const std::u16string> tokens) {
    std::u16string out;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0) out += kUnitSeparator;
        out += tokens[i];
    }
    return out;
}

}  // namespace quantivex
