#include "equation_builder.h"

#include <algorithm>
#include <vector>

#include "catalogue.h"
#include "equation.h"
#include "events.h"
#include "session.h"

namespace quantivex {
namespace {

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

bool buildByPicks(Session& session, const std::u16string& value, const UnitFraction& left, const UnitFraction& target) {
    Form1& form = session.form();
    Picks picks(session);
    // An equation that stands is replaced whole, and so are units picked
    // before set units showed it.
    const Equation standing = readEquation(form);
    if (standing.shown || !standing.left.units().empty() || !standing.right.units().empty()) {
        picks.click(form.Command17);
    }
    picks.click(form.Command8);
    for (const auto& [place, units] :
         {std::pair(Place::Numerator, &left.numerator), std::pair(Place::Denominator, &left.denominator)}) {
        if (units->empty()) continue;
        picks.clickPart(Side::Left, place);
        for (std::u16string_view unit : *units) {
            if (!picks.pick(Side::Left, unit)) return false;
        }
    }
    if (!picks.value(value)) return false;
    picks.click(form.Command9);
    return changeRightPart(picks, Place::Numerator, left.numerator, target.numerator) &&
           changeRightPart(picks, Place::Denominator, left.denominator, target.denominator);
}

}  // namespace quantivex
