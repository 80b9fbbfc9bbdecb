// 計算の内訳: a non-modal window that shows how the right side of the equation
// follows from the left, updated as the equation changes, with a button that
// copies the whole of it.
#pragma once

#include "side_window.h"

class QTextBrowser;

namespace quantivex {

struct BreakdownReport;

class BreakdownWindow : public SideWindow {
    Q_OBJECT
public:
    explicit BreakdownWindow(QWidget* parent = nullptr);
    // Shows the window beside `beside` the first time.
    void show(const BreakdownReport& report, const QWidget* beside = nullptr);
    void refresh(const BreakdownReport& report);
    // The report as shown, laid out to the window's width.
    QString text() const;

private:
    void copyText();

    QTextBrowser* text_;
    CopyButton* copy_;
    QString copyText_;  // the equation, then the report, as コピー copies it
};

}  // namespace quantivex
