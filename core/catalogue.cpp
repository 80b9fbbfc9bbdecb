// Catalogue look-ups. Every fact about a unit lives in exactly one row of
// catalogue_rows.h; the static_asserts here keep those rows consistent.
#include "catalogue.h"

#include "catalogue_rows.h"

namespace quantivex {
namespace {

using catalogue_rows::kCategories;

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
            if (!(u.factor > 0) || !(u.si > 0)) return false;
        }
    }
    return true;
}

// A coarse guard against a slip in either column: the factor by definition,
// SI(reference unit) / SI(unit), is within a part in a thousand of the table's
// factor. The digit by digit comparison, with the known departures, is a test.
constexpr bool factorsFollowDefinitions() {
    for (const Category& c : kCategories) {
        for (const Unit& u : c.units) {
            const double departure = u.factor * u.si / c.units[0].si - 1;
            if (departure > 1e-3 || departure < -1e-3) return false;
        }
    }
    return true;
}

static_assert(unitCount() == 60, "the catalogue has sixty units");
static_assert(everyCategoryWellFormed(), "codes, token lists or reference units are off");
static_assert(factorsFollowDefinitions(), "a table factor and its unit's definition disagree");
static_assert(symbolsAreUniqueAndPlain(), "unit symbols must be unique and free of blanks and separators");

}  // namespace

std::span<const Category> categories() {
    return kCategories;
}

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
