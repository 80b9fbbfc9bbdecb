// The hints of the window, in one steady place the eye learns: a status line
// under the client area, where they cover no control at any scale. A hint
// shows until the next input (a confirmation goes by itself); a screen reader
// hears each one once, as it comes.
#pragma once

#include <QLabel>

class QStatusBar;

namespace quantivex {

class HintLabel : public QLabel {
public:
    HintLabel(QStatusBar* line, const QFont& font);
    // Shows the text; an empty text clears the line.
    void showHint(const QString& text);
};

}  // namespace quantivex
