// 計算の内訳: a non-modal window that shows how the right side of the equation
// follows from the left, updated as the equation changes.
#pragma once

#include <QWidget>

class QLabel;

namespace quantivex {

struct BreakdownReport;

class BreakdownWindow : public QWidget {
    Q_OBJECT
public:
    explicit BreakdownWindow(QWidget* parent = nullptr);
    void show(const BreakdownReport& report);
    void refresh(const BreakdownReport& report);
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* text_;
};

}  // namespace quantivex
