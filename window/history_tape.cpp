#include "history_tape.h"

#include "session.h"

namespace quantivex {
namespace {

// What the history compares of the right side: its value and its units.
bool sameRight(const Form1State& a, const Form1State& b) {
    return a.Label1.Caption == b.Label1.Caption && a.Label5.Caption == b.Label5.Caption &&
           a.Label6.Caption == b.Label6.Caption;
}

// The same equation as shown: both values and all four unit expressions.
bool sameEquation(const Form1State& a, const Form1State& b) {
    return sameRight(a, b) && a.Label2.Caption == b.Label2.Caption && a.Label3.Caption == b.Label3.Caption &&
           a.Label4.Caption == b.Label4.Caption;
}

// The right side is the left one unconverted: nothing to remember.
bool plainCopy(const Form1State& f) {
    return f.Label1.Caption == f.Label2.Caption && f.Label5.Caption == f.Label3.Caption &&
           f.Label6.Caption == f.Label4.Caption;
}

}  // namespace

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
    if (quiet_ || sameRight(before, after) || plainCopy(after)) return;
    if (after.LeftNumeratorDims.empty() && after.LeftDenominatorDims.empty()) return;
    if (!entries_.empty() && sameEquation(*entries_.front().state, after)) return;
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
