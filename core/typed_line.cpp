#include "typed_line.h"

#include <algorithm>
#include <array>

#include "catalogue.h"
#include "number_text.h"
#include "typed_text.h"

namespace quantivex {
namespace {

// Common spellings, each the same size as the catalogue unit it stands for.
// None of them is a catalogue symbol or could mean two units.
struct Spelling {
    std::u16string_view typed;
    std::u16string_view symbol;
};
constexpr std::array<Spelling, 16> kSpellings{{
    {u"s", u"sec"},
    {u"h", u"hr"},
    {u"d", u"day"},
    {u"yr", u"year"},
    {u"L", u"l"},
    {u"kL", u"kl"},
    {u"mL", u"cm3"},
    {u"cc", u"cm3"},
    {u"ug", u"\u03BCg"},
    {u"um", u"\u03BCm"},
    {u"kWh", u"kWhr"},
    {u"J", u"joul"},
    {u"kgf", u"Kg"},
    {u"lbf", u"Lb"},
    {u"kgf/cm2", u"Kg/cm2"},
    {u"psi", u"Lb/in2"},
}};

// Between two units of a product: the window's own dots, and what keyboards type.
constexpr bool isProductSign(char16_t c) {
    return isUnitSeparator(c) || c == u'*' || c == u'\u00B7' || c == u'.';
}

constexpr bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

// The arrows and the sign that stand between the two fractions without blanks.
constexpr std::array<std::u16string_view, 3> kArrows{u"\u2192", u"->", u"="};
// The words that do, with blanks around them.
constexpr std::array<std::u16string_view, 2> kWords{u"to", u"in"};

struct Word {
    std::u16string_view text;
    std::size_t at;
    bool arrow = false;
};

// The words after the value; an arrow is a word of its own even when no blank
// parts it from its neighbours.
std::vector<Word> wordsOf(std::u16string_view s, std::size_t offset) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < s.size()) {
        if (isBlank(s[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < s.size() && !isBlank(s[end])) {
            const auto arrow = std::find_if(kArrows.begin(), kArrows.end(),
                                            [&](std::u16string_view a) { return s.substr(end).starts_with(a); });
            if (arrow == kArrows.end()) {
                ++end;
                continue;
            }
            if (end > i) words.push_back({s.substr(i, end - i), offset + i});
            words.push_back({s.substr(end, arrow->size()), offset + end, true});
            end += arrow->size();
            i = end;
        }
        if (end > i) words.push_back({s.substr(i, end - i), offset + i});
        i = end;
    }
    return words;
}

bool isWordForm(const Word& w) {
    return std::find(kWords.begin(), kWords.end(), w.text) != kWords.end();
}

// The longest name with a "/" in it that starts the text and ends at a boundary.
std::size_t slashNameAt(std::u16string_view s) {
    std::size_t best = 0;
    auto consider = [&](std::u16string_view name) {
        if (name.find(u'/') == std::u16string_view::npos || !s.starts_with(name) || name.size() <= best) return;
        if (name.size() == s.size() || isProductSign(s[name.size()]) || s[name.size()] == u'/') best = name.size();
    };
    for (const Category& c : categories()) {
        for (const Unit& u : c.units) consider(u.symbol);
    }
    for (const Spelling& sp : kSpellings) consider(sp.typed);
    return best;
}

struct FractionRead {
    UnitFraction fraction;
    LineFault fault = LineFault::None;
    std::size_t at = 0;
    std::u16string token;
};

FractionRead readFraction(const Word& word) {
    FractionRead r;
    std::u16string_view s = word.text;
    // A denominator in brackets, as copy writes one of several units:
    // "kg/(sec･sec)" reads as "kg/sec･sec".
    std::u16string unbracketed;
    std::size_t bracket = std::u16string_view::npos;  // where the "(" stood, for the caret
    if (const std::size_t open = s.find(u"/("); open != std::u16string_view::npos && s.ends_with(u')')) {
        unbracketed = std::u16string(s.substr(0, open + 1)) + std::u16string(s.substr(open + 2, s.size() - open - 3));
        s = unbracketed;
        bracket = open + 1;
    }
    auto fail = [&](LineFault fault, std::size_t i, std::u16string_view token) {
        r.fault = fault;
        r.at = word.at + i + (bracket != std::u16string_view::npos && i >= bracket ? 1 : 0);
        r.token = std::u16string(token);
        return r;
    };
    bool below = false;             // past the "/"
    bool unitDue = true;            // a separator or the start was last: a unit must come
    std::size_t separatorAt = 0;    // the last separator, for a gap after it
    std::u16string_view separator;  // as typed
    std::size_t i = 0;
    while (i < s.size()) {
        if (isProductSign(s[i]) || s[i] == u'/') {
            if (unitDue) return fail(LineFault::EmptySeparator, i, s.substr(i, 1));
            if (s[i] == u'/') {
                if (below) return fail(LineFault::SecondSlash, i, s.substr(i, 1));
                below = true;
            }
            separatorAt = i;
            separator = s.substr(i, 1);
            unitDue = true;
            ++i;
            continue;
        }
        std::size_t length = slashNameAt(s.substr(i));
        if (length == 0) {
            while (i + length < s.size() && !isProductSign(s[i + length]) && s[i + length] != u'/') ++length;
        }
        const std::u16string_view name = s.substr(i, length);
        const std::u16string_view symbol = unitOfName(name);
        if (symbol.empty()) return fail(LineFault::UnknownUnit, i, name);
        (below ? r.fraction.denominator : r.fraction.numerator).push_back(symbol);
        unitDue = false;
        i += length;
    }
    if (unitDue) return fail(LineFault::EmptySeparator, separatorAt, separator);
    return r;
}

// The category codes of a part, sorted, to compare as a bag.
std::vector<std::u16string_view> categoriesOf(const std::vector<std::u16string_view>& units) {
    std::vector<std::u16string_view> codes;
    for (std::u16string_view u : units) codes.push_back(categoryOfSymbol(u));
    std::sort(codes.begin(), codes.end());
    return codes;
}

// Each right unit takes the first place of its category on the left not yet taken.
std::vector<std::u16string_view> matched(const std::vector<std::u16string_view>& left,
                                         const std::vector<std::u16string_view>& right) {
    std::vector<std::u16string_view> out = left;
    std::vector<bool> taken(left.size(), false);
    for (std::u16string_view unit : right) {
        for (std::size_t p = 0; p < left.size(); ++p) {
            if (taken[p] || categoryOfSymbol(left[p]) != categoryOfSymbol(unit)) continue;
            out[p] = unit;
            taken[p] = true;
            break;
        }
    }
    return out;
}

// The value's word, or the number that starts it where a unit follows at once ("5kg").
std::size_t valueLength(std::u16string_view word) {
    if (parseNumberStrict(word)) return word.size();
    for (std::size_t n = word.size() - 1; n > 0; --n) {
        const char16_t next = word[n];
        const bool letter = (next >= u'a' && next <= u'z' && next != u'e') ||
                            (next >= u'A' && next <= u'Z' && next != u'E') || next == u'\u03BC' || next == u'\u212B';
        if (letter && parseNumberStrict(word.substr(0, n))) return n;
    }
    return word.size();
}

}  // namespace

std::u16string_view unitOfName(std::u16string_view name) {
    for (const Category& c : categories()) {
        for (const Unit& u : c.units) {
            if (u.symbol == name) return u.symbol;
        }
    }
    for (const Spelling& sp : kSpellings) {
        if (sp.typed == name) return sp.symbol;
    }
    return {};
}

std::u16string fractionText(const UnitFraction& f) {
    auto product = [](const std::vector<std::u16string_view>& units) {
        std::u16string out;
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (i > 0) out += kUnitSeparator;
            out += units[i];
        }
        return out;
    };
    std::u16string out = product(f.numerator);
    if (!f.denominator.empty()) out += u"/" + product(f.denominator);
    return out;
}

TypedLine readTypedLine(std::u16string_view typed) {
    TypedLine line;
    const std::u16string text = canonicalTypedText(typed);
    const std::u16string_view s = text;
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i == s.size()) {
        line.fault = LineFault::NoValue;
        line.at = i;
        return line;
    }
    std::size_t wordEnd = i;
    while (wordEnd < s.size() && !isBlank(s[wordEnd])) ++wordEnd;
    const std::size_t valueEnd = i + valueLength(s.substr(i, wordEnd - i));
    line.value = std::u16string(s.substr(i, valueEnd - i));
    line.valueAt = i;

    const std::vector<Word> words = wordsOf(s.substr(valueEnd), valueEnd);
    auto fail = [&](LineFault fault, std::size_t at, std::u16string_view token = {}) {
        line.fault = fault;
        line.at = at;
        line.token = std::u16string(token);
        line.right.reset();
        return line;
    };
    // LEFT, LEFT RIGHT, or LEFT TO RIGHT: where each stands, and the first word past them.
    if (words.empty() || words.front().arrow) return fail(LineFault::NoUnit, words.empty() ? s.size() : words[0].at);
    const bool to = words.size() >= 3 && (words[1].arrow || isWordForm(words[1]));
    const std::size_t rightIndex = to ? 2 : 1;
    if (words.size() == 2 && words[1].arrow) return fail(LineFault::NoUnit, s.size());

    const FractionRead left = readFraction(words[0]);
    if (left.fault != LineFault::None) return fail(left.fault, left.at, left.token);
    line.left = left.fraction;
    line.target = left.fraction;
    if (words.size() <= rightIndex) return line;

    const Word& rightWord = words[rightIndex];
    if (rightWord.arrow) return fail(LineFault::NoUnit, rightWord.at);
    const FractionRead right = readFraction(rightWord);
    if (right.fault != LineFault::None) return fail(right.fault, right.at, right.token);
    if (words.size() > rightIndex + 1) {
        const Word& extra = words[rightIndex + 1];
        return fail(extra.arrow && rightIndex + 2 == words.size() ? LineFault::NoUnit : LineFault::UnknownUnit,
                    extra.at, extra.text);
    }
    line.right = right.fraction;
    if (categoriesOf(left.fraction.numerator) != categoriesOf(right.fraction.numerator) ||
        categoriesOf(left.fraction.denominator) != categoriesOf(right.fraction.denominator)) {
        line.fault = LineFault::CategoriesDiffer;
        line.at = rightWord.at;
        return line;
    }
    line.target = {matched(left.fraction.numerator, right.fraction.numerator),
                   matched(left.fraction.denominator, right.fraction.denominator)};
    return line;
}

}  // namespace quantivex
