// The frame around the client area: the window where the model puts it, and a
// client area as large as the window's width leaves inside the frame the
// window manager draws, measured once that frame is known.
#include <QEvent>
#include <QMoveEvent>
#include <algorithm>

#include "client_area.h"
#include "main_window.h"
#include "widgets.h"

namespace quantivex {

// Moved only when the model's place changes: a window the person dragged stays
// where it was put until the window itself moves it.
void MainWindow::placeFrame() {
    const Form1& f = *form_;
    if (!placed_ || f.Left != placedLeft_ || f.Top != placedTop_) {
        move(scale_.toPixels(f.Left), scale_.toPixels(f.Top));
        placedLeft_ = f.Left;
        placedTop_ = f.Top;
        placed_ = true;
    }
}

// The window's width is its outer width; the client area is what the window
// system's frame leaves of it, measured, not assumed. A widened equation can
// reach a few twips past that width; the client area then grows by as much as
// keeps the right fraction clear of the edge, the equation's places unchanged.
void MainWindow::syncClientSize() {
    const int frame = std::max(0, frameGeometry().width() - geometry().width());
    int width = scale_.toPixels(form_->Width) - frame;
    for (const auto& [row, model, w] : widgets_->labels()) {
        if (model->Visible && w != nullptr) width = std::max(width, w->geometry().right() + 1 + kEquationMargin);
    }
    const QSize client(width, scale_.toPixels(kClientHeight));
    if (client_->size() != client) client_->setFixedSize(client);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The frame arrives from the window manager once the window is shown. The
    // size follows later, from the event loop: resized inside the window
    // manager's own reply, the window would be put where Qt last heard it was.
    if (client_ != nullptr && event->type() == QEvent::ActivationChange) {
        QMetaObject::invokeMethod(this, &MainWindow::syncClientSize, Qt::QueuedConnection);
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager's frame also comes as a move.
    if (client_ != nullptr) QMetaObject::invokeMethod(this, &MainWindow::syncClientSize, Qt::QueuedConnection);
}

}  // namespace quantivex
