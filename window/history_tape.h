// 計算の履歴: the conversions of this run, newest first. A step observer adds
// one for each step that changes the right value or a right unit while the
// left side has units and the right side is more than a copy of it; each holds
// the window's state after that step, so it can be restored whole. Nothing is
// kept on disk: the program keeps no files.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <span>
#include <string>

#include "equation.h"
#include "form1_state.h"

namespace quantivex {

class Session;

inline constexpr std::size_t kHistoryEntries = 1000;  // the oldest go first

class HistoryTape {
public:
    struct Entry {
        std::shared_ptr<const Form1State> state;  // the window after the step
        Equation equation() const;
        std::u16string text() const { return equation().text(); }  // as copy gives it
    };

    explicit HistoryTape(Session& session);
    ~HistoryTape();
    HistoryTape(const HistoryTape&) = delete;
    HistoryTape& operator=(const HistoryTape&) = delete;

    std::size_t size() const { return entries_.size(); }
    const Entry& at(std::size_t newestFirst) const { return entries_[newestFirst]; }
    void clear();
    // Changes whenever the entries do, so a view redraws only then.
    unsigned revision() const { return revision_; }

    // Every entry as tab-separated columns under their header, newest first,
    // each line ended, for a spreadsheet: value, units, value, units.
    std::u16string tableText() const;
    // The entries chosen, one text a line, in the order given.
    std::u16string linesText(std::span<const std::size_t> newestFirst) const;

    // Steps heard while this is set add nothing: a restore of an entry.
    void setQuiet(bool quiet) { quiet_ = quiet; }

private:
    void heard(const Form1State& before, const Form1State& after);

    Session& session_;
    int observer_ = 0;
    std::deque<Entry> entries_;
    unsigned revision_ = 0;
    bool quiet_ = false;
};

// Restores an entry (0 the newest) into the window as one step; false for none.
bool restoreEntry(Session& session, HistoryTape& tape, std::size_t newestFirst);
// The whole history to the clipboard as a table; emptied. Both are inputs of
// the person, recorded as such.
void copyHistory(Session& session, const HistoryTape& tape);
void clearHistory(Session& session, HistoryTape& tape);

}  // namespace quantivex
