// The history of steps: what a step is once the router has run an input, undo
// and redo (200 steps kept), where an open edit began, the observers told of
// each completed step, and compound steps that count several inputs as one.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "form1.h"

namespace quantivex {

// Steps of the undo history kept; the oldest go first.
inline constexpr std::size_t kUndoSteps = 200;

// Whether going from one window to the other is a step: a value, a unit or the
// phase changed.
bool isStep(const Form1State& before, const Form1State& after);

class StepHistory {
public:
    // A state of the window, kept whole and never changed, so moments share it.
    using State = std::shared_ptr<const Form1State>;
    // Told after each completed step, with the window before and after it.
    using Observer = std::function<void(const Form1State& before, const Form1State& after)>;

    explicit StepHistory(Form1& form) : form_(form) {}
    StepHistory(const StepHistory&) = delete;
    StepHistory& operator=(const StepHistory&) = delete;

    State snapshot() const { return std::make_shared<const Form1State>(form_.state()); }

    // ---- what the router reports ----
    // The window may have changed since `before`: a step when it did.
    void stepFrom(const State& before);
    // The open edit was committed: one step from the window before its box
    // opened, whatever was done while it was open. An edit whose start is
    // unknown (opened by a restore of the window alone) makes no step.
    void commitEdit();
    void editOpened(State before);
    void editClosed() { beforeEdit_.reset(); }
    bool editStartKnown() const { return beforeEdit_ != nullptr; }
    // The window as last committed: before the open edit began, while one is
    // open; as it is, otherwise.
    const Form1State& committed() const { return beforeEdit_ ? *beforeEdit_ : form_.state(); }

    // ---- compound steps ----
    // Between begin and end, inputs run as usual but make no step of their
    // own; the end makes one step of them all, told to the observers once.
    // Compounds nest: only the outermost one is a step.
    void beginCompound();
    void endCompound();
    bool inCompound() const { return depth_ > 0; }

    // ---- going back and forth ----
    // With a box open, the steps taken while it was open go back first; then
    // the box closes as Escape closes it, and redo opens it again as it was.
    bool canUndo(bool boxOpen) const { return !undo_.empty() || boxOpen; }
    bool canRedo() const { return !redo_.empty(); }
    bool undo(bool boxOpen);
    bool redo();
    // Escape in an open box: the window as it was before the box opened. The
    // abandoned edit is no step: what could be redone before it still can be.
    bool abandonEdit();

    std::size_t stepsTaken() const { return stepsTaken_; }  // every step recorded since the session began
    // An observer until it is removed by the number it was given.
    int addObserver(Observer observer) {
        observers_.emplace_back(++lastObserver_, std::move(observer));
        return lastObserver_;
    }
    void removeObserver(int id) {
        std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
    }

private:
    // A state of the window, with the state before its open edit, if one is
    // open, and the history's size when that edit began.
    struct Moment {
        State state;
        State beforeEdit;
        std::size_t editMark = 0;
    };
    Moment now() const { return {snapshot(), beforeEdit_, editMark_}; }
    void push(Moment moment, const Form1State& before);
    void restore(const Moment& moment);
    void forgetOldestStep();

    Form1& form_;
    State beforeEdit_;          // the window just before the open edit began
    std::size_t editMark_ = 0;  // the history's size when the open edit began
    std::deque<Moment> undo_;
    std::vector<Moment> redo_;
    std::size_t stepsTaken_ = 0;
    std::vector<std::pair<int, Observer>> observers_;
    int lastObserver_ = 0;
    int depth_ = 0;
    Moment compoundStart_;  // the window before the outermost compound began, with its edit
};

}  // namespace quantivex
