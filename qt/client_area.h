// The window's client area: its background, the separator lines and everything
// the window has drawn on its surface. The control widgets lie on it.
#pragma once

#include <QWidget>
#include <functional>

#include "conversions.h"

namespace quantivex {

struct Form1State;

class ClientArea : public QWidget {
public:
    ClientArea(const Form1State& form, const TwipScale& scale, QWidget* parent);
    // Called once, when the first frame has been painted.
    void afterFirstFrame(std::function<void()> then) { afterFirstFrame_ = std::move(then); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Form1State& form_;
    const TwipScale& scale_;
    std::function<void()> afterFirstFrame_;
};

}  // namespace quantivex
