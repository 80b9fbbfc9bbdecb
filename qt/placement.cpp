#include "placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <vector>

namespace quantivex {
namespace {

QPoint inside(QPoint at, const QSize& size, const QRect& room) {
    at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - size.width())));
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - size.height())));
    return at;
}

}  // namespace

QSize sizeBeside(const QRect& main, const QSize& preferred, const QSize& least, const QRect& room, int gap) {
    const int right = room.right() - main.right() - gap;
    const int left = main.left() - room.left() - gap;
    const int below = room.bottom() - main.bottom() - gap;
    const int above = main.top() - room.top() - gap;
    const int height = std::min(preferred.height(), room.height());
    const int width = std::min(preferred.width(), room.width());
    for (const int across : {right, left}) {
        if (across >= least.width() && height >= least.height()) return {std::min(width, across), height};
    }
    for (const int down : {below, above}) {
        if (down >= least.height() && width >= least.width()) return {width, std::min(height, down)};
    }
    return preferred.boundedTo(room.size());
}

QPoint besideMainWindow(const QRect& main, const QSize& size, const QRect& room, std::span<const QRect> avoid,
                        int gap) {
    const std::array<QPoint, 4> sides = {
        QPoint(main.right() + 1 + gap, main.top()),             // right
        QPoint(main.left() - gap - size.width(), main.top()),   // left
        QPoint(main.left(), main.bottom() + 1 + gap),           // below
        QPoint(main.left(), main.top() - gap - size.height()),  // above
    };
    // A side clear of the other windows first; any side with room then.
    for (const bool clearOfOthers : {true, false}) {
        for (const QPoint& side : sides) {
            // Sliding along the side keeps it beside; it must not cross the gap.
            const QPoint at = inside(side, size, room);
            const QRect frame(at, size);
            const bool coversOther =
                std::any_of(avoid.begin(), avoid.end(), [&](const QRect& r) { return r.intersects(frame); });
            if (room.contains(frame) && !main.intersects(frame) && (at.x() == side.x() || at.y() == side.y()) &&
                !(clearOfOthers && coversOther)) {
                return at;
            }
        }
    }
    // No side has room: inside the screen, from the side where the most of the
    // main window stays uncovered.
    QPoint best = inside(sides[0], size, room);
    int leastCovered = QRect(best, size).intersected(main).width() * QRect(best, size).intersected(main).height();
    for (const QPoint& side : sides) {
        const QPoint at = inside(side, size, room);
        const QRect covered = QRect(at, size).intersected(main);
        const int area = covered.width() * covered.height();
        if (area < leastCovered) {
            leastCovered = area;
            best = at;
        }
    }
    return best;
}

std::vector<QRect> otherWindows(const QWidget* window, const QWidget* mainWindow) {
    std::vector<QRect> frames;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w != window && w != mainWindow && w->isVisible() && w->isWindow() && w->windowType() != Qt::Popup &&
            w->windowType() != Qt::ToolTip) {
            frames.push_back(w->frameGeometry());
        }
    }
    return frames;
}

QMargins frameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QRect roomFor(const QWidget* mainWindow) {
    const QScreen* screen = mainWindow->screen() != nullptr ? mainWindow->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

namespace {

// Moves the window once more when its frame is known: before it shows, the
// window manager has not drawn the frame yet, and where a window's position
// lands before that differs between kinds of window. The frame's size comes
// from the window manager in its own time, with no event of its own.
class SettleBeside : public QObject {
public:
    SettleBeside(QWidget* window, const QWidget* mainWindow) : QObject(window), window_(window), main_(mainWindow) {
        window->installEventFilter(this);
        timer_.setInterval(25);
        connect(&timer_, &QTimer::timeout, this, &SettleBeside::settle);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && !timer_.isActive()) timer_.start();
        return false;
    }

private:
    void settle() {
        const bool framed = window_->frameGeometry() != window_->geometry();
        if (!framed && ++tries_ < 40) return;
        timer_.stop();
        if (framed && main_ != nullptr) {
            const std::vector<QRect> others = otherWindows(window_, main_);
            const QPoint at =
                besideMainWindow(main_->frameGeometry(), window_->frameGeometry().size(), roomFor(main_), others);
            if (window_->frameGeometry().topLeft() != at) window_->move(at);
        }
        deleteLater();
    }

    QWidget* window_;
    QPointer<const QWidget> main_;
    QTimer timer_;
    int tries_ = 0;
};

}  // namespace

void keepOnScreen(QWidget* window, const QWidget* mainWindow) {
    if (window == nullptr || mainWindow == nullptr || !window->isVisible()) return;
    const QRect room = roomFor(mainWindow);
    const QRect frame = window->frameGeometry();
    if (!room.isValid() || room.contains(frame)) return;
    const QPoint at = inside(frame.topLeft(), frame.size(), room);
    if (at != frame.topLeft()) window->move(at);
}

void placeBeside(QWidget* window, const QWidget* mainWindow) {
    if (window == nullptr || mainWindow == nullptr) return;
    const QRect room = roomFor(mainWindow);
    if (!room.isValid()) return;
    const std::vector<QRect> others = otherWindows(window, mainWindow);
    window->move(
        besideMainWindow(mainWindow->frameGeometry(), window->size().grownBy(frameOf(mainWindow)), room, others));
    new SettleBeside(window, mainWindow);
}

}  // namespace quantivex
