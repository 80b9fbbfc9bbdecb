#include "line_entry.h"

#include <vector>

#include "catalogue.h"
#include "equation_builder.h"
#include "number_text.h"
#include "session.h"
#include "typed_line.h"
#include "unit_suggestions.h"
#include "utf.h"
#include "value_text.h"

namespace quantivex {
namespace {

// "質量･長さ/時間": a fraction by its categories' names.
std::u16string categoryNames(const UnitFraction& f) {
    auto names = [](const std::vector<std::u16string_view>& units) {
        std::u16string out;
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (i > 0) out += kUnitSeparator;
            const Category* c = findCategory(categoryOfSymbol(units[i]));
            out += c != nullptr ? c->name : units[i];
        }
        return out;
    };
    std::u16string out = names(f.numerator);
    if (!f.denominator.empty()) out += u"/" + names(f.denominator);
    return out;
}

// Why the line does not read, in words, or nothing when it does.
std::optional<LineRefusal> refusalOf(const TypedLine& line) {
    // Nothing typed: the value box would take it as 0, the line has nothing to convert.
    if (line.fault == LineFault::NoValue) return LineRefusal{u"数値ではありません「」", line.at};
    if (auto why = valueRefusal(line.value)) return LineRefusal{std::move(*why), line.valueAt};
    std::u16string why;
    switch (line.fault) {
        case LineFault::None:
            return std::nullopt;
        case LineFault::NoValue:
        case LineFault::NoUnit:
            why = u"単位がありません";
            break;
        case LineFault::UnknownUnit: {
            why = u"単位が正しくありません「" + shortened(line.token) + u"」";
            const auto near = suggestUnits(line.token);
            for (std::size_t i = 0; i < near.size(); ++i)
                why += (i == 0 ? u"（候補: " : u"、") + std::u16string(near[i]);
            if (!near.empty()) why += u"）";
            break;
        }
        case LineFault::EmptySeparator:
            why = u"「" + line.token + u"」の前後に単位がありません";
            break;
        case LineFault::SecondSlash:
            why = u"「/」は一つだけ使えます";
            break;
        case LineFault::CategoriesDiffer:
            why = u"単位の種類が合いません（左辺: " + categoryNames(line.left) + u"、右辺: " +
                  categoryNames(line.right.value_or(UnitFraction{})) + u"）";
            break;
    }
    return LineRefusal{std::move(why), line.at};
}

}  // namespace

std::u16string lineReading(std::u16string_view text) {
    const TypedLine line = readTypedLine(text);
    if (line.fault != LineFault::None || valueRefusal(line.value)) return {};
    std::u16string reading = line.value + u" " + fractionText(line.left);
    if (line.right) reading += u" \u2192 " + fractionText(line.target);
    return reading;
}

std::optional<LineRefusal> enterLine(Session& session, std::u16string_view text) {
    Form1& form = session.form();
    const TypedLine line = readTypedLine(text);
    std::optional<LineRefusal> refusal;
    if (auto screened = typedTextRefusal(text)) {
        refusal = LineRefusal{std::move(screened->why), screened->at};
    } else {
        refusal = refusalOf(line);
    }
    if (refusal) {
        session.record("line " + toUtf8(text));
        form.platform().Beep();
        form.platform().showLineHint(refusal->text);
        return refusal;
    }
    bool completed = false;
    session.compound("line " + toUtf8(text),
                     [&] { completed = buildByPicks(session, line.value, line.left, line.target); });
    // The hints of the events inside the line are no outcome of it; a change
    // the window refused keeps its own, and a 0 made 1 says so.
    if (completed) {
        form.platform().hideHint();
        if (parseNumberStrict(line.value) == 0.0) form.platform().showHint(form.Label2, std::u16string(kZeroBecameOne));
    }
    return std::nullopt;
}

}  // namespace quantivex
