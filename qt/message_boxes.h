// The window's message boxes, styled by the window's message style and opened
// without blocking: no handler waits for one and no event loop runs inside the
// view's dispatch, so while a box shows the window's timers tick as ordinary
// events. Boxes show one at a time, in the order the window asked for them.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <deque>

#include "qt_platform.h"

class QWidget;

namespace quantivex {

class MessageBoxes : public QObject {
    Q_OBJECT
public:
    explicit MessageBoxes(QWidget* window);
    void show(const PendingMessage& message);

private:
    void showNext();

    QWidget* window_;
    std::deque<PendingMessage> queue_;
    QPointer<QMessageBox> current_;  // the box showing now: the next one waits for it to close
};

}  // namespace quantivex
