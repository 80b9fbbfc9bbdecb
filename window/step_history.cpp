#include "step_history.h"

#include <algorithm>

#include "equation.h"

namespace quantivex {
// A change of a value or a unit, or of the phase: what a person looks for.
// Choosing where the next picks go (a label's colour, a row of buttons) is no
// step, so undo never spends itself on a selection alone.
bool isStep(const Form1State& before, const Form1State& after) {
    return !sameEquationShown(before, after) || phaseOf(before) != phaseOf(after);
}

void StepHistory::push(Moment moment, const Form1State& before) {
    undo_.push_back(std::move(moment));
    if (undo_.size() > kUndoSteps) forgetOldestStep();
    redo_.clear();
    ++stepsTaken_;
    for (const auto& [id, observer] : observers_) observer(before, form_.state());
}

void StepHistory::stepFrom(const State& before) {
    if (depth_ > 0 || !isStep(*before, form_.state())) return;
    push({before, beforeEdit_, editMark_}, *before);
}

void StepHistory::commitEdit() {
    if (depth_ > 0 || !beforeEdit_) return;
    const State start = beforeEdit_;
    // An edit that changed nothing, with no step taken while it was open, is
    // none: the box was opened and closed again.
    const bool stepsInside = undo_.size() > editMark_;
    undo_.resize(std::min(undo_.size(), editMark_));
    if (!stepsInside && !isStep(*start, form_.state())) return;
    push({start, nullptr, 0}, *start);
}

void StepHistory::editOpened(State before) {
    if (depth_ > 0) return;
    beforeEdit_ = std::move(before);
    editMark_ = undo_.size();
}

void StepHistory::beginCompound() {
    if (depth_++ == 0) compoundStart_ = now();
}

void StepHistory::endCompound() {
    if (--depth_ > 0) return;
    const Moment start = std::exchange(compoundStart_, {});
    beforeEdit_ = start.beforeEdit;
    editMark_ = start.editMark;
    const bool openNow = anyEditOpen(form_);
    if (openNow && !beforeEdit_) {
        // The compound opened an edit and left it open: the edit begins before
        // the compound, so Escape or one undo goes back to before it all, and
        // its commit is one step with it.
        editOpened(start.state);
        return;
    }
    stepFrom(start.state);
    if (!openNow) editClosed();
}

void StepHistory::restore(const Moment& moment) {
    form_.platform().hideHint();
    form_.restore(*moment.state);
    beforeEdit_ = moment.beforeEdit;
    // An edit the moment holds open began where it began; without one, steps
    // from here on would belong to the next edit.
    editMark_ = moment.beforeEdit ? std::min(moment.editMark, undo_.size()) : undo_.size();
}

// The history holds kUndoSteps: the oldest step goes, and every mark of where
// an edit began moves with the steps after it.
void StepHistory::forgetOldestStep() {
    undo_.pop_front();
    auto shift = [](std::size_t& mark) { mark = mark > 0 ? mark - 1 : 0; };
    shift(editMark_);
    for (Moment& m : undo_) shift(m.editMark);
    for (Moment& m : redo_) shift(m.editMark);
}

bool StepHistory::undo(bool boxOpen) {
    if (boxOpen && undo_.size() <= editMark_) {
        if (!beforeEdit_) return false;
        redo_.push_back(now());
        restore({beforeEdit_, nullptr, 0});
        return true;
    }
    if (undo_.empty()) return false;
    redo_.push_back(now());
    const Moment back = std::move(undo_.back());
    undo_.pop_back();
    restore(back);
    return true;
}

bool StepHistory::redo() {
    if (redo_.empty()) return false;
    undo_.push_back(now());
    const Moment forward = std::move(redo_.back());
    redo_.pop_back();
    restore(forward);
    return true;
}

bool StepHistory::abandonEdit() {
    if (!beforeEdit_) return false;
    undo_.resize(std::min(undo_.size(), editMark_));
    restore({beforeEdit_, nullptr, 0});
    return true;
}

}  // namespace quantivex
