#include "session.h"

#include <algorithm>
#include <string>

#include "form1_table.h"
#include "utf.h"

namespace quantivex {

Session::Session(Form1& form) : form_(form) {
    boxes_.reserve(rowsWithRole(Role::EditBox).size());
    for (const ControlRow* row : rowsWithRole(Role::EditBox)) {
        const ControlRow* label = labelEditedBy(*row);
        boxes_.push_back({row, &textBoxOf(form_, *row), label, findEvent(*label, EventKind::Click)});
    }
}

void Session::record(const std::string& line) const {
    if (recording()) recorder_(line);
}

// Whatever the person does next closes an open popup menu and ends a hint.
void Session::personActs() {
    popup_ = nullptr;
    form_.platform().hideHint();
}

void Session::run(const EventHandler& event, int16_t button) {
    if (recording()) record(event.takesButton ? event.name + " " + std::to_string(button) : event.name);
    dispatch(event, button);
}

void Session::dispatch(const EventHandler& event, int16_t button) {
    // A tick (a hundred a second while a box mirrors) is no step, opens or
    // closes no edit, leaves a hint showing and an open menu open: it runs as it is.
    if (event.kind == EventKind::Timer) {
        event.run(form_, button);
        return;
    }
    personActs();
    if (history_.inCompound()) {
        // The compound is the step: no snapshot of each input it runs.
        event.run(form_, button);
        if (const Menu* menu = form_.platform().takePopupRequest()) popup_ = menu;
        return;
    }
    const bool wasOpen = anyEditOpen(form_);
    // The window is kept as it was only where the event may turn out a step or
    // open an edit: a copy before every click would cost more than the click.
    // A commit needs none: it closes an edit, so it always changes the window.
    const bool onLabel = onEditedLabel(event);
    const bool opensEdit = !wasOpen && event.kind == EventKind::DblClick && onLabel;
    const bool step = mayBeStep(event);
    const StepHistory::State before = step || opensEdit ? history_.snapshot() : nullptr;
    const bool workflow = event.row != nullptr && event.row->role == Role::WorkflowButton;
    const bool unitsSet = workflow && (!form_.LeftNumeratorDims.empty() || !form_.LeftDenominatorDims.empty());
    event.run(form_, button);
    if (workflow) sayWhatNext(*event.row, unitsSet);
    if (const Menu* menu = form_.platform().takePopupRequest()) popup_ = menu;
    const bool isOpenNow = anyEditOpen(form_);
    if (event.kind == EventKind::Click && wasOpen && !isOpenNow && onLabel) {
        history_.commitEdit();
    } else if (step) {
        history_.stepFrom(before);
    }
    if (!wasOpen && isOpenNow) {
        // Only a double click on a label opens its box; were anything else to,
        // Escape would put back the window as the event left it.
        history_.editOpened(before ? before : history_.snapshot());
    } else if (!isOpenNow) {
        history_.editClosed();
    }
}

void Session::run(std::string_view eventName, int16_t button) {
    const EventHandler* h = findEventHandler(eventName);
    if (h == nullptr) throw UnknownEvent("the window has no event " + std::string(eventName));
    run(*h, button);
}

void Session::doubleClick(const ControlRow& label) {
    const EventHandler* click = findEvent(label, EventKind::Click);
    const EventHandler* doubleClick = findEvent(label, EventKind::DblClick);
    if (click != nullptr) run(*click);
    if (doubleClick != nullptr) run(*doubleClick);
}

void Session::close() {
    run(formEvent(EventKind::Unload));
}

Session::Pick Session::choose(const MenuItemRow& item) {
    if (popup_ == nullptr) return Pick::NoPopup;
    if (&(form_.*item.owner) != popup_) return Pick::NotInOpenPopup;
    const MenuItem& shown = popup_->items[item.index];
    if (shown.isSeparator() || !shown.Visible || !shown.Enabled || !popup_->Enabled) return Pick::Unavailable;
    // The pick arrives as the item's own Click, a new input that closes the menu.
    if (recording()) record("choose " + item.name);
    dispatch(eventOf(item), 0);
    return Pick::Chosen;
}

bool Session::dismiss() {
    if (popup_ == nullptr) return false;
    record("dismiss");
    popup_ = nullptr;
    return true;
}

bool Session::type(TextBox& box, std::u16string text) {
    popup_ = nullptr;
    if (recording()) record("type " + std::string(box.name) + " " + toUtf8(text));
    if (const auto refusal = refusalOfTypedText(text)) {
        form_.platform().showHint(box, *refusal);
        return false;
    }
    form_.platform().hideHint();
    const EditBox* b = editBoxOf(box);
    const bool emptiesUnits =
        b != nullptr && b->row->place != Place::Value && isOpen(box) && text.empty() && !box.Text().empty();
    box.setText(std::move(text));
    // The window resets the left value to 1 when a unit box is emptied, by
    // design: a person should not have to wonder where the value went.
    if (emptiesUnits) form_.platform().showHint(box, u"単位を消したため左辺の数値を 1 にしました（Ctrl+Z で戻せます）");
    return true;
}

// What to do next, where the window leaves a person without a clue: a blank
// window after clear, and the notice that no units are set.
void Session::sayWhatNext(const ControlRow& button, bool unitsSet) {
    Platform& platform = form_.platform();
    const auto* member = std::get_if<CommandButton Form1State::*>(&button.member);
    if (member == nullptr) return;
    if (*member == &Form1State::Command17) {
        platform.showHint(form_.Command8, u"「単位の設定」で新しい式を始めます");
    } else if (*member == &Form1State::Command9 && !unitsSet) {
        platform.showHint(form_.Label3, u"左辺の分子か分母をクリックして単位を選んでください");
    }
}

const Session::EditBox* Session::editBoxOf(const TextBox& box) const {
    for (const EditBox& b : boxes_) {
        if (b.box == &box) return &b;
    }
    return nullptr;
}

TextBox* Session::openBox() const {
    for (const EditBox& b : boxes_) {
        if (isOpen(*b.box)) return b.box;
    }
    return nullptr;
}

bool Session::isOpen(const TextBox& box) const {
    const EditBox* b = editBoxOf(box);
    return b != nullptr && box.Visible && editOpen(form_, *b->row);
}

bool Session::enter(TextBox& box) {
    if (!isOpen(box)) return false;
    const EditBox* b = editBoxOf(box);
    if (b->labelClick == nullptr) return false;
    record("key " + std::string(box.name) + " Enter");
    dispatch(*b->labelClick, 0);
    return true;
}

bool Session::escape(TextBox& box) {
    popup_ = nullptr;
    if (!isOpen(box) || !history_.editStartKnown()) return false;
    record("key " + std::string(box.name) + " Escape");
    return history_.abandonEdit();
}

// Whether the event is on a label that a box edits.
bool Session::onEditedLabel(const EventHandler& event) const {
    return event.row != nullptr &&
           std::any_of(boxes_.begin(), boxes_.end(), [&](const EditBox& b) { return b.label == event.row; });
}

// The workflow buttons and every unit pick; a click that commits an edit is
// one too (see dispatch), and a click that only chooses where picks go is none.
bool Session::mayBeStep(const EventHandler& event) const {
    if (event.kind != EventKind::Click) return false;
    if (event.row != nullptr) return event.row->role == Role::WorkflowButton;
    return event.item != nullptr && event.item->category != 0;
}

bool Session::undo() {
    popup_ = nullptr;
    record("undo");
    return history_.undo(openBox() != nullptr);
}

bool Session::redo() {
    popup_ = nullptr;
    record("redo");
    return history_.redo();
}

}  // namespace quantivex
