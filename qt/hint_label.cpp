#include "hint_label.h"

#include <QToolTip>
#include <algorithm>

#include "widgets.h"

namespace quantivex {

HintLabel::HintLabel(QWidget* clientArea, const QFont& font) : QLabel(clientArea) {
    setObjectName(QStringLiteral("hint"));
    setAccessibleName(QStringLiteral("入力の注意"));
    setFrameShape(QFrame::Box);
    setMargin(1);
    setAutoFillBackground(true);
    setPalette(QToolTip::palette());
    setFont(font);
    hide();
}

// Inside the window, just above or just under the control, where it covers no
// other control that shows; under it otherwise.
void HintLabel::showBeside(const QString& text, const QWidget* near) {
    if (text.isEmpty()) {
        hide();
        return;
    }
    QWidget* client = parentWidget();
    setText(text);
    setAccessibleDescription(text);
    adjustSize();
    const int width = std::min(this->width(), client->width());
    resize(width, height());
    const QRect box = near != nullptr ? near->geometry() : QRect();
    auto placed = [&](int top) {
        const int left = std::clamp(box.left(), 0, std::max(0, client->width() - width));
        return QRect(QPoint(left, std::clamp(top, 0, std::max(0, client->height() - height()))), size());
    };
    // What a place would cover: 2 for a part of the equation, 1 for another control.
    auto covers = [&](const QRect& r) {
        int worst = 0;
        for (const QObject* o : client->children()) {
            const auto* w = qobject_cast<const QWidget*>(o);
            if (w == nullptr || w == this || w == near || !w->isVisible() || !w->geometry().intersects(r)) continue;
            worst = std::max(worst, qobject_cast<const EquationLabel*>(w) != nullptr ? 2 : 1);
        }
        return worst;
    };
    const QRect above = placed(box.top() - height() - 1);
    const QRect below = placed(box.bottom() + 2);
    move((covers(above) < covers(below) ? above : below).topLeft());
    show();
    raise();
}

}  // namespace quantivex
