// 計算の履歴: a non-modal window listing the conversions of this run, newest
// first. Up and Down move, Enter or a double click restores an entry into the
// calculator, Ctrl+C copies the chosen ones as lines, 表としてコピー copies
// them all as a table and 消去 empties the list.
#pragma once

#include <functional>
#include "side_window.h"

class QListWidget;
class QPushButton;

namespace quantivex {

class HistoryTape;

class HistoryWindow : public SideWindow {
    Q_OBJECT
public:
    // `restore` restores an entry (0 the newest) through the main window, which
    // also does what `copyTable` and `clear` ask.
    HistoryWindow(const HistoryTape& tape, std::function<void(std::size_t)> restore, std::function<void()> copyTable,
                  std::function<void()> clear, QWidget* parent = nullptr);
    // Shows the window beside `beside` the first time.
    void show(const QWidget* beside);
    // The list as the tape holds it now; cheap when nothing changed.
    void refresh();
    QListWidget* list() const { return list_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreCurrent();
    void copySelected();

    const HistoryTape& tape_;
    std::function<void(std::size_t)> restore_;
    QListWidget* list_;
    CopyButton* copyTable_;
    QPushButton* clear_;
    unsigned shownRevision_ = ~0u;
};

}  // namespace quantivex
