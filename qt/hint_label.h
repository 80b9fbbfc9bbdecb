// The note beside a refused entry: a small non-modal label inside the window,
// placed just above or under the control it speaks of where it covers the
// least of what the eye needs.
#pragma once

#include <QLabel>

namespace quantivex {

class HintLabel : public QLabel {
public:
    HintLabel(QWidget* clientArea, const QFont& font);
    // Shows the text beside `near` (anywhere sensible when null); an empty text hides the note.
    void showBeside(const QString& text, const QWidget* near);
};

}  // namespace quantivex
