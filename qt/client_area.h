// The window's client area: its background, the separator lines and everything
// the window has drawn on its surface. The control widgets lie on it.
#pragma once

#include <QWidget>

#include "conversions.h"

namespace quantivex {

struct Form1State;

class ClientArea : public QWidget {
public:
    ClientArea(const Form1State& form, const TwipScale& scale, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Form1State& form_;
    const TwipScale& scale_;
};

}  // namespace quantivex
