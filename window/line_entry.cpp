#include "line_entry.h"

#include <algorithm>
#include <vector>

#include "catalogue.h"
#include "equation.h"
#include "events.h"
#include "form1_impl.h"
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

// The menu item of a unit, by its category and symbol.
const MenuItemRow* itemOf(std::u16string_view symbol) {
    const std::u16string_view code = categoryOfSymbol(symbol);
    const Category* c = findCategory(code);
    for (const MenuItemRow& item : menuItemRows()) {
        if (c != nullptr && item.category == code[0] && c->units[item.index].symbol == symbol) return &item;
    }
    return nullptr;
}

// The window's own events, run one after another as a person would.
class Picks {
public:
    explicit Picks(Session& session) : session_(session), form_(session.form()) {}

    void click(const Control& button) { session_.run(*findEvent(*rowOf(form_, button), EventKind::Click)); }
    void clickPart(Side side, Place place) {
        session_.run(*findEvent(*equationPartRow(side, place), EventKind::Click));
    }
    void pressPart(Side side, Place place) {
        session_.run(*findEvent(*equationPartRow(side, place), EventKind::MouseDown), 1);
    }
    // A unit from its category's menu, opened by the button of that side's row.
    bool pick(Side side, std::u16string_view symbol) {
        const ControlRow* button = categoryButtonRow(side, categoryOfSymbol(symbol)[0]);
        const MenuItemRow* item = itemOf(symbol);
        if (button == nullptr || item == nullptr) return false;
        session_.run(*findEvent(*button, EventKind::MouseDown), 1);
        return session_.choose(*item) == Session::Pick::Chosen;
    }
    // The left value, typed into its box and committed as Enter does.
    bool value(const std::u16string& text) {
        const ControlRow& label = *equationPartRow(Side::Left, Place::Value);
        session_.doubleClick(label);
        TextBox& box = textBoxOf(form_, *editBoxOf(label));
        return session_.type(box, text) && session_.enter(box) && !session_.isOpen(box);
    }
    // The units of a right part now, by place.
    std::vector<std::u16string> rightUnits(Place place) const {
        return splitUnits(static_cast<const Label&>(controlOf(form_, *equationPartRow(Side::Right, place))).Caption);
    }

private:
    Session& session_;
    Form1& form_;
};

// Each right unit that the line changes, through the right side's walk over
// repeated units: a category's places are picked in order, so an unchanged
// place before a changed one of the same category is picked again as it is.
bool changeRightPart(Picks& picks, Place place, const std::vector<std::u16string_view>& left,
                     const std::vector<std::u16string_view>& target) {
    std::vector<std::u16string_view> done;  // categories walked
    for (std::u16string_view first : left) {
        const std::u16string_view code = categoryOfSymbol(first);
        if (std::find(done.begin(), done.end(), code) != done.end()) continue;
        done.push_back(code);
        std::vector<std::size_t> places;
        std::size_t last = left.size();
        for (std::size_t p = 0; p < left.size(); ++p) {
            if (categoryOfSymbol(left[p]) != code) continue;
            places.push_back(p);
            if (target[p] != left[p]) last = p;
        }
        if (last == left.size()) continue;  // nothing of this category changes
        for (std::size_t p : places) {
            if (p > last) break;
            picks.pressPart(Side::Right, place);
            // A change the window refuses (its result out of range) shows its
            // error box, leaves the unit as it was, and ends the line there.
            if (!picks.pick(Side::Right, target[p])) return false;
            const auto now = picks.rightUnits(place);
            if (p >= now.size() || now[p] != target[p]) return false;
        }
    }
    return true;
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
    session.compound("line " + toUtf8(text), [&] {
        Picks picks(session);
        // An equation that stands is replaced whole, and so are units picked
        // before set units showed it.
        const Equation standing = readEquation(form);
        if (standing.shown || !standing.left.units().empty() || !standing.right.units().empty()) {
            picks.click(form.Command17);
        }
        picks.click(form.Command8);
        for (const auto& [place, units] : {std::pair(Place::Numerator, &line.left.numerator),
                                           std::pair(Place::Denominator, &line.left.denominator)}) {
            if (units->empty()) continue;
            picks.clickPart(Side::Left, place);
            for (std::u16string_view unit : *units) {
                if (!picks.pick(Side::Left, unit)) return;
            }
        }
        if (!picks.value(line.value)) return;
        picks.click(form.Command9);
        if (!changeRightPart(picks, Place::Numerator, line.left.numerator, line.target.numerator)) return;
        if (!changeRightPart(picks, Place::Denominator, line.left.denominator, line.target.denominator)) return;
        completed = true;
    });
    // The hints of the events inside the line are no outcome of it; a change
    // the window refused keeps its own, and a 0 made 1 says so.
    if (completed) {
        form.platform().hideHint();
        if (parseNumberStrict(line.value) == 0.0) form.platform().showHint(form.Label2, std::u16string(kZeroBecameOne));
    }
    return std::nullopt;
}

}  // namespace quantivex
