// The storm's checks after each input: the right value against the units'
// ratios, undo and redo against the windows recorded before and after each
// step, Escape against the window before its box opened, and a twin window
// restored from a snapshot that must go the same way.
#include "storm.h"

namespace quantivex::storm {
std::string difference(const Form1State& want, const Form1State& got) {
    const auto a = Form1Reflection::wholeState(want);
    const auto b = Form1Reflection::wholeState(got);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(nothing)";
        const std::string y = i < b.size() ? b[i] : "(nothing)";
        if (x != y) return "expected " + x + ", got " + y;
    }
    return "they differ only where a dump does not look";
}

Timer& timerOf(Form1State& form, const ControlRow& row) {
    return form.*std::get<Timer Form1State::*>(row.member);
}

bool clicksEditedLabel(const std::string& line) {
    const std::string head = line.substr(0, line.find(' '));
    if (head == "key") return line.ends_with(" Enter");
    const EventHandler* h = findEventHandler(head);
    return h != nullptr && h->kind == EventKind::Click && h->row != nullptr && editBoxOf(*h->row) != nullptr;
}

// Tracks where the open edit began and checks Escape and the undo round trip
// of a step, from the windows recorded before each input.
void Storm::follow() {
    const Form1State now = form().snapshot();
    std::optional<std::size_t> stepAt;
    std::optional<Form1State> back;  // what undo of the step must give, where the storm can know it
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Seen& s = seen[i];
        const bool last = i + 1 == seen.size();
        const Form1State& after = last ? now : seen[i + 1].before;
        if ((last ? session().stepsTaken() : seen[i + 1].stepsBefore) != s.stepsBefore) {
            stepAt = i;
            // A commit is one step from the window before its box opened; where
            // an edit brought back by undo or redo began, the storm does not know.
            const bool commit = clicksEditedLabel(s.line) && anyEditOpen(s.before) && !anyEditOpen(after);
            if (!commit) back = s.before;
            if (commit && preEdit) back = *preEdit;
        }
        const bool fromHistory = s.line == "undo" || s.line == "redo" || s.line.starts_with("history restore ");
        // A value brought back by undo or redo carries rounding the storm no
        // longer knows; one brought back by Escape, what it carried before the box opened.
        if (fromHistory && s.before != after) errorBound = kUnknownBound;
        if (s.line.starts_with("key ") && s.line.ends_with(" Escape")) {
            errorBound = preEdit ? preEditBound : kUnknownBound;
            if (preEdit && after != *preEdit) {
                fail("Escape did not give the window as it was before the box opened: " + difference(*preEdit, after));
            }
            escapes += preEdit ? 1 : 0;
        }
        if (!anyEditOpen(after) || fromHistory) {
            preEdit.reset();
        } else if (!anyEditOpen(s.before)) {
            preEdit = s.before;
            preEditBound = errorBound;
        }
    }
    // A new entry of 計算の履歴 holds the window as the step left it.
    if (window->tape->revision() != tapeRevision) {
        tapeRevision = window->tape->revision();
        if (!stepAt) fail("計算の履歴 gained an entry where no step was taken");
        entries.push_front(*stepAt + 1 < seen.size() ? seen[*stepAt + 1].before : now);
        if (entries.size() > kHistoryEntries) entries.pop_back();
        if (entries.size() != window->tape->size()) fail("計算の履歴 holds another count of entries than were made");
    }
    if (stepAt && back) roundTrip(*stepAt, *back, now);
}

void Storm::checkRestore(const Input& in) {
    if (in.entry >= entries.size()) return;
    if (form() != entries[in.entry]) {
        fail("the restore of entry " + std::to_string(in.entry + 1) +
             " gave another window than the storm saw then: " + difference(entries[in.entry], form()));
    }
    ++restores;
}

void Storm::checkSwap(const Equation& before) {
    const Equation after = readEquation(form());
    // The units as the window writes them: a person may have typed "・" where a pick writes "･".
    auto units = [](const EquationSide& side) {
        std::u16string text = side.units();
        std::replace(text.begin(), text.end(), kWideUnitSeparator, kUnitSeparator);
        return text;
    };
    const bool turned = after.left.value == before.right.value && units(after.left) == units(before.right) &&
                        after.right.value == before.left.value && units(after.right) == units(before.left) &&
                        after.left.numeratorDims == before.right.numeratorDims &&
                        after.left.denominatorDims == before.right.denominatorDims;
    if (!turned) fail("the swap gave " + toUtf8(after.text()) + " from " + toUtf8(before.text()));
    ++swaps;
}

// Undo gives the window as it was before the step, redo as it was after it.
void Storm::roundTrip(std::size_t at, const Form1State& back, const Form1State& now) {
    const Form1State& afterStep = at + 1 < seen.size() ? seen[at + 1].before : now;
    std::vector<const Form1State*> backward;
    std::vector<const Form1State*> forward;
    // A double click whose click committed an edit opens its box again: undo
    // first closes that box, as Escape does.
    if (!anyEditOpen(afterStep) && anyEditOpen(now)) {
        backward.push_back(&afterStep);
        forward.push_back(&afterStep);
    }
    backward.push_back(&back);
    forward.push_back(&now);
    for (const Form1State* want : backward) {
        session().undo();
        if (form() != *want) {
            fail("undo did not give the window as it was before the step: " + difference(*want, form()));
        }
    }
    for (const Form1State* want : forward) {
        session().redo();
        if (form() != *want) {
            fail("redo did not give the window as it was after the step: " + difference(*want, form()));
        }
    }
    ++roundTrips;
}

// A second window, restored from a snapshot of this one where the session
// holds nothing a snapshot leaves out (an open edit's start, an open popup),
// follows the next inputs. State kept outside the snapshot, or a change event
// still bound to the first window, makes the two go different ways.
void Storm::twinAlong() {
    if (twin && --twinStepsLeft == 0) {
        twin.reset();
        ++twinRuns;
    }
    if (events % 500 == 100) twinDue = true;
    if (!twinDue || twin || anyEditOpen(form()) || session().openPopup() != nullptr) return;
    twinDue = false;
    twin = std::make_unique<Window>(window->platform->screenW, window->platform->screenH);
    twin->form->restore(form().snapshot());
    twinStepsLeft = 200;
    log.push_back("# a second window restored from a snapshot of this one takes the next inputs too");
}

// Product of the ratios from the left units to the right units, one token
// pair at a time; false when the two expressions do not pair up.
bool Storm::ratioProduct(const std::u16string& left, const std::u16string& right, double& product) {
    const auto l = splitUnits(left);
    const auto r = splitUnits(right);
    if (l.size() != r.size()) return false;
    for (std::size_t i = 0; i < l.size(); ++i) {
        const std::u16string_view code = categoryOfSymbol(l[i]);
        if (code.empty() || categoryOfSymbol(r[i]) != code) return false;
        product *= *unitRatio(code, l[i], r[i]);
    }
    return true;
}

// Relative rounding of a value as shown.
double Storm::shownRounding(const std::u16string& text, double value) {
    if (value == 0) return 0;
    if (text.find(u'e') != std::u16string::npos) return 5e-7;
    const std::size_t point = text.find(u'.');
    if (point == std::u16string::npos) return 1e-14;  // 15-digit plain text
    const auto decimals = static_cast<int>(text.size() - point - 1);
    const double lastPlace = decimals >= 5 || text.find(u'E') != std::u16string::npos ? 1e-14 : 0.0;
    return std::max(lastPlace, 0.5 * std::pow(10.0, -std::max(decimals, 4)) / std::fabs(value));
}

void Storm::checkValue(bool picked, const std::u16string& rightBefore) {
    const Form1State& f = form();
    const Equation equation = readEquation(f);
    const std::u16string& rightText = equation.right.value;
    const std::u16string& leftText = equation.left.value;
    const std::u16string& leftNumerator = equation.left.numerator;
    const std::u16string& rightNumerator = equation.right.numerator;
    const std::u16string& leftDenominator = equation.left.denominator;
    const std::u16string& rightDenominator = equation.right.denominator;
    if (rightText == leftText && rightNumerator == leftNumerator && rightDenominator == leftDenominator) {
        errorBound = 0;
    } else if (rightText != rightBefore) {
        errorBound += picked ? shownRounding(rightText, leadingNumber(rightText)) : 1e-14;
    }
    if (anyEditOpen(f)) return;
    const auto left = parseNumberStrict(leftText);
    const auto right = parseNumberStrict(rightText);
    if (!left || !right) return;
    if (std::isinf(errorBound)) return;
    double numerator = 1;
    double denominator = 1;
    if (!ratioProduct(leftNumerator, rightNumerator, numerator) ||
        !ratioProduct(leftDenominator, rightDenominator, denominator)) {
        fail("the right units do not pair up with the left units: " + toUtf8(leftNumerator) + "/" +
             toUtf8(leftDenominator) + " = " + toUtf8(rightNumerator) + "/" + toUtf8(rightDenominator));
    }
    const double expected = *left * numerator / denominator;
    // Near the ends of the double range the storm's own product may lose
    // digits on the way, or leave the range: no check there.
    if (!std::isfinite(expected) || std::fabs(expected) < 1e-290 || std::fabs(expected) > 1e290) return;
    ++checked;
    const double tolerance = (errorBound + 1e-12) * 1.01 * std::fabs(expected);
    if (std::fabs(*right - expected) > tolerance) {
        fail("right value " + toUtf8(rightText) + " is not " + toUtf8(numberToText(expected)) + " (left " +
             toUtf8(leftText) + ", allowed relative rounding " + toUtf8(numberToText(errorBound)) + ")");
    }
}

}  // namespace quantivex::storm
