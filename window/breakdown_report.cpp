#include "breakdown_report.h"

#include <cmath>

#include "breakdown.h"
#include "number_text.h"

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

}  // namespace

BreakdownReport breakdownReport(const Form1State& f) {
    BreakdownReport report;
    const Breakdown b = breakdownOf(f.Label3.Caption, f.Label4.Caption, f.Label5.Caption, f.Label6.Caption);
    if (b.status != BreakdownStatus::Ok) {
        report.reason = b.reason;
        return report;
    }
    report.paired = true;
    report.factor = b.factor;
    for (const UnitStep& s : b.steps) {
        const bool numerator = s.side == FractionSide::Numerator;
        report.steps.push_back(s.from + u" → " + s.to + (numerator ? u" × " : u" ÷ ") + significantText(s.ratio, 6) +
                               u" (" + significantText(s.toFactor, 15) + u" ÷ " + significantText(s.fromFactor, 15) +
                               u")");
    }
    report.shown = f.Label1.Caption;
    const auto left = parseNumberStrict(f.Label2.Caption);
    if (!left) {
        report.reason = u"左辺の数値がありません";
        return report;
    }
    const double exact = *left * b.factor;
    if (!std::isfinite(exact)) {
        report.reason = u"結果が計算できる範囲を超えています";
        return report;
    }
    report.exact = exact;
    const auto shown = parseNumberStrict(report.shown);
    report.roundedApart = shown && std::fabs(*shown - exact) > halfLastDigit(report.shown) * (1 + 1e-9);
    return report;
}

std::u16string BreakdownReport::text() const {
    if (!paired) return reason;
    std::u16string out;
    if (steps.empty()) out += u"左辺と右辺の単位は同じです\n";
    for (const std::u16string& s : steps) out += s + u"\n";
    out += u"単位の倍率: " + significantText(factor, 6) + u" (" + significantText(factor, 15) + u")\n";
    if (!exact) return out + reason;
    out += u"正確な値: " + significantText(*exact / factor, 15) + u" × " + significantText(factor, 15) + u" = " +
           significantText(*exact, 15) + u"\n";
    out += u"表示の値: " + shown;
    if (roundedApart) {
        out += u"\n表示の値は変換のたびに丸めた値から計算しているため、正確な値と下の桁が違います";
    }
    return out;
}

}  // namespace quantivex
