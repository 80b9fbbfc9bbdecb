// What the windows beside the calculator share (the help, 計算の内訳 and
// 計算の履歴): non-modal windows that Escape closes, as any viewer window, and
// copy buttons that say for a moment that they copied.
#pragma once

#include <QPushButton>
#include <QWidget>

namespace quantivex {

class SideWindow : public QWidget {
public:
    explicit SideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

protected:
    // Escape closes the window; its browser or list passes the key on.
    void keyPressEvent(QKeyEvent* event) override;
};

// A button that copies: the clipboard shows nowhere, so the button says
// コピーしました for a moment, and is wide enough for that not to make it jump.
class CopyButton : public QPushButton {
public:
    CopyButton(const QString& caption, QWidget* parent);
    void confirm();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QString caption_;
};

}  // namespace quantivex
