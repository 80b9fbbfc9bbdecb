// The sync: after every input, every widget takes what its control in the
// model holds. It is the only code that writes widget properties, and it writes
// one only when it differs, so a sync that changes nothing costs little.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "client_area.h"
#include "line_entry_box.h"
#include "main_window.h"
#include "widgets.h"

namespace quantivex {
namespace {

template <typename W>
void setGeometryFrom(W* widget, const Control& c, const TwipScale& s) {
    const QRect r(s.toPixels(c.Left), s.toPixels(c.Top), s.toPixels(c.Width), s.toPixels(c.Height));
    if (widget->geometry() != r) widget->setGeometry(r);
    if (widget->isVisibleTo(widget->parentWidget()) != c.Visible) widget->setVisible(c.Visible);
    if (widget->isEnabled() != c.Enabled) widget->setEnabled(c.Enabled);
}

}  // namespace

void MainWindow::setBackground(QWidget* widget, uint32_t colour, QPalette::ColorRole role) {
    QPalette p = widget->palette();
    const QColor c = toQColor(colour, QApplication::palette());
    if (p.color(role) == c) return;
    p.setColor(role, c);
    widget->setPalette(p);
}

void MainWindow::sync() {
    widgets_->createShowing();
    for (const auto& [row, model, w] : widgets_->labels()) {
        if (w == nullptr) continue;
        setGeometryFrom(w, *model, scale_);
        const QString text = toQString(model->Caption);
        if (w->text() != text) {
            w->setText(text);
            w->setAccessibleDescription(text);  // a screen reader reads the label's text with its name
        }
        // Fitted when it shows: measuring a text loads its font, and nothing
        // hidden needs one yet.
        if (model->Visible) w->fitText();
        setBackground(w, model->BackColor, QPalette::Window);
        // A part of the equation takes the Tab only while the eye can see it:
        // an empty one in the window's own colour is no stop.
        if (row->role == Role::EquationPart && row->place != Place::Sign) {
            const bool seen = !model->Caption.empty() || model->BackColor != form_->BackColor;
            w->setFocusPolicy(seen ? Qt::TabFocus : Qt::NoFocus);
        }
    }
    for (const auto& [row, model, w] : widgets_->buttons()) {
        if (w != nullptr) setGeometryFrom(w, *model, scale_);
    }
    for (const auto& [row, model, w] : widgets_->boxes()) {
        if (w == nullptr) continue;
        const QString text = toQString(model->Text());
        if (w->text() != text) w->setText(text);
        const bool opening = model->Visible && !w->isVisibleTo(client_);
        const bool closingWithFocus = !model->Visible && w->isVisibleTo(client_) && w->hasFocus();
        setGeometryFrom(w, *model, scale_);
        // A box that closes hands the focus back to its label, not to whatever
        // control comes next (which could be クリヤ).
        if (closingWithFocus) {
            if (QWidget* label = widgets_->widgetOf((*form_).*row->edits)) label->setFocus(Qt::OtherFocusReason);
        }
        // A box grows with its text as the window says, but never past the
        // window: beyond that it scrolls with the caret.
        const QRect inside = w->geometry().intersected(client_->rect());
        if (inside.isValid() && inside != w->geometry()) w->setGeometry(inside);
        // A box opens with its whole text selected, so the first key replaces it.
        if (opening) w->selectAll();
        setBackground(w, model->BackColor, QPalette::Base);
    }
    for (const auto& [row, model, qt] : widgets_->timers()) {
        if (model->Enabled && (!qt->isActive() || qt->interval() != model->Interval)) {
            qt->start(model->Interval);
        } else if (!model->Enabled && qt->isActive()) {
            qt->stop();
        }
    }
    widgets_->orderForTab();
    syncClientSize();
    syncActions();
    if (line_ != nullptr && line_->isVisible()) placeLine();
    placeFrame();
    client_->update();
}

}  // namespace quantivex
