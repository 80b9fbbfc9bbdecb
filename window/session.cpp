#include "session.h"

#include <algorithm>
#include <string>

#include "form1_table.h"

namespace quantivex {
namespace {

bool anyEditOpen(const Form1State& f) {
    return f.EditingLeftValue == 1 || f.LeftNumeratorEditOpen == 1 || f.LeftDenominatorEditOpen == 1;
}

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

constexpr std::string_view kEditBoxes[] = {"Text2", "Text3", "Text4"};

std::string_view labelEditedBy(std::string_view box) {
    if (box == "Text2") return "Label2";
    if (box == "Text3") return "Label3";
    if (box == "Text4") return "Label4";
    return {};
}

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

void Session::run(const EventHandler& event, int16_t button) {
    // A tick (a hundred a second while a box mirrors) is no step, opens or
    // closes no edit and leaves a hint showing: it runs as it is.
    if (event.kind == EventKind::Timer) {
        event.run(form_, button);
        return;
    }
    // Whatever the person does next ends a hint.
    form_.platform().hideHint();
    const bool wasOpen = anyEditOpen(form_);
    const Moment before = now();
    event.run(form_, button);
    const bool isOpenNow = anyEditOpen(form_);
    if (isStep(event, wasOpen) && static_cast<const Form1State&>(form_) != before.state) {
        if (isCommit(event, wasOpen) && before.beforeEdit) {
            // A committed edit is one step from the window before its box opened,
            // whatever was done while it was open.
            undo_.resize(std::min(undo_.size(), editMark_));
            undo_.push_back({*before.beforeEdit, std::nullopt});
        } else {
            undo_.push_back(before);
        }
        if (undo_.size() > kUndoSteps) {
            undo_.pop_front();
            if (editMark_ > 0) --editMark_;
        }
        redo_.clear();
        ++stepsTaken_;
    }
    if (!wasOpen && isOpenNow) {
        beforeEdit_ = before.state;
        editMark_ = undo_.size();
    } else if (!isOpenNow) {
        beforeEdit_.reset();
    }
}

void Session::run(std::string_view eventName, int16_t button) {
    if (const EventHandler* h = findEventHandler(eventName)) run(*h, button);
}

bool Session::type(TextBox& box, std::u16string text) {
    if (const auto refusal = refusalOfTypedText(text)) {
        form_.platform().showHint(box, *refusal);
        return false;
    }
    form_.platform().hideHint();
    box.setText(std::move(text));
    return true;
}

TextBox* Session::openBox() {
    for (TextBox* box : {&form_.Text2, &form_.Text3, &form_.Text4}) {
        if (isOpen(*box)) return box;
    }
    return nullptr;
}

bool Session::isOpen(const TextBox& box) const {
    if (!box.Visible) return false;
    if (&box == &form_.Text2) return form_.EditingLeftValue == 1;
    if (&box == &form_.Text3) return form_.LeftNumeratorEditOpen == 1;
    if (&box == &form_.Text4) return form_.LeftDenominatorEditOpen == 1;
    return false;
}

bool Session::enter(TextBox& box) {
    if (!isOpen(box)) return false;
    const EventHandler* click = findEvent(labelEditedBy(box.name), EventKind::Click);
    if (click == nullptr) return false;
    run(*click);
    return true;
}

bool Session::escape(TextBox& box) {
    if (!isOpen(box) || !beforeEdit_) return false;
    // Whatever was done while the box was open goes with it.
    undo_.resize(std::min(undo_.size(), editMark_));
    redo_.clear();
    const Moment start{*beforeEdit_, std::nullopt};
    restore(start);
    return true;
}

// The workflow buttons, every unit pick and every click that commits an edit;
// a click that only chooses where picks go is none.
bool Session::isStep(const EventHandler& event, bool editWasOpen) const {
    if (event.kind != EventKind::Click) return false;
    if (event.control == "Command8" || event.control == "Command9" || event.control == "Command17") return true;
    if (const MenuItemRow* item = findMenuItemRow(event.control)) return item->menu != "HLP";
    return isCommit(event, editWasOpen);
}

// A click on a left label that ends the open edit commits it.
bool Session::isCommit(const EventHandler& event, bool editWasOpen) const {
    const bool label = std::any_of(std::begin(kEditBoxes), std::end(kEditBoxes),
                                   [&](std::string_view box) { return labelEditedBy(box) == event.control; });
    return label && event.kind == EventKind::Click && editWasOpen && !anyEditOpen(form_);
}

void Session::restore(const Moment& moment) {
    form_.platform().hideHint();
    form_.restore(moment.state);
    beforeEdit_ = moment.beforeEdit;
    editMark_ = undo_.size();  // steps from here on belong to the edit the moment holds open
}

bool Session::canUndo() const {
    const Form1State& f = form_;
    return !undo_.empty() || isOpen(f.Text2) || isOpen(f.Text3) || isOpen(f.Text4);
}

bool Session::undo() {
    // With a box open, the steps taken while it was open go first; then the box
    // closes as Escape closes it, and redo opens it again as it was.
    if (openBox() != nullptr && undo_.size() <= editMark_) {
        if (!beforeEdit_) return false;
        redo_.push_back(now());
        const Moment start{*beforeEdit_, std::nullopt};
        restore(start);
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
    const auto text = equationText();
    if (!text) return false;
    form_.platform().setClipboardText(*text);
    // A copy shows nowhere else: say it was done, beside the result.
    form_.platform().showHint(form_.Label1, u"式をコピーしました");
    return true;
}

}  // namespace quantivex
