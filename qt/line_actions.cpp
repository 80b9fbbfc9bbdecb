// 式の入力 in the window: opened by Ctrl+L, the menus, or a digit, a sign or a
// point typed while no box is open; Enter runs the line through the session,
// Escape closes it and changes nothing. Also the keys no action takes.
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

#include "client_area.h"

#include "line_entry.h"
#include "line_entry_box.h"
#include "main_window.h"
#include "sides_swap.h"
#include "widgets.h"

namespace quantivex {

void MainWindow::openLine(const QString& text) {
    // A box or a menu that is open has the keys first.
    if (session_.openBox() != nullptr || session_.openPopup() != nullptr) return;
    if (line_ == nullptr) {
        line_ = new LineEntryBox(static_cast<QWidget*>(client_), toQFont(form_->Text2.font),
                                 [](const QString& t) { return toQString(lineReading(fromQString(t))); });
        connect(line_, &LineEntryBox::entered, this, &MainWindow::runLine);
        connect(line_, &LineEntryBox::escaped, this, [this] { line_->close(); });
    }
    placeLine();
    line_->open(text);
}

void MainWindow::runLine(const QString& text) {
    input([this, text] {
        const auto refusal = enterLine(session_, fromQString(text));
        if (refusal) {
            line_->refuse(toQString(refusal->text), static_cast<int>(refusal->caret));
        } else {
            line_->close();
        }
    });
}

// In the band under the workflow buttons, down to the first control that shows below them.
void MainWindow::placeLine() {
    if (line_ == nullptr) return;
    int top = 0;
    for (const auto& [row, model, w] : widgets_->buttons()) {
        if (w != nullptr && model->Visible && row->role == Role::WorkflowButton)
            top = std::max(top, w->geometry().bottom() + 1);
    }
    int bottom = client_->height();
    auto below = [&](const QWidget* w, bool visible) {
        if (w != nullptr && visible && w->geometry().top() >= top) bottom = std::min(bottom, w->geometry().top());
    };
    for (const auto& [row, model, w] : widgets_->labels()) below(w, model->Visible);
    for (const auto& [row, model, w] : widgets_->buttons()) below(w, model->Visible);
    for (const auto& [row, model, w] : widgets_->boxes()) below(w, model->Visible);
    line_->placeIn(top, bottom);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // 左右を入れ替え is disabled where it cannot act, so its key comes here:
    // the swap then says why it did nothing.
    if (event->key() == Qt::Key_R && event->modifiers() == Qt::ControlModifier) {
        input([this] { swapSides(session_); });
        return;
    }
    const QString text = event->text();
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (plain && text.size() == 1 &&
        (text[0].isDigit() || text == QStringLiteral("+") || text == QStringLiteral("-") ||
         text == QStringLiteral("."))) {
        openLine(text);
        if (line_ != nullptr && line_->isVisible()) return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace quantivex
