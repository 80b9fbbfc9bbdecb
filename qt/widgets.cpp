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
    constexpr double kSmallestPointSize = 4;
    QFont font = base;
    const double available = width() - 2 * margin() - 2;
    double size = font.pointSizeF();
    for (int step = 0; step < 64 && size > kSmallestPointSize; ++step) {
        const double textWidth = QFontMetricsF(font).horizontalAdvance(text());
        if (textWidth <= available) break;
        // Straight to the size that should fit, then down in small steps, as
        // the width of a text does not follow its size exactly.
        size = std::max(kSmallestPointSize, std::min(size - 0.25, size * available / textWidth));
        font.setPointSizeF(size);
    }
    if (this->font() != font) setFont(font);
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
    QLabel::paintEvent(event);
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
