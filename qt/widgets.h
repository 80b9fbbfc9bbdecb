// The Qt widgets that report the window's mouse events (labels with press,
// click and double click, category buttons with press and release) and the
// keys that stand for them.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quantivex {

class EquationLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Draws the text in the base font, or in a smaller size of it where it is
    // wider than the label, down to four fifths of it: smaller still, a long
    // value would be too small to read. A text wider than that shows its end
    // after a leading "…", so the digits being typed stay in view. The label
    // keeps the width the window gave it, and its text() stays whole.
    void fitText();
    // The font the text is drawn in where it fits: the control's own, which never changes.
    void setBaseFont(const QFont& font) {
        base_ = font;
        setFont(font);
    }
    // The text as drawn: the whole text, or its end after "…".
    QString shownText() const;

signals:
    void pressed(int button);
    void clicked();
    void doubleClicked();
    void keyClick();        // Space on the focused label
    void keyDoubleClick();  // Enter or F2 on the focused label

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int shownWidth() const;

    bool releaseEndsDoubleClick_ = false;
    // The text as last fitted, and where its shown end starts (0: all of it).
    struct Fitted {
        bool valid = false;
        QString text;
        int width = 0;
        qsizetype tailStart = 0;
    } fitted_;
    QFont base_;
};

// A button that Enter clicks as well as Space, with a focus frame the eye finds.
class WindowButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    static constexpr int kFocusFrameWidth = 2;  // logical pixels

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

class CategoryButton : public WindowButton {
    Q_OBJECT
public:
    using WindowButton::WindowButton;

signals:
    void mouseDown(int button);
    void mouseUp(int button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// An edit box that also reports Escape (Enter comes as returnPressed).
class EditBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

// The window's Button argument: 1 left, 2 right, 4 middle.
int buttonCode(Qt::MouseButton button);

}  // namespace quantivex
