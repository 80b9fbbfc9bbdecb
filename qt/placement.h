// Where the program's other windows open: beside the calculator, a few pixels
// from it, and wholly inside the screen's available area.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>
#include <vector>

class QWidget;

namespace quantivex {

// The frame position for a window of frame size `size` beside the main
// window's frame `main`: on its right, else its left, else below, else above,
// whichever has room inside `room`, `gap` pixels away and lined up with the
// main window's top (left edge, for below and above). Where no side has room,
// it lies inside `room` covering the main window as little as it can. A window
// larger than the room starts at the room's top left.
// A side that leaves the program's other windows (`avoid`: the breakdown, the
// help, the history) uncovered comes before one that covers them.
QPoint besideMainWindow(const QRect& main, const QSize& size, const QRect& room, std::span<const QRect> avoid = {},
                        int gap = 4);

// The frames of the program's other windows that show, beside `window` and the main window.
std::vector<QRect> otherWindows(const QWidget* window, const QWidget* mainWindow);

// The largest size up to `preferred`, and no smaller than `least`, for a window
// that is to open beside the main window: sized to the first side (right,
// left, below, above) with room for `least` (frames included); `preferred`
// when no side has that much room.
QSize sizeBeside(const QRect& main, const QSize& preferred, const QSize& least, const QRect& room, int gap = 4);

// The thickness of a shown window's frame, which the window manager draws.
QMargins frameOf(const QWidget* window);
// The screen's available area where the main window is.
QRect roomFor(const QWidget* mainWindow);

// Moves a window that has grown back inside the screen's available area, if it
// now runs past it; it stays where it is otherwise.
void keepOnScreen(QWidget* window, const QWidget* mainWindow);

// Moves a top-level window, at its present size, beside the main window. Its
// frame is taken to be as thick as the main window's, since the window manager
// draws it only once the window shows.
void placeBeside(QWidget* window, const QWidget* mainWindow);

}  // namespace quantivex
