// The event storm's parts: one input as the window and its twin take it, a
// window reached only through its session, and the storm itself, whose driver
// (event_storm.cpp), input generator (storm_inputs.cpp) and checks
// (storm_checks.cpp) are defined apart.
#pragma once

#include <algorithm>
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
#include <vector>

#include "catalogue.h"
#include "clipboard.h"
#include "equation.h"
#include "events.h"
#include "factors.h"
#include "form1.h"
#include "form1_table.h"
#include "history_tape.h"
#include "line_entry.h"
#include "number_text.h"
#include "recording_platform.h"
#include "reflection.h"
#include "session.h"
#include "sides_swap.h"
#include "utf.h"

using namespace quantivex;

namespace quantivex::storm {

// One input of a person (or a tick), as the window and its twin both take it.
struct Input {
    enum class Kind {
        Event,
        DoubleClick,
        Type,
        Choose,
        Dismiss,
        Enter,
        Escape,
        Undo,
        Redo,
        Line,
        Swap,
        Restore,
        CopyNumber
    };
    Kind kind = Kind::Event;
    const EventHandler* event = nullptr;
    int16_t button = 0;
    const ControlRow* row = nullptr;  // the label double-clicked; the box typed into, entered or escaped
    const MenuItemRow* item = nullptr;
    std::u16string text{};
    std::size_t entry = 0;  // of 計算の履歴, 0 the newest
};

// A window on its own platform, reached only through its session.
struct Window {
    Window(float screenWidth, float screenHeight) {
        platform->screenW = screenWidth;
        platform->screenH = screenHeight;
        form = std::make_unique<Form1>(*platform);
        session = std::make_unique<Session>(*form);
        tape = std::make_unique<HistoryTape>(*session);
    }
    std::unique_ptr<RecordingPlatform> platform = std::make_unique<RecordingPlatform>();
    std::unique_ptr<Form1> form;
    std::unique_ptr<Session> session;
    std::unique_ptr<HistoryTape> tape;

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
            case Input::Kind::Line:
                return enterLine(*session, in.text).has_value();
            case Input::Kind::Swap:
                return swapSides(*session);
            case Input::Kind::Restore:
                return restoreEntry(*session, *tape, in.entry);
            case Input::Kind::CopyNumber:
                return copyNumber(*session);
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
std::string difference(const Form1State& want, const Form1State& got);
Timer& timerOf(Form1State& form, const ControlRow& row);
// A click on a label that a box edits commits the open edit; Enter clicks it too.
bool clicksEditedLabel(const std::string& line);

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
    long restores = 0;
    long swaps = 0;
    // The window after each step that made an entry of 計算の履歴, newest first,
    // as the storm saw it: what a restore must give back.
    std::deque<Form1State> entries;
    unsigned tapeRevision = 0;

    Form1& form() { return *window->form; }
    Session& session() { return *window->session; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // ---- the value ----

    int16_t anyButton() {
        static constexpr int16_t kButtons[] = {1, 1, 1, 1, 2, 4};
        return kButtons[pick(6)];
    }

    // ---- driving the window (event_storm.cpp) ----
    void fresh();
    // One input into the window, followed by the checks of what it did, and
    // into the twin, which must answer and end as the window does.
    void act(const Input& in);
    [[noreturn]] void fail(const std::string& why);
    void run(long count);

    // ---- what a person does next (storm_inputs.cpp) ----
    Input typeInto(const ControlRow& box);
    // How often a person does each kind of thing, when the control shows.
    static int weightOf(const EventHandler& h);
    // Whether a person can raise the event now: its control shows, its timer
    // runs, or it is an item of a menu in the menu bar (unit items come only
    // through an open popup).
    bool reachable(const EventHandler& h);
    // The help items other than the guide only ask the platform for something
    // (the help viewer, the version box): a person rarely opens them.
    static bool rarelyChosen(const EventHandler& h);
    // One thing a person can do in the window as it stands.
    Input step();
    // Anything at all, reachable or not, but closing the window.
    std::optional<Input> chaosStep();
    Input typedLine();

    // ---- the checks after each input (storm_checks.cpp) ----
    // Tracks where the open edit began and checks Escape and the undo round trip
    // of a step, from the windows recorded before each input.
    void follow();
    // Undo gives the window as it was before the step, redo as it was after it.
    void roundTrip(std::size_t at, const Form1State& back, const Form1State& now);
    // A second window, restored from a snapshot of this one where the session
    // holds nothing a snapshot leaves out (an open edit's start, an open popup),
    // follows the next inputs. State kept outside the snapshot, or a change event
    // still bound to the first window, makes the two go different ways.
    void twinAlong();
    // Product of the ratios from the left units to the right units, one token
    // pair at a time; false when the two expressions do not pair up.
    static bool ratioProduct(const std::u16string& left, const std::u16string& right, double& product);
    // Relative rounding of a value as shown.
    static double shownRounding(const std::u16string& text, double value);
    void checkValue(bool picked, const std::u16string& rightBefore);
    // A restore gave the window the storm saw when the entry was made; a swap
    // turned the equation it saw around.
    void checkRestore(const Input& in);
    void checkSwap(const Equation& before);
};

}  // namespace quantivex::storm
