#include "hint_label.h"

#include <QStatusBar>

namespace quantivex {

HintLabel::HintLabel(QStatusBar* line, const QFont& font) : QLabel(line) {
    setObjectName(QStringLiteral("hint"));
    setAccessibleName(QStringLiteral("入力の注意"));
    setFont(font);
    setTextFormat(Qt::PlainText);
    // As tall as a line of its font, shown or not: the window never jumps.
    setMinimumHeight(fontMetrics().height() + 4);
    line->addWidget(this, 1);
    hide();
}

void HintLabel::showHint(const QString& text) {
    if (text.isEmpty()) {
        hide();
        return;
    }
    // A screen reader is told once, as the hint comes: the description it
    // reads changes then, and only then.
    if (text != this->text() || !isVisible()) setAccessibleDescription(text);
    setText(text);
    show();
}

}  // namespace quantivex
