// A random event storm over Form1: what a person can do (click, double click,
// press with any button, type, Enter and Escape, pick from the open menu, undo,
// redo, let timers tick) in random order, deterministic per seed, every input
// through the session. After every step it checks the window's invariants
// (window_invariants.h) and that the right value is the left value times the
// unit ratios within display rounding; after every step of the undo history,
// that undo gives the window the storm saw before it and redo the one after it;
// after Escape, the window from before the box opened. Now and then a second
// window is restored from a snapshot of the first and takes the same inputs:
// the two must stay alike. With --chaos it calls any handler whether reachable
// or not and checks only that nothing escapes. A failure prints the inputs since
// the window opened as a replay script.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalogue.h"
#include "equation.h"
#include "events.h"
#include "factors.h"
#include "form1.h"
#include "form1_table.h"
#include "number_text.h"
#include "recording_platform.h"
#include "reflection.h"
#include "session.h"
#include "utf.h"
#include "window_invariants.h"

using namespace quantivex;

namespace {

// No lone surrogate here: a replay script is UTF-8 and cannot carry one, so a
// failing run would not replay. The session test covers its refusal.
const std::vector<std::u16string>& textPool() {
    static const std::vector<std::u16string> pool = [] {
        std::vector<std::u16string> p = {u"", u" ", u"12abc", u"\uFF65", u"\u30FB", u"kg\uFF65m", u"kg\u30FBm", u"Kg",
                                         u"m\uFF65m\uFF65m", u"0", u"0.0", u"00", u"1e300", u"-5", u"1e-300", u"abc",
                                         u"kg\uFF65", u"\uFF65kg", u"\u03BCm\uFF65\u212B", u"2.5", u"5", u"1.e+04",
                                         u"k g", u"sec", u"kg\uFF65\uFF65m", u"1e", u"1.2.3", u"1E+15", u"Pa\uFF65kWhr",
                                         u"lb\uFF65min", u"3e-7", u"123456789012",
                                         // extreme magnitudes: the rescale must neither underflow nor overflow
                                         // on the way to a result that is a double
                                         u"1e200", u"1e-200", u"1e308", u"1e-320", u"-0", u"4.9e-324",
                                         u"1.7976931348623157e308", u"2.2250738585072014e-308", u"-1e150"};
        for (const Category& c : categories()) {
            for (const Unit& u : c.units) p.emplace_back(u.symbol);
        }
        std::u16string longText;
        for (int i = 0; i < 400; ++i) longText += i == 0 ? u"m" : u"\uFF65m";
        p.push_back(longText);
        p.push_back(std::u16string(1000, u'9'));
        return p;
    }();
    return pool;
}

// Into the value box a person mostly types numbers, large and small ones too.
const std::vector<std::u16string> kNumberPool = {u"5",
                                                 u"2.5",
                                                 u"0",
                                                 u"-5",
                                                 u"1e200",
                                                 u"1e-200",
                                                 u"1e300",
                                                 u"1e-300",
                                                 u"1e308",
                                                 u"1e-320",
                                                 u"4.9e-324",
                                                 u"-1e150",
                                                 u"123456789012",
                                                 u"3e-7",
                                                 u"1.7976931348623157e308"};

// One input of a person (or a tick), as the window and its twin both take it.
struct Input {
    enum class Kind { Event, DoubleClick, Type, Choose, Dismiss, Enter, Escape, Undo, Redo };
    Kind kind = Kind::Event;
    const EventHandler* event = nullptr;
    int16_t button = 0;
    const ControlRow* row = nullptr;  // the label double-clicked; the box typed into, entered or escaped
    const MenuItemRow* item = nullptr;
    std::u16string text{};
};

// A window on its own platform, reached only through its session.
struct Window {
    Window(float screenWidth, float screenHeight) {
        platform->screenW = screenWidth;
        platform->screenH = screenHeight;
        form = std::make_unique<Form1>(*platform);
        session = std::make_unique<Session>(*form);
    }
    std::unique_ptr<RecordingPlatform> platform = std::make_unique<RecordingPlatform>();
    std::unique_ptr<Form1> form;
    std::unique_ptr<Session> session;

    // What the session answered, so that two windows can be compared.
    int take(const Input& in) {
        switch (in.kind) {
            case Input::Kind::Event:
                session->run(*in.event, in.button);
                return 0;
            case Input::Kind::DoubleClick:
                session->doubleClick(*in.row);
                return 0;
            case Input::Kind::Type:
                return session->type(textBoxOf(*form, *in.row), in.text);
            case Input::Kind::Choose:
                return static_cast<int>(session->choose(*in.item));
            case Input::Kind::Dismiss:
                return session->dismiss();
            case Input::Kind::Enter:
                return session->enter(textBoxOf(*form, *in.row));
            case Input::Kind::Escape:
                return session->escape(textBoxOf(*form, *in.row));
            case Input::Kind::Undo:
                return session->undo();
            case Input::Kind::Redo:
                return session->redo();
        }
        return 0;
    }
};

// The first line of a dump where two windows differ.
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

// A click on a label that a box edits commits the open edit; Enter clicks it too.
bool clicksEditedLabel(const std::string& line) {
    const std::string head = line.substr(0, line.find(' '));
    if (head == "key") return line.ends_with(" Enter");
    const EventHandler* h = findEventHandler(head);
    return h != nullptr && h->kind == EventKind::Click && h->row != nullptr && editBoxOf(*h->row) != nullptr;
}

struct Storm {
    explicit Storm(unsigned seed, bool chaos) : seed(seed), rng(seed), chaos(chaos) {}

    // The window just before an input reached its session.
    struct Seen {
        std::string line;
        Form1State before;
        std::size_t stepsBefore;
    };

    unsigned seed;
    std::mt19937 rng;
    bool chaos;
    std::unique_ptr<Window> window;
    std::unique_ptr<Window> twin;  // restored from a snapshot of the window, taking the same inputs
    long twinStepsLeft = 0;
    bool twinDue = false;
    std::vector<std::string> log;  // every input since the window opened, as replay lines
    std::vector<Seen> seen;        // what the session recorded of the current input: a double click is two events
    bool watching = false;
    std::optional<Form1State> preEdit;  // the window before the open edit began, where the storm saw it
    double preEditBound = 0;            // the rounding the right value carried then
    double errorBound = 0;              // relative rounding the right value may carry
    static constexpr double kUnknownBound = std::numeric_limits<double>::infinity();
    long events = 0;
    long checked = 0;
    long roundTrips = 0;
    long escapes = 0;
    long twinRuns = 0;

    Form1& form() { return *window->form; }
    Session& session() { return *window->session; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    int16_t anyButton() {
        static constexpr int16_t kButtons[] = {1, 1, 1, 1, 2, 4};
        return kButtons[pick(6)];
    }

    void fresh() {
        static constexpr float kScreens[][2] = {{6000, 4000}, {15360, 9600}, {28800, 16200}};
        const auto& s = kScreens[pick(3)];
        window = std::make_unique<Window>(s[0], s[1]);
        twin.reset();
        log.clear();
        log.push_back("screen " + std::to_string(static_cast<int>(s[0])) + " " +
                      std::to_string(static_cast<int>(s[1])));
        session().setRecorder([this](const std::string& line) {
            log.push_back(line);
            if (watching) seen.push_back({line, form().snapshot(), session().stepsTaken()});
        });
        preEdit.reset();
        errorBound = 0;
        act({.event = &formEvent(EventKind::Load)});
    }

    // One input into the window, followed by the checks of what it did, and
    // into the twin, which must answer and end as the window does.
    void act(const Input& in) {
        seen.clear();
        watching = !chaos;
        const int answer = window->take(in);
        watching = false;
        if (!chaos) follow();
        if (!twin) return;
        if (twin->take(in) != answer) fail("the twin window answered the last input otherwise than the window");
        if (*twin->form != form() && Form1Reflection::wholeState(*twin->form) != Form1Reflection::wholeState(form())) {
            fail("the twin window restored from a snapshot went another way: " + difference(form(), *twin->form));
        }
    }

    // Tracks where the open edit began and checks Escape and the undo round trip
    // of a step, from the windows recorded before each input.
    void follow() {
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
            const bool fromHistory = s.line == "undo" || s.line == "redo";
            // A value brought back by undo or redo carries rounding the storm no
            // longer knows; one brought back by Escape, what it carried before the box opened.
            if (fromHistory && s.before != after) errorBound = kUnknownBound;
            if (s.line.starts_with("key ") && s.line.ends_with(" Escape")) {
                errorBound = preEdit ? preEditBound : kUnknownBound;
                if (preEdit && after != *preEdit) {
                    fail("Escape did not give the window as it was before the box opened: " +
                         difference(*preEdit, after));
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
        if (stepAt && back) roundTrip(*stepAt, *back, now);
    }

    // Undo gives the window as it was before the step, redo as it was after it.
    void roundTrip(std::size_t at, const Form1State& back, const Form1State& now) {
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
    void twinAlong() {
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

    Input typeInto(const ControlRow& box) {
        const auto& pool = box.place == Place::Value && pick(2) == 0 ? kNumberPool : textPool();
        return {.kind = Input::Kind::Type,
                .row = &box,
                .text = pool[static_cast<std::size_t>(pick(static_cast<int>(pool.size())))]};
    }

    // How often a person does each kind of thing, when the control shows.
    static int weightOf(const EventHandler& h) {
        switch (h.kind) {
            case EventKind::Click:
                if (h.item != nullptr) return 1;
                return h.row->role == Role::EquationPart ? 3 : 2;
            case EventKind::DblClick:
                return 2;
            case EventKind::MouseDown:
                return 3;
            case EventKind::MouseUp:
                return 1;
            case EventKind::Timer:
                return h.row->role == Role::GuideTimer ? 2 : 4;
            default:
                return 0;  // the window's own events and Change come from elsewhere
        }
    }

    // Whether a person can raise the event now: its control shows, its timer
    // runs, or it is an item of a menu in the menu bar (unit items come only
    // through an open popup).
    bool reachable(const EventHandler& h) {
        if (h.item != nullptr) {
            const Menu& menu = form().*h.item->owner;
            const MenuItem& shown = menu.items[h.item->index];
            return h.item->category == 0 && menu.Visible && menu.Enabled && shown.Visible && shown.Enabled;
        }
        if (h.row == nullptr) return false;
        if (h.row->kind == ControlKind::Timer) return timerOf(form(), *h.row).Enabled;
        return controlOf(form(), *h.row).Visible;
    }

    // The help items other than the guide only ask the platform for something
    // (the help viewer, the version box): a person rarely opens them.
    static bool rarelyChosen(const EventHandler& h) {
        return h.item != nullptr && h.item->category == 0 && h.item->name != "usr";
    }

    // One thing a person can do in the window as it stands.
    Input step() {
        if (const Menu* menu = session().openPopup()) {
            const MenuItemRow* item =
                findMenuItemRow(menu->items[static_cast<std::size_t>(pick(static_cast<int>(menu->items.size())))].name);
            if (pick(7) == 0 || item == nullptr) return {.kind = Input::Kind::Dismiss};
            return {.kind = Input::Kind::Choose, .item = item};
        }
        // Now and then a person steps back or forward; the twin's history begins
        // at the snapshot, so not while it follows.
        if (!twin && pick(25) == 0) return {.kind = pick(3) != 0 ? Input::Kind::Undo : Input::Kind::Redo};
        std::vector<Input> options;
        std::vector<int> weights;
        for (const EventHandler& h : eventHandlers()) {
            if (!reachable(h) || (rarelyChosen(h) && pick(20) != 0)) continue;
            options.push_back(h.kind == EventKind::DblClick ? Input{.kind = Input::Kind::DoubleClick, .row = h.row}
                                                            : Input{.event = &h});
            weights.push_back(weightOf(h));
        }
        for (const ControlRow* box : rowsWithRole(Role::EditBox)) {
            if (!controlOf(form(), *box).Visible) continue;
            options.push_back({.kind = Input::Kind::Type, .row = box});
            weights.push_back(4);
        }
        if (TextBox* open = session().openBox()) {
            options.push_back({.kind = Input::Kind::Enter, .row = rowOf(form(), *open)});
            options.push_back({.kind = Input::Kind::Escape, .row = rowOf(form(), *open)});
            weights.insert(weights.end(), 2, 1);
        }
        Input in =
            options[static_cast<std::size_t>(std::discrete_distribution<int>(weights.begin(), weights.end())(rng))];
        if (in.kind == Input::Kind::Type) return typeInto(*in.row);
        if (in.event != nullptr && in.event->takesButton) in.button = anyButton();
        return in;
    }

    // Anything at all, reachable or not, but closing the window.
    std::optional<Input> chaosStep() {
        const auto& handlers = eventHandlers();
        const auto boxes = rowsWithRole(Role::EditBox);
        const auto n = static_cast<std::size_t>(pick(static_cast<int>(handlers.size() + boxes.size())));
        if (n >= handlers.size()) return typeInto(*boxes[n - handlers.size()]);
        const EventHandler& h = handlers[n];
        if (h.kind == EventKind::Unload) return std::nullopt;
        return Input{.event = &h, .button = h.takesButton ? anyButton() : int16_t{0}};
    }

    [[noreturn]] void fail(const std::string& why) {
        std::fprintf(stderr, "event storm (seed %u%s): %s after %ld events\nreplay since the window opened:\n", seed,
                     chaos ? ", chaos" : "", why.c_str(), events);
        for (const std::string& l : log) std::fprintf(stderr, "%s\n", l.c_str());
        // The equation as the storm left it: the script reproduces the run when these hold.
        for (const ControlRow* part : rowsWithRole(Role::EquationPart)) {
            if (part->side == Side::None) continue;
            const std::string name = std::string(part->name) + ".Caption";
            std::fprintf(stderr, "expect %s = %s\n", name.c_str(),
                         Form1Reflection::toText(*Form1Reflection::get(form(), name)).c_str());
        }
        std::exit(1);
    }

    // ---- the value ----

    // Product of the ratios from the left units to the right units, one token
    // pair at a time; false when the two expressions do not pair up.
    static bool ratioProduct(const std::u16string& left, const std::u16string& right, double& product) {
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
    static double shownRounding(const std::u16string& text, double value) {
        if (value == 0) return 0;
        if (text.find(u'e') != std::u16string::npos) return 5e-7;
        const std::size_t point = text.find(u'.');
        if (point == std::u16string::npos) return 1e-14;  // 15-digit plain text
        const auto decimals = static_cast<int>(text.size() - point - 1);
        const double lastPlace = decimals >= 5 || text.find(u'E') != std::u16string::npos ? 1e-14 : 0.0;
        return std::max(lastPlace, 0.5 * std::pow(10.0, -std::max(decimals, 4)) / std::fabs(value));
    }

    void checkValue(bool picked, const std::u16string& rightBefore) {
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

    void run(long count) {
        fresh();
        for (events = 0; events < count; ++events) {
            if (events % 3000 == 2999) fresh();
            if (!chaos) twinAlong();
            try {
                if (chaos) {
                    if (const auto in = chaosStep()) act(*in);
                    continue;
                }
                const std::u16string rightBefore = readEquation(form()).right.value;
                const Input in = step();
                act(in);
                // A person takes longer than 10 ms between two actions: the
                // mirroring timers tick in between.
                for (const ControlRow* timer : rowsWithRole(Role::MirrorTimer)) {
                    if (timerOf(form(), *timer).Enabled) act({.event = findEvent(*timer, EventKind::Timer)});
                }
                if (const auto broken = brokenWindowInvariant(form())) fail(*broken);
                checkValue(in.kind == Input::Kind::Choose, rightBefore);
            } catch (const std::exception& e) {
                fail(std::string("an exception escaped a handler: ") + e.what());
            }
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    long count = 10000;
    unsigned seed = 1;
    bool chaos = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--events" && i + 1 < argc) {
            count = std::atol(argv[++i]);
        } else if (a == "--seed" && i + 1 < argc) {
            seed = static_cast<unsigned>(std::atol(argv[++i]));
        } else if (a == "--chaos") {
            chaos = true;
        } else {
            std::fprintf(stderr, "usage: event_storm [--events N] [--seed S] [--chaos]\n");
            return 2;
        }
    }
    Storm storm(seed, chaos);
    storm.run(count);
    std::printf(
        "event storm: %ld events, seed %u%s, %ld value checks, %ld undo round trips, %ld escapes, %ld twin runs: "
        "no fault\n",
        count, seed, chaos ? ", chaos" : "", storm.checked, storm.roundTrips, storm.escapes, storm.twinRuns);
    return 0;
}
