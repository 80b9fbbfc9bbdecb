#include "history_tape.h"

#include "session.h"

namespace quantivex {
Equation HistoryTape::Entry::equation() const {
    return readEquation(*state);
}

HistoryTape::HistoryTape(Session& session) : session_(session) {
    observer_ = session.history().addObserver(
        [this](const Form1State& before, const Form1State& after) { heard(before, after); });
}

HistoryTape::~HistoryTape() {
    session_.history().removeObserver(observer_);
}

void HistoryTape::heard(const Form1State& before, const Form1State& after) {
    if (quiet_ || sameRightSide(before, after) || rightCopiesLeft(after)) return;
    if (after.LeftNumeratorDims.empty() && after.LeftDenominatorDims.empty()) return;
    if (!entries_.empty() && sameEquationShown(*entries_.front().state, after)) return;
    entries_.push_front({std::make_shared<const Form1State>(after)});
    if (entries_.size() > kHistoryEntries) entries_.pop_back();
    ++revision_;
}

void HistoryTape::clear() {
    entries_.clear();
    ++revision_;
}

std::u16string HistoryTape::tableText() const {
    std::u16string out = u"左辺の数値\t左辺の単位\t右辺の数値\t右辺の単位\n";
    for (const Entry& e : entries_) {
        const Equation q = e.equation();
        out += q.left.value + u"\t" + q.left.units() + u"\t" + q.right.value + u"\t" + q.right.units() + u"\n";
    }
    return out;
}

std::u16string HistoryTape::linesText(std::span<const std::size_t> newestFirst) const {
    std::u16string out;
    for (std::size_t i : newestFirst) {
        if (i < entries_.size()) out += entries_[i].text() + u"\n";
    }
    return out;
}

bool restoreEntry(Session& session, HistoryTape& tape, std::size_t newestFirst) {
    if (newestFirst >= tape.size()) return false;
    // Held here: a restore that pushed out the entry would free its state.
    const std::shared_ptr<const Form1State> state = tape.at(newestFirst).state;
    // The step is heard when the compound ends: quiet until then.
    tape.setQuiet(true);
    session.compound("history restore " + std::to_string(newestFirst + 1), [&] { session.form().restore(*state); });
    tape.setQuiet(false);
    return true;
}

void copyHistory(Session& session, const HistoryTape& tape) {
    session.record("copy history");
    session.form().platform().setClipboardText(tape.tableText());
}

void clearHistory(Session& session, HistoryTape& tape) {
    session.record("history clear");
    tape.clear();
}

}  // namespace quantivex
