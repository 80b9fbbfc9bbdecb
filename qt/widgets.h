// The Qt widgets that report the window's mouse events: labels with press,
// click and double click, category buttons with press and release.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quantivex {

class EquationLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed(int button);
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool releaseEndsDoubleClick_ = false;
};

class CategoryButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

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
