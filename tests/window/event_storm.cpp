// A random event storm over Form1: what a user can do (click, double click,
// press with any button, type, pick from the open menu, let timers tick) in
// random order, deterministic per seed. After every event it checks that no
// exception escaped, that at most one row of category buttons shows, that
// committed left expressions have one dimension code per token, and that the
// right value is the left value times the unit ratios within display rounding.
// With --chaos it calls any handler whether reachable or not and checks only
// that nothing escapes. A failure prints the events that led to it as a
// replay script.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "catalogue.h"
#include "events.h"
#include "factors.h"
#include "form1.h"
#include "form1_table.h"
#include "number_text.h"
#include "recording_platform.h"
#include "reflection.h"
#include "session.h"
#include "utf.h"

using namespace quantivex;

namespace {

const std::vector<std::u16string>& textPool() {
    static const std::vector<std::u16string> pool = [] {
        std::vector<std::u16string> p = {u"", u" ", u"12abc", u"\uFF65", u"\u30FB", u"kg\uFF65m", u"kg\u30FBm", u"Kg",
                                         u"m\uFF65m\uFF65m", u"0", u"0.0", u"00", u"1e300", u"-5", u"1e-300", u"abc",
                                         u"kg\uFF65", u"\uFF65kg", u"\u03BCm\uFF65\u212B", u"2.5", u"5", u"1.e+04",
                                         u"k g", u"sec", u"kg\uFF65\uFF65m", u"1e", u"1.2.3", u"1E+15", u"Pa\uFF65kWhr",
                                         u"lb\uFF65min", u"\xD800", u"3e-7", u"123456789012",
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

struct Storm {
    explicit Storm(unsigned seed, bool chaos) : seed(seed), rng(seed), chaos(chaos) {}

    unsigned seed;
    std::mt19937 rng;
    bool chaos;
    std::unique_ptr<RecordingPlatform> platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<Session> session;
    std::deque<std::string> log;  // the recent events as replay lines
    double errorBound = 0;        // relative rounding the right value may carry
    long events = 0;
    long checked = 0;
    long restored = 0;
    long roundTrips = 0;
    std::optional<Form1State> preEdit;  // the window before the open edit began
    bool untracked = false;             // an undo or redo brought back an open edit
    Form1State snapshot;
    std::vector<std::string> snapshotState;
    double snapshotErrorBound = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    int anyButton() {
        static constexpr int kButtons[] = {1, 1, 1, 1, 2, 4};
        return kButtons[pick(6)];
    }

    void record(std::string line) {
        log.push_back(std::move(line));
        if (log.size() > 4000) log.pop_front();
    }

    void fresh() {
        static constexpr float kScreens[][2] = {{6000, 4000}, {15360, 9600}, {28800, 16200}};
        const auto& s = kScreens[pick(3)];
        platform = std::make_unique<RecordingPlatform>();
        platform->screenW = s[0];
        platform->screenH = s[1];
        form = std::make_unique<Form1>(*platform);
        session = std::make_unique<Session>(*form);
        preEdit.reset();
        log.clear();
        record("screen " + std::to_string(static_cast<int>(s[0])) + " " + std::to_string(static_cast<int>(s[1])));
        errorBound = 0;
        run("Form_Load", 0);
    }

    void run(const std::string& handler, int button) {
        platform->openPopup.reset();
        const EventHandler* h = findEventHandler(handler);
        record(h->takesButton ? handler + " " + std::to_string(button) : handler);
        raise(*h, static_cast<int16_t>(button));
    }

    // Into the value box a person mostly types numbers, large and small ones too.
    static const std::vector<std::u16string>& numberPool() {
        static const std::vector<std::u16string> pool = {u"5",
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
                                                         u"1.7976931348623157e308",
                                                         u"123456789012",
                                                         u"3e-7"};
        return pool;
    }

    void type(TextBox& box) {
        const auto& pool = &box == &form->Text2 && pick(2) == 0 ? numberPool() : textPool();
        const std::u16string& text = pool[static_cast<std::size_t>(pick(static_cast<int>(pool.size())))];
        platform->openPopup.reset();
        record("type " + box.name + " " + toUtf8(text));
        session->type(box, text);
    }

    // How often a person does each kind of thing, when the control shows.
    static int weightOf(const EventHandler& h) {
        switch (h.kind) {
            case EventKind::Click:
                return h.control.rfind("Label", 0) == 0 ? 3 : 2;
            case EventKind::DblClick:
                return 2;
            case EventKind::MouseDown:
                return 3;
            case EventKind::MouseUp:
                return 1;
            case EventKind::Timer:
                return h.control == "Timer3" ? 2 : 4;
            default:
                return 0;  // the window's own events and Change come from elsewhere
        }
    }

    // Whether a person can raise the event now: its control shows (a timer runs).
    bool reachable(const EventHandler& h) const {
        if (const MenuItemRow* item = findMenuItemRow(h.control)) {
            // The help menu is in the menu bar; unit items only through an open popup.
            return item->menu == "HLP" && item->caption != u"-";
        }
        const ControlRow* row = findControlRow(h.control);
        if (row == nullptr) return false;
        return std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), std::size_t>) {
                    return false;
                } else if constexpr (std::is_same_v<decltype(member), Timer Form1State::*>) {
                    return (*form.*member).Enabled;
                } else {
                    return (*form.*member).Visible;
                }
            },
            row->member);
    }

    // One thing a user can do in the window as it stands.
    std::string step() {
        if (platform->openPopup) {
            const CategoryControls* row = form->categoryOfMenu(*platform->openPopup);
            if (pick(7) == 0 || row == nullptr) {
                record("dismiss");
                platform->openPopup.reset();
                return "dismiss";
            }
            const std::string& item =
                row->menu->items[static_cast<std::size_t>(pick(static_cast<int>(row->menu->items.size())))].name;
            record("choose " + item);
            platform->openPopup.reset();
            raise(*findEventHandler(item + "_Click"), 0);
            return "pick";
        }
        std::vector<const EventHandler*> options;
        for (const EventHandler& h : eventHandlers()) {
            // The help file and the version box only record a request: rarely.
            if ((h.control == "usr2" || h.control == "VER") && pick(20) != 0) continue;
            const int weight = h.control.rfind("usr", 0) == 0 || h.control == "VER" ? 1 : weightOf(h);
            if (weight == 0 || !reachable(h)) continue;
            options.insert(options.end(), static_cast<std::size_t>(weight), &h);
        }
        std::vector<TextBox*> boxes;
        for (const ControlRow& row : controlRows()) {
            if (row.kind != ControlKind::TextBox) continue;
            TextBox& box = *form.*std::get<TextBox Form1State::*>(row.member);
            if (box.Visible) boxes.insert(boxes.end(), 4, &box);
        }
        // Now and then a person steps back or forward.
        if (pick(25) == 0) {
            const bool back = pick(3) != 0;
            record(back ? "undo" : "redo");
            if (back ? session->undo() : session->redo()) errorBound = std::numeric_limits<double>::infinity();
            // The session knows the window before an edit restored here; the storm does not.
            preEdit.reset();
            untracked = anyEditOpen(*form);
            return back ? "undo" : "redo";
        }
        const int n = pick(static_cast<int>(options.size() + boxes.size()));
        if (n >= static_cast<int>(options.size())) {
            type(*boxes[static_cast<std::size_t>(n) - options.size()]);
            return "type";
        }
        const EventHandler& h = *options[static_cast<std::size_t>(n)];
        if (h.kind == EventKind::DblClick) {
            // The platform delivers Click before DblClick.
            run(h.control + "_Click", 0);
        }
        run(h.name, h.takesButton ? anyButton() : 0);
        return h.name;
    }

    // Anything at all, reachable or not.
    void chaosStep() {
        const auto& handlers = eventHandlers();
        const int n = pick(static_cast<int>(handlers.size()) + 3);
        if (n >= static_cast<int>(handlers.size())) {
            TextBox* boxes[] = {&form->Text2, &form->Text3, &form->Text4};
            type(*boxes[pick(3)]);
            return;
        }
        const EventHandler& h = handlers[static_cast<std::size_t>(n)];
        if (h.kind == EventKind::Unload) return;
        run(h.name, h.takesButton ? anyButton() : 0);
    }

    [[noreturn]] void fail(const std::string& why) {
        std::fprintf(stderr, "event storm (seed %u%s): %s after %ld events\nreplay of the last events:\n", seed,
                     chaos ? ", chaos" : "", why.c_str(), events);
        for (const std::string& l : log) std::fprintf(stderr, "%s\n", l.c_str());
        std::exit(1);
    }

    // ---- invariants ----

    void checkRows() {
        bool left = false;
        bool right = false;
        for (const CategoryControls& c : form->categoryControls()) {
            left = left || c.leftButton->Visible;
            right = right || c.rightButton->Visible;
        }
        if (left && right) fail("both rows of category buttons are visible");
    }

    void checkDims(const Label& label, const std::u16string& dims, int16_t editOpen, const char* side) {
        if (editOpen != 0) return;
        const std::size_t tokens = splitUnits(label.Caption).size();
        if (dims.size() != tokens) {
            fail(std::string("the left ") + side + " has " + std::to_string(tokens) + " tokens but dimension string " +
                 toUtf8(dims));
        }
    }

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

    void checkValue(const std::string& action, const std::u16string& rightBefore) {
        Form1& f = *form;
        const bool mirrored = f.Label1.Caption == f.Label2.Caption && f.Label5.Caption == f.Label3.Caption &&
                              f.Label6.Caption == f.Label4.Caption;
        if (mirrored) {
            errorBound = 0;
        } else if (f.Label1.Caption != rightBefore) {
            if (action == "pick") {
                const double shown = leadingNumber(f.Label1.Caption);
                errorBound += shownRounding(f.Label1.Caption, shown);
            } else {
                errorBound += 1e-14;
            }
        }
        if (f.EditingLeftValue != 0 || f.LeftNumeratorEditOpen != 0 || f.LeftDenominatorEditOpen != 0) return;
        const auto left = parseNumberStrict(f.Label2.Caption);
        const auto right = parseNumberStrict(f.Label1.Caption);
        if (!left || !right) return;
        // A subnormal value carries fewer digits than any rounding bound here:
        // values scaled from it are not checked until the sides are mirrored again.
        auto subnormal = [](double v) { return v != 0 && std::fabs(v) < std::numeric_limits<double>::min(); };
        if (subnormal(*left) || subnormal(*right) || subnormal(f.LeftValue))
            errorBound = std::numeric_limits<double>::infinity();
        if (std::isinf(errorBound)) return;
        double numerator = 1;
        double denominator = 1;
        if (!ratioProduct(f.Label3.Caption, f.Label5.Caption, numerator) ||
            !ratioProduct(f.Label4.Caption, f.Label6.Caption, denominator)) {
            fail("the right units do not pair up with the left units: " + toUtf8(f.Label3.Caption) + "/" +
                 toUtf8(f.Label4.Caption) + " = " + toUtf8(f.Label5.Caption) + "/" + toUtf8(f.Label6.Caption));
        }
        const double expected = *left * numerator / denominator;
        // Near the ends of the double range subnormals lose digits of their own.
        if (!std::isfinite(expected) || std::fabs(expected) < 1e-290 || std::fabs(expected) > 1e290) return;
        ++checked;
        const double tolerance = (errorBound + 1e-12) * 1.01 * std::fabs(expected);
        if (std::fabs(*right - expected) > tolerance) {
            fail("right value " + toUtf8(f.Label1.Caption) + " is not " + toUtf8(numberToText(expected)) + " (left " +
                 toUtf8(f.Label2.Caption) + ", allowed relative rounding " + toUtf8(numberToText(errorBound)) + ")");
        }
    }

    void checkAll(const std::string& action, const std::u16string& rightBefore) {
        checkRows();
        checkDims(form->Label3, form->LeftNumeratorDims, form->LeftNumeratorEditOpen, "numerator");
        checkDims(form->Label4, form->LeftDenominatorDims, form->LeftDenominatorEditOpen, "denominator");
        checkValue(action, rightBefore);
    }

    // Everything a dump shows, and the drawn lines.
    std::vector<std::string> wholeState() const { return Form1Reflection::wholeState(*form); }

    // Every 500 events a snapshot is taken; 200 events later it is restored and
    // the window must be exactly as it was.
    void roundTripSnapshots() {
        if (events % 500 == 100) {
            snapshot = form->snapshot();
            snapshotState = wholeState();
            snapshotErrorBound = errorBound;
            record("# snapshot taken");
        } else if (events % 500 == 300 && !snapshotState.empty()) {
            form->restore(snapshot);
            errorBound = snapshotErrorBound;
            platform->openPopup.reset();
            // Restored behind the session's back: an open edit's start is not known here.
            preEdit.reset();
            untracked = anyEditOpen(*form);
            record("# snapshot restored");
            if (wholeState() != snapshotState) fail("the restored snapshot differs from the window it was taken of");
            snapshotState.clear();
            ++restored;
        }
    }

    static bool anyEditOpen(const Form1State& f) {
        return f.EditingLeftValue == 1 || f.LeftNumeratorEditOpen == 1 || f.LeftDenominatorEditOpen == 1;
    }

    // After every step: undo gives the window as it was before the step (before
    // its box opened, for a commit), redo the window as it was after it.
    void roundTripStep(const EventHandler& h, const Form1State& before, std::size_t stepsBefore) {
        // A click on a left label that closes the edit commits it; clear closes it too, but is a step of its own.
        const bool onLeftLabel = h.control == "Label2" || h.control == "Label3" || h.control == "Label4";
        const bool commit = onLeftLabel && anyEditOpen(before) && !anyEditOpen(*form);
        const bool startUnknown = untracked;
        if (!anyEditOpen(*form)) untracked = false;
        if (session->stepsTaken() == stepsBefore) return;
        // A commit of an edit that an undo brought back: where it began is not known here.
        if (commit && startUnknown) return;
        const Form1State after = form->snapshot();
        const Form1State expected = commit && preEdit ? *preEdit : before;
        session->undo();
        record("undo");
        if (form->snapshot() != expected) fail("undo did not give the window as it was before the step");
        session->redo();
        record("redo");
        if (form->snapshot() != after) fail("redo did not give the window as it was after the step");
        ++roundTrips;
    }

    // One event through the session, with the undo round trip checked when it was a step.
    void raise(const EventHandler& h, int16_t button) {
        const Form1State before = form->snapshot();
        const std::size_t stepsBefore = session->stepsTaken();
        session->run(h, button);
        if (!chaos) roundTripStep(h, before, stepsBefore);
        if (!anyEditOpen(before) && anyEditOpen(*form)) preEdit = before;
        if (!anyEditOpen(*form)) preEdit.reset();
    }

    void run(long count) {
        fresh();
        for (events = 0; events < count; ++events) {
            if (events % 3000 == 2999) {
                fresh();
                snapshotState.clear();
            }
            if (!chaos) roundTripSnapshots();
            const std::u16string rightBefore = form->Label1.Caption;
            try {
                if (chaos) {
                    chaosStep();
                } else {
                    const std::string action = step();
                    // A person takes longer than 10 ms between two actions: the
                    // mirroring timers tick in between.
                    if (form->Timer1.Enabled) run("Timer1_Timer", 0);
                    if (form->Timer2.Enabled) run("Timer2_Timer", 0);
                    checkAll(action, rightBefore);
                }
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
        "event storm: %ld events, seed %u%s, %ld value checks, %ld snapshots restored, %ld undo round trips: "
        "no fault\n",
        count, seed, chaos ? ", chaos" : "", storm.checked, storm.restored, storm.roundTrips);
    return 0;
}
