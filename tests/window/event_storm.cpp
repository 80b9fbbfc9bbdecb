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
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "storm.h"
#include "window_invariants.h"

namespace quantivex::storm {

void Storm::fresh() {
    static constexpr float kScreens[][2] = {{6000, 4000}, {15360, 9600}, {28800, 16200}};
    const auto& s = kScreens[pick(3)];
    window = std::make_unique<Window>(s[0], s[1]);
    twin.reset();
    log.clear();
    log.push_back("screen " + std::to_string(static_cast<int>(s[0])) + " " + std::to_string(static_cast<int>(s[1])));
    session().setRecorder([this](const std::string& line) {
        log.push_back(line);
        if (watching) seen.push_back({line, form().snapshot(), session().stepsTaken()});
    });
    preEdit.reset();
    errorBound = 0;
    entries.clear();
    tapeRevision = 0;
    act({.event = &formEvent(EventKind::Load)});
}

// One input into the window, followed by the checks of what it did, and
// into the twin, which must answer and end as the window does.
void Storm::act(const Input& in) {
    seen.clear();
    watching = !chaos;
    const Equation before = readEquation(form());
    const std::size_t messages = window->platform->messages.size();
    const int answer = window->take(in);
    watching = false;
    if (!chaos) {
        follow();
        if (in.kind == Input::Kind::Restore && answer) checkRestore(in);
        // A swap that the window stopped with its error box turned nothing around.
        if (in.kind == Input::Kind::Swap && answer && window->platform->messages.size() == messages) {
            checkSwap(before);
        }
    }
    if (!twin) return;
    if (twin->take(in) != answer) fail("the twin window answered the last input otherwise than the window");
    if (*twin->form != form() && Form1Reflection::wholeState(*twin->form) != Form1Reflection::wholeState(form())) {
        fail("the twin window restored from a snapshot went another way: " + difference(form(), *twin->form));
    }
}

void Storm::fail(const std::string& why) {
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

void Storm::run(long count) {
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
            // A line's picks round the right value on the way, where the storm
            // cannot see it: its value is checked again once the right side
            // starts over from the left.
            if (in.kind == Input::Kind::Line) errorBound = kUnknownBound;
            checkValue(in.kind == Input::Kind::Choose, rightBefore);
        } catch (const std::exception& e) {
            fail(std::string("an exception escaped a handler: ") + e.what());
        }
    }
}

}  // namespace quantivex::storm

using namespace quantivex;
using namespace quantivex::storm;

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
        "event storm: %ld events, seed %u%s, %ld value checks, %ld undo round trips, %ld escapes, %ld twin runs, "
        "%ld restores, %ld swaps: no fault\n",
        count, seed, chaos ? ", chaos" : "", storm.checked, storm.roundTrips, storm.escapes, storm.twinRuns,
        storm.restores, storm.swaps);
    return 0;
}
