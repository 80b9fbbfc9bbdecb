#include "widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quantivex {

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
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

void CategoryButton::mousePressEvent(QMouseEvent* event) {
    QPushButton::mousePressEvent(event);
    emit mouseDown(buttonCode(event->button()));
}

void CategoryButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
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
