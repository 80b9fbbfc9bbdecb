#include "breakdown_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "breakdown.h"
#include "catalogue.h"
#include "factors.h"
#include "number_text.h"
#include "session.h"

namespace quantivex {
namespace {

// Half a unit in the last digit a number text shows: 0.0005 for 661.386,
// 5E+03 for 1.e+04, 0.5 for 12.
double halfLastDigit(const std::u16string& text) {
    const std::size_t e = text.find_first_of(u"eE");
    const std::u16string mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find(u'.');
    const int decimals = point == std::u16string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::u16string::npos ? 0 : static_cast<int>(leadingNumber(text.substr(e + 1)));
    return 0.5 * std::pow(10.0, exponent - decimals);
}

// Significant digits of a plain figure such as 61023.41 or 39370.
int significantDigits(const std::u16string& text) {
    int digits = 0;
    for (char16_t c : text) {
        if (c >= u'1' && c <= u'9') ++digits;
        if (c == u'0' && digits > 0) ++digits;
    }
    return digits;
}

// "mH2O: 表では 1 atm = 10.3416 mH2O、定義では 10.3323 mH2O": the category's
// reference unit in the departing one, by the table and by definition, the
// latter to as many digits as the table prints and at least six, so the two
// part where they really differ.
std::u16string departureLine(std::u16string_view code, std::u16string_view symbol) {
    const Category* c = findCategory(code);
    const std::u16string_view reference = c->units[0].symbol;
    const std::u16string table = significantText(unitRatio(code, reference, symbol).value_or(NAN), 15);
    const double defined = definedRatio(code, reference, symbol).value_or(NAN);
    std::u16string line(symbol);
    line += u": 表では 1 ";
    line += reference;
    line += u" = " + table + u" ";
    line += symbol;
    line += u"、定義では " + significantText(defined, std::max(6, significantDigits(table))) + u" ";
    line += symbol;
    return line;
}

// A relative difference as a percentage to two significant digits, in plain
// decimals however small ("0.000061 %", never "6.1E-05 %"), with a true minus sign.
std::u16string percentText(double relative) {
    const double percent = relative * 100;
    std::u16string text = significantText(percent, 2);
    const auto rounded = parseNumberStrict(text);
    if (text.find(u'E') != std::u16string::npos && rounded && *rounded != 0 && std::fabs(*rounded) < 1) {
        const int decimals = 1 - static_cast<int>(std::floor(std::log10(std::fabs(*rounded))));
        char buffer[400];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, *rounded, std::chars_format::fixed, decimals);
        text = std::u16string(buffer, end.ptr);
    }
    if (!text.empty() && text[0] == u'-') text.replace(0, 1, u"−");
    return text + u" %";
}

std::u16string_view sideName(bool left) {
    return left ? u"左辺" : u"右辺";
}

std::u16string_view partName(FractionSide side) {
    return side == FractionSide::Numerator ? u"分子" : u"分母";
}

// "kg（質量）"
std::u16string withCategory(const std::u16string& unit, std::u16string_view code) {
    const Category* c = findCategory(code);
    std::u16string out = unit + u"（";
    out += c != nullptr ? c->name : code;
    return out + u"）";
}

// Why the two sides do not pair, in a short sentence.
std::u16string reasonOf(const Breakdown& b) {
    const BreakdownFault& f = b.fault;
    std::u16string text;
    switch (b.status) {
        case BreakdownStatus::Ok:
            break;
        case BreakdownStatus::NoUnits:
            text = u"左辺に単位がありません";
            break;
        case BreakdownStatus::UnknownUnit:
            text = sideName(f.left);
            text += u"の";
            text += partName(f.side);
            text += u"の単位が正しくありません「" + f.unit + u"」";
            break;
        case BreakdownStatus::ShapesDiffer:
            text = u"左辺と右辺の";
            text += partName(f.side);
            text += u"の単位の数が違います";
            break;
        case BreakdownStatus::CategoriesDiffer:
            text = partName(f.side);
            text += u"の " + withCategory(f.unit, f.category) + u"と " + withCategory(f.otherUnit, f.otherCategory) +
                    u"は種類が違います";
            break;
        case BreakdownStatus::OutOfRange:
            text = u"倍率が計算できる範囲を超えています";
            break;
    }
    return text;
}

}  // namespace

BreakdownReport breakdownReport(const Equation& equation, bool editing) {
    BreakdownReport report;
    report.equation = equation.complete() ? equation.text() : std::u16string();
    report.editing = editing;
    const EquationSide& l = equation.left;
    const EquationSide& r = equation.right;
    const Breakdown b = breakdownOf(l.numerator, l.denominator, r.numerator, r.denominator);
    if (b.status != BreakdownStatus::Ok) {
        report.reason = reasonOf(b);
        return report;
    }
    report.paired = true;
    report.factor = b.factor;
    report.definedFactor = b.definedFactor;
    std::vector<std::u16string_view> departing;
    for (const UnitStep& s : b.steps) {
        const bool numerator = s.side == FractionSide::Numerator;
        report.steps.push_back(s.from + u" → " + s.to + (numerator ? u" × " : u" ÷ ") + significantText(s.ratio, 6) +
                               u" (" + significantText(s.toFactor, 15) + u" ÷ " + significantText(s.fromFactor, 15) +
                               u")");
        for (const TableDeparture& d : tableDepartures()) {
            if ((d.symbol == s.from || d.symbol == s.to) &&
                std::find(departing.begin(), departing.end(), d.symbol) == departing.end()) {
                departing.push_back(d.symbol);
                report.departures.push_back(departureLine(d.code, d.symbol));
            }
        }
    }
    report.shown = r.value;
    const auto left = parseNumberStrict(l.value);
    if (!left) {
        report.reason = u"左辺の数値がありません";
        return report;
    }
    const double exact = *left * b.factor;
    const double defined = *left * b.definedFactor;
    if (!std::isfinite(exact) || !std::isfinite(defined)) {
        report.reason = u"結果が計算できる範囲を超えています";
        return report;
    }
    report.exact = exact;
    report.defined = defined;
    const auto shown = parseNumberStrict(report.shown);
    report.roundedApart = shown && std::fabs(*shown - exact) > halfLastDigit(report.shown) * (1 + 1e-9);
    if (shown && defined != 0) report.shownApart = *shown / defined - 1;
    return report;
}

BreakdownReport breakdownReport(const Session& session) {
    const bool editing = anyEditOpen(session.form());
    return breakdownReport(readEquation(session.history().committed()), editing);
}

std::u16string BreakdownReport::copyText() const {
    return equation.empty() ? text() : equation + u"\n" + text();
}

std::u16string BreakdownReport::text() const {
    std::u16string out;
    if (editing) out += u"入力中の値はまだ反映されていません\n";
    if (!paired) return out + reason;
    if (steps.empty()) out += u"左辺と右辺の単位は同じです\n";
    for (const std::u16string& s : steps) out += s + u"\n";
    out += u"単位の倍率: " + significantText(factor, 6) + u" (" + significantText(factor, 15) + u")\n";
    if (!exact || !defined) {
        for (const std::u16string& d : departures) out += d + u"\n";
        return out + reason;
    }
    const std::u16string left = significantText(*exact / factor, 15);
    out += u"表の係数による値: " + left + u" × " + significantText(factor, 15) + u" = " + significantText(*exact, 15) +
           u"\n";
    out += u"定義による値: " + left + u" × " + significantText(definedFactor, 15) + u" = " +
           significantText(*defined, 15) + u"\n";
    out += u"表示の値: " + shown;
    if (shownApart) out += u"（定義による値との差 " + percentText(*shownApart) + u"）";
    for (const std::u16string& d : departures) out += u"\n" + d;
    if (roundedApart) {
        out += u"\n表示の値は変換のたびに丸めた値から計算しているため、表の係数による値と下の桁が違います";
    }
    return out;
}

}  // namespace quantivex
