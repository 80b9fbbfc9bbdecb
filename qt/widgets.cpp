#include "widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quantivex {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

void EquationLabel::fitText(const QFont& base) {
    QFont font = base;
    const double available = width() - 2 * margin() - 2;
    const double smallest = base.pointSizeF() * 0.8;
    double size = font.pointSizeF();
    bool fits = QFontMetricsF(font).horizontalAdvance(text()) <= available;
    for (int step = 0; step < 64 && !fits && size > smallest; ++step) {
        const double textWidth = QFontMetricsF(font).horizontalAdvance(text());
        // Straight to the size that should fit, then down in small steps, as
        // the width of a text does not follow its size exactly.
        size = std::max(smallest, std::min(size - 0.25, size * available / textWidth));
        font.setPointSizeF(size);
        fits = QFontMetricsF(font).horizontalAdvance(text()) <= available;
    }
    if (this->font() != font) setFont(font);
    if (elided_ != !fits) {
        elided_ = !fits;
        update();
    }
}

namespace {

constexpr QChar kEllipsis(0x2026);

// The end of a text that fits `width` after a leading "…". The ellipsis gives
// up to two thirds of its width, so that a narrow label still shows at least
// the last character typed, legibly.
struct Elided {
    QString tail;
    int ellipsisWidth;
};
Elided elidedAtLeft(const QString& text, const QFontMetrics& metrics, int width) {
    const int ellipsis = metrics.horizontalAdvance(kEllipsis);
    const int leastEllipsis = std::max(3, ellipsis / 3);
    // The longest end that leaves the ellipsis a third of its width; one character at least.
    auto start = text.size();
    while (start > 0) {
        auto before = start - 1;
        if (before > 0 && text[before].isLowSurrogate()) --before;
        if (start < text.size() && metrics.horizontalAdvance(text.mid(before)) + leastEllipsis > width) break;
        start = before;
    }
    const QString tail = text.mid(start);
    return {tail, std::clamp(width - metrics.horizontalAdvance(tail), 0, ellipsis)};
}

}  // namespace

QString EquationLabel::shownText() const {
    if (!elided_) return text();
    return kEllipsis + elidedAtLeft(text(), fontMetrics(), contentsRect().width() - 2 * margin()).tail;
}

void EquationLabel::mousePressEvent(QMouseEvent* event) {
    releaseEndsDoubleClick_ = false;
    emit pressed(buttonCode(event->button()));
}

void EquationLabel::mouseReleaseEvent(QMouseEvent* event) {
    // The release that ends a double click is no click of its own.
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void EquationLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    releaseEndsDoubleClick_ = true;
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void EquationLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
            emit keyClick();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            emit keyDoubleClick();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void EquationLabel::paintEvent(QPaintEvent* event) {
    if (elided_) {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const Elided shown = elidedAtLeft(text(), fontMetrics(), area.width());
        const int tailWidth = fontMetrics().horizontalAdvance(shown.tail);
        const int left = area.left() + (area.width() - shown.ellipsisWidth - tailWidth) / 2;
        p.drawText(QRect(left + shown.ellipsisWidth, area.top(), tailWidth, area.height()), Qt::AlignVCenter,
                   shown.tail);
        // The ellipsis, squeezed to the room the digits leave it.
        const int ellipsis = fontMetrics().horizontalAdvance(kEllipsis);
        p.translate(left, 0);
        p.scale(static_cast<double>(shown.ellipsisWidth) / std::max(1, ellipsis), 1);
        p.drawText(QRect(0, area.top(), ellipsis, area.height()), Qt::AlignVCenter, QString(kEllipsis));
    } else {
        QLabel::paintEvent(event);
    }
    if (!hasFocus()) return;
    // The focus frame: a dotted line inside the label, in the text's colour.
    QPainter p(this);
    QPen pen(palette().color(QPalette::WindowText), 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

void WindowButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void WindowButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    // The style's own focus line is one faint pixel: a frame in the button's
    // text colour, which the style keeps in contrast with the face, shows where
    // the keyboard is at any scale.
    QPainter p(this);
    QPen pen(palette().color(QPalette::ButtonText), kFocusFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    const int inset = 2 + kFocusFrameWidth / 2;
    p.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

void CategoryButton::mousePressEvent(QMouseEvent* event) {
    WindowButton::mousePressEvent(event);
    emit mouseDown(buttonCode(event->button()));
}

void CategoryButton::mouseReleaseEvent(QMouseEvent* event) {
    WindowButton::mouseReleaseEvent(event);
    emit mouseUp(buttonCode(event->button()));
}

}  // namespace quantivex

namespace quantivex {

bool EditBox::event(QEvent* event) {
    // Undo and redo belong to the window: with a box open, undo closes it as
    // Escape does. Copy and paste stay the box's own.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier)) {
            return false;
        }
    }
    return QLineEdit::event(event);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit escapePressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace quantivex
