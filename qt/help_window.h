// The program's own help viewer: a non-modal window with the bundled Japanese
// help document.
#pragma once

#include "side_window.h"

class QTextBrowser;

namespace quantivex {

class HelpWindow : public SideWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the document that a bare help-file name stands for; the contents
    // command (3) shows it from the top.
    // Opens beside `beside` the first time, sized to the room there.
    void showDocument(const QString& file, int command, int context, const QWidget* beside = nullptr);
    QTextBrowser* browser() const { return browser_; }

    // Where the bundled document for a bare help-file name lives.
    static QString resourceFor(const QString& file);

private:
    QTextBrowser* browser_;
};

}  // namespace quantivex
