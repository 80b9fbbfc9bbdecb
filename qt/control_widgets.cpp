#include "control_widgets.h"

#include <QTimer>
#include <algorithm>
#include <limits>

#include "events.h"
#include "widgets.h"

namespace quantivex {
namespace {

QString nameOf(const ControlRow& row) {
    return QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size()));
}

}  // namespace

FontText fontTextOf(const ControlRow& row) {
    // Only the parts of the equation and the edit boxes show what a person typed.
    return row.role == Role::EquationPart || row.role == Role::EditBox ? FontText::Typed : FontText::Fixed;
}

QString accessibleNameOf(const ControlRow& row) {
    const std::u16string_view name = row.accessibleName.empty() ? row.caption : row.accessibleName;
    return QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size()));
}

ControlWidgets::ControlWidgets(Form1& form, QWidget* clientArea, ViewInputs& inputs)
    : client_(clientArea), inputs_(inputs) {
    for (const ControlRow& row : controlRows()) {
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, Label Form1State::*>) {
                    labels_.push_back({&row, &(form.*member), nullptr});
                } else if constexpr (std::is_same_v<M, CommandButton Form1State::*>) {
                    buttons_.push_back({&row, &(form.*member), nullptr});
                } else if constexpr (std::is_same_v<M, TextBox Form1State::*>) {
                    boxes_.push_back({&row, &(form.*member), nullptr});
                } else if constexpr (std::is_same_v<M, Timer Form1State::*>) {
                    createTimer(row, form.*member);
                }
                // Lines are painted by the client area.
            },
            row.member);
    }
}

void ControlWidgets::createShowing() {
    for (auto& l : labels_) {
        if (l.widget == nullptr && l.model->Visible) stack(*l.row, l.widget = createLabel(*l.row, *l.model));
    }
    for (auto& b : buttons_) {
        if (b.widget == nullptr && b.model->Visible) stack(*b.row, b.widget = createButton(*b.row, *b.model));
    }
    for (auto& b : boxes_) {
        if (b.widget == nullptr && b.model->Visible) stack(*b.row, b.widget = createBox(*b.row, *b.model));
    }
}

// The window stacks its controls in creation order from the top down: the
// edit boxes lie above the labels they overlay, the guide texts above the
// empty unit labels. A widget made later goes straight to its place.
void ControlWidgets::stack(const ControlRow& row, QWidget* widget) {
    const auto place = &row - controlRows().data();
    const auto above = stacked_.lower_bound(place);
    if (above == stacked_.begin()) {
        widget->raise();
    } else {
        widget->stackUnder(std::prev(above)->second);
    }
    stacked_.emplace(place, widget);
}

QWidget* ControlWidgets::widgetOf(const Control& control) const {
    const auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : it->second;
}

// A label reports press (any button, for MouseDown), click and double click.
// A part of the equation also takes the focus by Tab (never by a click, so
// clicks behave as before) and its keys: on a left part Space clicks and Enter
// or F2 double-clicks; on a right unit part Space and Enter press it.
EquationLabel* ControlWidgets::createLabel(const ControlRow& row, Label& model) {
    auto* w = new EquationLabel(client_);
    w->setObjectName(nameOf(row));
    w->setBaseFont(toQFont(model.font, fontTextOf(row)));
    w->setAlignment(Qt::AlignCenter);
    w->setAutoFillBackground(true);
    w->setContextMenuPolicy(Qt::PreventContextMenu);  // a right press is the window's MouseDown
    w->setAccessibleName(accessibleNameOf(row));
    const EventHandler* click = findEvent(row, EventKind::Click);
    const EventHandler* doubleClick = findEvent(row, EventKind::DblClick);
    const EventHandler* press = findEvent(row, EventKind::MouseDown);
    if (click != nullptr) QObject::connect(w, &EquationLabel::clicked, [this, click] { inputs_.onEvent(*click, 0); });
    if (doubleClick != nullptr) {
        QObject::connect(w, &EquationLabel::doubleClicked, [this, doubleClick] { inputs_.onEvent(*doubleClick, 0); });
    }
    if (press != nullptr) {
        QObject::connect(w, &EquationLabel::pressed,
                         [this, press](int button) { inputs_.onEvent(*press, static_cast<int16_t>(button)); });
    }
    if (row.role == Role::EquationPart && row.place != Place::Sign) {
        w->setFocusPolicy(Qt::TabFocus);
        QObject::connect(w, &EquationLabel::keyClick, [this, click, press] {
            if (click != nullptr) inputs_.onEvent(*click, 0);
            if (press != nullptr) inputs_.onEvent(*press, 1);
        });
        QObject::connect(w, &EquationLabel::keyDoubleClick, [this, &row, doubleClick, press] {
            if (doubleClick != nullptr) inputs_.doubleClick(row);
            if (press != nullptr) inputs_.onEvent(*press, 1);
        });
    }
    byControl_.emplace(&model, w);
    return w;
}

// A workflow button reports its click; a category button its press and release,
// and the popup menu it opens takes the release. Space, Enter and a screen
// reader's Press click a category button, which then opens its menu beside it.
QPushButton* ControlWidgets::createButton(const ControlRow& row, CommandButton& model) {
    QPushButton* w = nullptr;
    if (const EventHandler* down = findEvent(row, EventKind::MouseDown)) {
        auto* category = new CategoryButton(client_);
        category->setFocusPolicy(Qt::TabFocus);
        QObject::connect(category, &CategoryButton::mouseDown, [this, category, down](int button) {
            category->setDown(false);
            inputs_.onEvent(*down, static_cast<int16_t>(button));
        });
        if (const EventHandler* up = findEvent(row, EventKind::MouseUp)) {
            QObject::connect(category, &CategoryButton::mouseUp,
                             [this, up](int button) { inputs_.onEvent(*up, static_cast<int16_t>(button)); });
        }
        QObject::connect(category, &QPushButton::clicked,
                         [this, &row, category] { inputs_.pressFromKeyboard(row, category); });
        w = category;
    } else {
        w = new WindowButton(client_);
        if (const EventHandler* click = findEvent(row, EventKind::Click)) {
            QObject::connect(w, &QPushButton::clicked, [this, click] { inputs_.onEvent(*click, 0); });
        }
    }
    w->setObjectName(nameOf(row));
    w->setContextMenuPolicy(Qt::PreventContextMenu);
    w->setText(toQString(model.Caption));
    w->setAccessibleName(accessibleNameOf(row));
    w->setFont(toQFont(model.font, FontText::Fixed));
    byControl_.emplace(&model, w);
    return w;
}

// Typing goes to the model through the session, which screens it and sets the
// box's text (raising Change); Enter commits and Escape abandons the edit.
EditBox* ControlWidgets::createBox(const ControlRow& row, TextBox& model) {
    auto* w = new EditBox(client_);
    w->setObjectName(nameOf(row));
    w->setFont(toQFont(model.font));
    w->setAccessibleName(accessibleNameOf(row));
    // Qt would cut a longer paste without a word; the session refuses it whole.
    w->setMaxLength(std::numeric_limits<int>::max());
    TextBox* box = &model;
    QObject::connect(w, &QLineEdit::textEdited,
                     [this, box](const QString& text) { inputs_.type(*box, fromQString(text)); });
    QObject::connect(w, &QLineEdit::returnPressed, [this, box] { inputs_.enter(*box); });
    QObject::connect(w, &EditBox::escapePressed, [this, box] { inputs_.escape(*box); });
    byControl_.emplace(&model, w);
    return w;
}

void ControlWidgets::createTimer(const ControlRow& row, Timer& model) {
    auto* qt = new QTimer(client_);
    qt->setObjectName(nameOf(row));
    if (const EventHandler* tick = findEvent(row, EventKind::Timer)) {
        QObject::connect(qt, &QTimer::timeout, [this, tick] { inputs_.onEvent(*tick, 0); });
    }
    timers_.push_back({&row, &model, qt});
}

void ControlWidgets::orderForTab() {
    std::vector<QWidget*> order;
    // The workflow buttons as they stand, left to right: the screen's order.
    std::vector<const Bound<CommandButton, QPushButton>*> workflow;
    std::vector<const Bound<CommandButton, QPushButton>*> categories;
    for (const auto& b : buttons_) {
        if (b.widget != nullptr) (b.row->role == Role::WorkflowButton ? workflow : categories).push_back(&b);
    }
    std::sort(workflow.begin(), workflow.end(),
              [](const auto* a, const auto* b) { return a->model->Left < b->model->Left; });
    for (const auto* b : workflow) order.push_back(b->widget);
    // The tab index numbers of the labels only ever recorded their creation:
    // the equation reads left side, then right, each value, numerator, denominator.
    std::vector<const Bound<Label, EquationLabel>*> parts;
    for (const auto& l : labels_) {
        if (l.widget != nullptr && l.row->role == Role::EquationPart && l.row->place != Place::Sign)
            parts.push_back(&l);
    }
    std::sort(parts.begin(), parts.end(), [](const auto* a, const auto* b) {
        return std::pair(a->row->side, a->row->place) < std::pair(b->row->side, b->row->place);
    });
    for (const auto* l : parts) {
        order.push_back(l->widget);
        if (const ControlRow* box = editBoxOf(*l->row)) {
            for (const auto& b : boxes_) {
                if (b.row == box && b.widget != nullptr) order.push_back(b.widget);
            }
        }
    }
    // The category buttons that show, as they stand; hidden ones take no focus anyway.
    std::stable_sort(categories.begin(), categories.end(), [](const auto* a, const auto* b) {
        return std::pair(!a->model->Visible, a->model->Left) < std::pair(!b->model->Visible, b->model->Left);
    });
    for (const auto* b : categories) order.push_back(b->widget);
    // Only Tab stops are chained: Qt leaves a widget that takes no focus where
    // it is, so one that becomes a stop later is chained then.
    std::erase_if(order, [](const QWidget* w) { return w->focusPolicy() == Qt::NoFocus; });
    if (order == tabOrder_) return;
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    tabOrder_ = std::move(order);
}

}  // namespace quantivex
