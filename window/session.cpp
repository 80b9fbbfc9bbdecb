#include "session.h"

#include <algorithm>
#include <string>

#include "form1_table.h"
#include "utf.h"

namespace quantivex {
namespace {

// "1,000": counts in messages read more easily grouped.
std::u16string grouped(std::size_t n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
    return std::u16string(digits.begin(), digits.end());
}

std::u16string_view kindOfForbidden(char32_t c) {
    if (c >= 0xD800 && c <= 0xDFFF) return u"壊れた文字";
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return u"制御文字";
    if (c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF) {
        return u"書式制御文字";
    }
    return {};
}

}  // namespace

std::optional<std::u16string> refusalOfTypedText(std::u16string_view text) {
    if (text.size() > kMaxTypedLength) {
        return u"長すぎて入力できません（" + grouped(text.size()) + u" 文字。" + grouped(kMaxTypedLength) +
               u" 文字まで）";
    }
    std::size_t position = 0;  // in characters as a person counts them
    for (std::size_t i = 0; i < text.size(); ++i) {
        ++position;
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            ++i;  // a whole pair is one character
            continue;
        }
        const std::u16string_view kind = kindOfForbidden(c);
        if (!kind.empty()) {
            return grouped(position) + u" 文字目に入力できない文字（" + std::u16string(kind) + u"）があります";
        }
    }
    return std::nullopt;
}

Session::Session(Form1& form) : form_(form) {
    for (const ControlRow* row : rowsWithRole(Role::EditBox)) {
        const ControlRow* label = labelEditedBy(*row);
        boxes_.push_back({row, &textBoxOf(form_, *row), label, findEvent(*label, EventKind::Click)});
    }
}

void Session::record(const std::string& line) const {
    if (recorder_) recorder_(line);
}

// Whatever the person does next closes an open popup menu and ends a hint.
void Session::personActs() {
    popup_ = nullptr;
    form_.platform().hideHint();
}

void Session::run(const EventHandler& event, int16_t button) {
    if (recorder_) record(event.takesButton ? event.name + " " + std::to_string(button) : event.name);
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
    const bool wasOpen = anyEditOpen(form_);
    // The window is kept as it was only where the event may turn out a step or
    // open an edit: a copy before every click would cost more than the click.
    // A commit needs none: it closes an edit, so it always changes the window.
    const bool onLabel = onEditedLabel(event);
    const bool opensEdit = !wasOpen && event.kind == EventKind::DblClick && onLabel;
    const State before = mayBeStep(event) || opensEdit ? snapshot() : nullptr;
    event.run(form_, button);
    if (const Menu* menu = form_.platform().takePopupRequest()) popup_ = menu;
    const bool isOpenNow = anyEditOpen(form_);
    // A committed edit is one step from the window before its box opened,
    // whatever was done while it was open. (An edit opened behind the
    // session's back, by a restore of the window alone, has no known start.)
    const bool commit = event.kind == EventKind::Click && wasOpen && !isOpenNow && onLabel && beforeEdit_;
    if (commit || (before && mayBeStep(event) && static_cast<const Form1State&>(form_) != *before)) {
        if (commit) {
            undo_.resize(std::min(undo_.size(), editMark_));
            undo_.push_back({beforeEdit_, nullptr, 0});
        } else {
            undo_.push_back({before, beforeEdit_, editMark_});
        }
        if (undo_.size() > kUndoSteps) forgetOldestStep();
        redo_.clear();
        ++stepsTaken_;
    }
    if (!wasOpen && isOpenNow) {
        // Only a double click on a label opens its box; were anything else to,
        // Escape would put back the window as the event left it.
        beforeEdit_ = before ? before : snapshot();
        editMark_ = undo_.size();
    } else if (!isOpenNow) {
        beforeEdit_.reset();
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
    if (recorder_) record("choose " + item.name);
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
    if (recorder_) record("type " + std::string(box.name) + " " + toUtf8(text));
    if (const auto refusal = refusalOfTypedText(text)) {
        form_.platform().showHint(box, *refusal);
        return false;
    }
    form_.platform().hideHint();
    box.setText(std::move(text));
    return true;
}

const Session::EditBox* Session::editBoxOf(const TextBox& box) const {
    for (const EditBox& b : boxes_) {
        if (b.box == &box) return &b;
    }
    return nullptr;
}

TextBox* Session::openBox() {
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
    if (recorder_) record("key " + std::string(box.name) + " Enter");
    dispatch(*b->labelClick, 0);
    return true;
}

bool Session::escape(TextBox& box) {
    popup_ = nullptr;
    if (!isOpen(box) || !beforeEdit_) return false;
    if (recorder_) record("key " + std::string(box.name) + " Escape");
    // Whatever was done while the box was open goes with it. The abandoned edit
    // is no step: what could be redone before it opened still can be.
    undo_.resize(std::min(undo_.size(), editMark_));
    restore({beforeEdit_, nullptr, 0});
    return true;
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

void Session::restore(const Moment& moment) {
    form_.platform().hideHint();
    form_.restore(*moment.state);
    beforeEdit_ = moment.beforeEdit;
    // An edit the moment holds open began where it began; without one, steps
    // from here on would belong to the next edit.
    editMark_ = moment.beforeEdit ? std::min(moment.editMark, undo_.size()) : undo_.size();
}

// The history holds kUndoSteps: the oldest step goes, and every mark of where
// an edit began moves with the steps after it.
void Session::forgetOldestStep() {
    undo_.pop_front();
    auto shift = [](std::size_t& mark) { mark = mark > 0 ? mark - 1 : 0; };
    shift(editMark_);
    for (Moment& m : undo_) shift(m.editMark);
    for (Moment& m : redo_) shift(m.editMark);
}

bool Session::canUndo() const {
    if (!undo_.empty()) return true;
    return std::any_of(boxes_.begin(), boxes_.end(), [&](const EditBox& b) { return isOpen(*b.box); });
}

bool Session::undo() {
    popup_ = nullptr;
    record("undo");
    // With a box open, the steps taken while it was open go first; then the box
    // closes as Escape closes it, and redo opens it again as it was.
    if (openBox() != nullptr && undo_.size() <= editMark_) {
        if (!beforeEdit_) return false;
        redo_.push_back(now());
        restore({beforeEdit_, nullptr, 0});
        return true;
    }
    if (undo_.empty()) return false;
    redo_.push_back(now());
    const Moment back = std::move(undo_.back());
    undo_.pop_back();
    restore(back);
    return true;
}

bool Session::redo() {
    popup_ = nullptr;
    record("redo");
    if (redo_.empty()) return false;
    undo_.push_back(now());
    const Moment forward = std::move(redo_.back());
    redo_.pop_back();
    restore(forward);
    return true;
}

std::optional<std::u16string> Session::equationText() const {
    const Form1State& f = form_;
    if (!f.Label2.Visible || (f.LeftNumeratorDims.empty() && f.LeftDenominatorDims.empty())) return std::nullopt;
    auto side = [](const std::u16string& value, const std::u16string& numerator, const std::u16string& denominator) {
        std::u16string text = value + u" " + numerator;
        if (!denominator.empty()) text += u"/" + denominator;
        return text;
    };
    return side(f.Label2.Caption, f.Label3.Caption, f.Label4.Caption) + u" = " +
           side(f.Label1.Caption, f.Label5.Caption, f.Label6.Caption);
}

bool Session::copy() {
    record("copy");
    const auto text = equationText();
    if (!text) return false;
    form_.platform().setClipboardText(*text);
    // A copy shows nowhere else: say it was done, beside the result.
    form_.platform().showNotice(form_.Label1, u"式をコピーしました");
    return true;
}

}  // namespace quantivex
