#include "sides_swap.h"

#include <optional>

#include "catalogue.h"
#include "equation.h"
#include "equation_builder.h"
#include "number_text.h"
#include "session.h"

namespace quantivex {
namespace {

// A unit expression as catalogue symbols, or nothing where a token is no unit.
std::optional<std::vector<std::u16string_view>> unitsOf(const std::u16string& expression) {
    std::vector<std::u16string_view> units;
    if (expression.empty()) return units;
    for (const std::u16string& token : splitUnits(expression)) {
        const std::u16string_view symbol = unitOfName(token);
        if (symbol.empty() || symbol != token) return std::nullopt;
        units.push_back(symbol);
    }
    return units;
}

// The two sides pair place for place, each unit with one of its kind.
bool pairs(const std::vector<std::u16string_view>& a, const std::vector<std::u16string_view>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (categoryOfSymbol(a[i]) != categoryOfSymbol(b[i])) return false;
    }
    return true;
}

struct Sides {
    UnitFraction left, right;
};

std::optional<Sides> completeSides(const Equation& e) {
    // A value of 0 on the left would become 1: the values could not move as they are shown.
    const auto left = parseNumberStrict(e.left.value);
    const auto right = parseNumberStrict(e.right.value);
    if (!e.complete() || !left || !right || *left == 0 || *right == 0) return std::nullopt;
    const auto ln = unitsOf(e.left.numerator), ld = unitsOf(e.left.denominator);
    const auto rn = unitsOf(e.right.numerator), rd = unitsOf(e.right.denominator);
    if (!ln || !ld || !rn || !rd || !pairs(*ln, *rn) || !pairs(*ld, *rd)) return std::nullopt;
    return Sides{{*ln, *ld}, {*rn, *rd}};
}

// Units entry is over, the right side takes changes, nothing is open.
bool convertPhase(const Session& session) {
    const Form1& f = session.form();
    return phaseOf(f) == Phase::Converted && !anyEditOpen(f) && session.openPopup() == nullptr;
}

}  // namespace

bool canSwapSides(const Session& session) {
    return convertPhase(session) && completeSides(readEquation(session.form())).has_value();
}

bool swapSides(Session& session) {
    Form1& form = session.form();
    const Equation before = readEquation(form);
    const auto sides = completeSides(before);
    if (!convertPhase(session) || !sides) {
        session.record("swap");
        form.platform().Beep();
        form.platform().showHint(form.Label1, u"左右の入れ替えは単位の変換のあとでできます");
        return false;
    }
    bool built = false;
    session.compound("swap", [&] {
        built = buildByPicks(session, before.right.value, sides->right, sides->left);
        if (built) form.showRightValue(before.left.value);
    });
    // The hints of the events inside are no outcome of the swap; a change the
    // window refused keeps its own.
    if (built) form.platform().hideHint();
    return true;
}

}  // namespace quantivex
