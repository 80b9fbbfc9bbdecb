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

namespace {

constexpr QChar kEllipsis(0x2026);

// Where a text wider than `width` starts to show after a leading "…": its
// longest end that leaves the ellipsis a third of its width, one character at
// least, so that a narrow label still shows the last character typed. Found
// by doubling, then halving, the length tried: a text of a few thousand
// characters is measured over little more than what shows.
qsizetype tailStart(const QString& text, const QFontMetrics& metrics, int width) {
    const int leastEllipsis = std::max(3, metrics.horizontalAdvance(kEllipsis) / 3);
    auto fits = [&](qsizetype length) {
        return metrics.horizontalAdvance(text.right(length)) + leastEllipsis <= width;
    };
    qsizetype good = 1;  // the last character, always
    qsizetype bad = text.size() + 1;
    for (qsizetype length = 2; length <= text.size(); length *= 2) {
        if (!fits(length)) {
            bad = length;
            break;
        }
        good = length;
    }
    while (bad - good > 1) {
        const qsizetype middle = good + (bad - good) / 2;
        if (middle > text.size() || !fits(middle)) {
            bad = middle;
        } else {
            good = middle;
        }
    }
    qsizetype start = text.size() - good;
    if (start > 0 && text[start].isLowSurrogate()) --start;  // never half a character
    return start;
}

}  // namespace

void EquationLabel::fitText() {
    const QFont& base = base_;
    // Measuring a long text means shaping it: only a change of the text, the
    // width asks for it again.
    if (fitted_.valid && fitted_.text == text() && fitted_.width == width()) return;
    QFont font = base;
    const double available = width() - 2 * margin() - 2;
    const double smallest = base.pointSizeF() * 0.8;
    double size = font.pointSizeF();
    double textWidth = QFontMetricsF(font).horizontalAdvance(text());
    bool fits = textWidth <= available;
    for (int step = 0; step < 64 && !fits && size > smallest; ++step) {
        // Straight to the size that should fit, then down in small steps, as
        // the width of a text does not follow its size exactly.
        const double previous = size;
        size = std::max(smallest, std::min(size - 0.25, size * available / textWidth));
        font.setPointSizeF(size);
        // Far too wide even at the smallest size: no need to shape it again to know.
        if (size == smallest && textWidth * smallest / previous > available * 1.25) break;
        textWidth = QFontMetricsF(font).horizontalAdvance(text());
        fits = textWidth <= available;
    }
    if (this->font() != font) setFont(font);
    fitted_ = {true, text(), width(), fits ? 0 : tailStart(text(), fontMetrics(), shownWidth())};
    update();
}

int EquationLabel::shownWidth() const {
    return contentsRect().width() - 2 * margin();
}

QString EquationLabel::shownText() const {
    if (!fitted_.valid || fitted_.text != text() || fitted_.tailStart == 0) return text();
    return kEllipsis + text().mid(fitted_.tailStart);
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
    const QString shown = shownText();
    if (shown != text()) {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const QString tail = shown.mid(1);
        const int tailWidth = fontMetrics().horizontalAdvance(tail);
        const int ellipsis = fontMetrics().horizontalAdvance(kEllipsis);
        // The ellipsis, squeezed to the room the digits leave it.
        const int ellipsisWidth = std::clamp(area.width() - tailWidth, 0, ellipsis);
        const int left = area.left() + (area.width() - ellipsisWidth - tailWidth) / 2;
        p.drawText(QRect(left + ellipsisWidth, area.top(), tailWidth, area.height()), Qt::AlignVCenter, tail);
        p.translate(left, 0);
        p.scale(static_cast<double>(ellipsisWidth) / std::max(1, ellipsis), 1);
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
