// Case is folded for ASCII letters only: every symbol is ASCII apart from μ and
// Å, and a typed capital mu or small angstrom is too rare to be worth a table.
#include "unit_suggestions.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "catalogue.h"
#include "catalogue_rows.h"

namespace quantivex {
namespace {

constexpr char16_t folded(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

constexpr bool sameIgnoringCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

// Names and spellings people type for a unit, blank-separated and in lower case.
// Spellings that differ from a symbol only in case ("btu", "torr", "mmhg") are
// left out: the case rule finds them.
struct CommonNames {
    std::u16string_view symbol;
    std::u16string_view names;
};

constexpr CommonNames kCommonNames[] = {
    {u"t", u"ton tons tonne tonnes トン"},
    {u"kg", u"kilogram kilograms kilo kilos キログラム"},
    {u"lb", u"pound pounds lbs ポンド"},
    {u"oz", u"ounce ounces オンス"},
    {u"g", u"gram grams gramme グラム"},
    {u"mg", u"milligram milligrams ミリグラム"},
    {u"\u03BCg", u"microgram micrograms ug mcg マイクログラム"},
    {u"ng", u"nanogram nanograms ナノグラム"},
    {u"pg", u"picogram picograms ピコグラム"},
    {u"km", u"kilometer kilometers kilometre kilometres キロメートル"},
    {u"m", u"meter meters metre metres メートル"},
    {u"yd", u"yard yards ヤード"},
    {u"ft", u"foot feet フィート"},
    {u"in", u"inch inches インチ"},
    {u"cm", u"centimeter centimeters centimetre centimetres センチメートル センチ"},
    {u"mm", u"millimeter millimeters millimetre millimetres ミリメートル"},
    {u"\u03BCm", u"micrometer micrometers micrometre micrometres micron microns um マイクロメートル ミクロン"},
    {u"nm", u"nanometer nanometers nanometre nanometres ナノメートル"},
    {u"\u212B", u"angstrom angstroms オングストローム"},
    {u"ac", u"acre acres エーカー"},
    {u"ha", u"hectare hectares ヘクタール"},
    {u"a", u"are ares アール"},
    {u"m2", u"m^2 m\u00B2 sqm 平方メートル 平米"},
    {u"ft2", u"ft^2 ft\u00B2 sqft 平方フィート"},
    {u"in2", u"in^2 in\u00B2 sqin 平方インチ"},
    {u"cm2", u"cm^2 cm\u00B2 平方センチメートル"},
    {u"mm2", u"mm^2 mm\u00B2 平方ミリメートル"},
    {u"m3", u"m^3 m\u00B3 立方メートル"},
    {u"kl", u"kiloliter kiloliters kilolitre kilolitres キロリットル"},
    {u"ft3", u"ft^3 ft\u00B3 cuft 立方フィート"},
    {u"gal", u"gallon gallons ガロン"},
    {u"l", u"liter liters litre litres リットル"},
    {u"in3", u"in^3 in\u00B3 立方インチ"},
    {u"cm3", u"cm^3 cm\u00B3 cc 立方センチメートル"},
    {u"year", u"years yr yrs y 年"},
    {u"day", u"days d 日"},
    {u"hr", u"hour hours hrs h 時間"},
    {u"min", u"minute minutes mins 分"},
    {u"sec", u"second seconds secs s 秒"},
    {u"Kg", u"kgf kilogram-force 重量キログラム"},
    {u"Lb", u"lbf pound-force 重量ポンド"},
    {u"N", u"newton newtons ニュートン"},
    {u"G", u"gf gram-force 重量グラム"},
    {u"dyn", u"dyne dynes ダイン"},
    {u"kWhr", u"kwh kilowatt-hour キロワット時"},
    {u"kcal", u"kilocalorie kilocalories キロカロリー"},
    {u"cal", u"calorie calories カロリー"},
    {u"joul", u"joule joules j ジュール"},
    {u"atm", u"atmosphere atmospheres 気圧"},
    {u"bar", u"bars バール"},
    {u"Kg/cm2", u"kgf/cm2 kgf/cm^2"},
    {u"Lb/in2", u"psi lbf/in2"},
    {u"mH2O", u"mmh2o mmaq 水柱メートル"},
    {u"mmHg", u"水銀柱ミリメートル"},
    {u"Torr", u"トル"},
    {u"Pa", u"pascal pascals パスカル"},
    {u"hPa", u"hectopascal hectopascals mbar millibar ヘクトパスカル ミリバール"},
    {u"kPa", u"kilopascal kilopascals キロパスカル"},
    {u"MPa", u"megapascal megapascals メガパスカル"},
};

// The rows flattened to one name per entry, for the checks below and the look-up.
struct NamedUnit {
    std::u16string_view name;
    std::u16string_view symbol;
};

template <typename F>
constexpr void forEachName(F f) {
    for (const CommonNames& row : kCommonNames) {
        std::size_t start = 0;
        while (start <= row.names.size()) {
            const std::size_t end = std::min(row.names.find(u' ', start), row.names.size());
            f(NamedUnit{row.names.substr(start, end - start), row.symbol});
            start = end + 1;
        }
    }
}

constexpr std::size_t nameCount() {
    std::size_t n = 0;
    forEachName([&n](NamedUnit) { ++n; });
    return n;
}

constexpr std::array<NamedUnit, nameCount()> kNames = [] {
    std::array<NamedUnit, nameCount()> names{};
    std::size_t i = 0;
    forEachName([&](NamedUnit n) { names[i++] = n; });
    return names;
}();

constexpr bool everyNameLeadsToAUnit() {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const NamedUnit& n = kNames[i];
        if (n.name.empty() || !catalogue_rows::isSymbol(n.symbol)) return false;
        for (char16_t c : n.name) {
            if (folded(c) != c) return false;  // lower case, so the table reads one way
        }
        for (std::size_t j = i + 1; j < kNames.size(); ++j) {
            if (kNames[j].name == n.name) return false;
        }
        for (const Category& c : catalogue_rows::kCategories) {
            for (const Unit& u : c.units) {
                if (sameIgnoringCase(u.symbol, n.name)) return false;  // the case rule's business
            }
        }
    }
    return true;
}

static_assert(everyNameLeadsToAUnit(),
              "each row must lead to a catalogue symbol, and each name be single-blank separated, in lower "
              "case, not a unit itself and in one row only");

// How many edits a token may be away from a suggestion. A one-letter token is one
// edit from every one-letter unit, and at two to four letters two edits leave
// little of it, so short tokens get one edit and very short ones none.
std::size_t reachOf(std::size_t length) {
    if (length <= 1) return 0;
    return length <= 4 ? 1 : 2;
}

// Edits between two short texts, ignoring case: insertions, deletions,
// substitutions and swaps of neighbours (optimal string alignment).
std::size_t editDistance(std::u16string_view a, std::u16string_view b) {
    const std::size_t width = b.size() + 1;
    std::vector<std::size_t> d((a.size() + 1) * width);
    auto at = [&](std::size_t i, std::size_t j) -> std::size_t& { return d[i * width + j]; };
    for (std::size_t i = 0; i <= a.size(); ++i) at(i, 0) = i;
    for (std::size_t j = 0; j <= b.size(); ++j) at(0, j) = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = folded(a[i - 1]) == folded(b[j - 1]) ? 0 : 1;
            at(i, j) = std::min({at(i - 1, j) + 1, at(i, j - 1) + 1, at(i - 1, j - 1) + cost});
            if (i > 1 && j > 1 && folded(a[i - 1]) == folded(b[j - 2]) && folded(a[i - 2]) == folded(b[j - 1])) {
                at(i, j) = std::min(at(i, j), at(i - 2, j - 2) + 1);
            }
        }
    }
    return at(a.size(), b.size());
}

std::u16string_view namedUnit(std::u16string_view token) {
    for (const NamedUnit& n : kNames) {
        if (sameIgnoringCase(n.name, token)) return n.symbol;
    }
    return {};
}

std::vector<std::u16string_view> editsAway(std::u16string_view token) {
    // Lengths further apart than the reach cannot be within it: skipping them
    // first keeps a long token from costing more than a glance.
    const std::size_t reach = reachOf(token.size());
    std::vector<std::pair<std::size_t, std::u16string_view>> near;
    for (const Category& c : categories()) {
        for (const Unit& u : c.units) {
            const std::size_t apart = std::max(u.symbol.size(), token.size()) - std::min(u.symbol.size(), token.size());
            if (apart > reach) continue;
            const std::size_t distance = editDistance(token, u.symbol);
            if (distance > 0 && distance <= reach) near.emplace_back(distance, u.symbol);
        }
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::u16string_view> symbols;
    for (const auto& [distance, symbol] : near) symbols.push_back(symbol);
    return symbols;
}

}  // namespace

std::vector<std::u16string_view> suggestUnits(std::u16string_view token) {
    std::vector<std::u16string_view> out;
    if (token.empty() || !categoryOfSymbol(token).empty()) return out;
    auto offer = [&out](std::u16string_view symbol) {
        if (out.size() < 3 && std::find(out.begin(), out.end(), symbol) == out.end()) out.push_back(symbol);
    };
    for (const Category& c : categories()) {
        for (const Unit& u : c.units) {
            if (sameIgnoringCase(u.symbol, token)) offer(u.symbol);
        }
    }
    // A name the table knows was typed on purpose: guesses at a typo would only
    // crowd it out ("ug" is one edit from kg, g and mg before μg comes up).
    const std::u16string_view named = namedUnit(token);
    if (named.empty()) {
        for (std::u16string_view symbol : editsAway(token)) offer(symbol);
    } else {
        offer(named);
    }
    return out;
}

}  // namespace quantivex
