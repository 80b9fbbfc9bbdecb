#include "session.h"

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
    if (c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
        c == 0xFEFF) {
        return u"書式制御文字";
    }
    return {};
}

// The label whose click commits a box.
std::string_view labelOfBox(std::string_view box) {
    if (box == "Text2") return "Label2";
    if (box == "Text3") return "Label3";
    if (box == "Text4") return "Label4";
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

void Session::run(const EventHandler& event, int16_t button) {
    // A hint stays while timers tick; whatever the person does next ends it.
    if (event.kind != EventKind::Timer) form_.platform().hideHint();
    const bool wasOpen = anyEditOpen(form_);
    std::optional<Form1State> before;
    if (!wasOpen) before = form_.snapshot();
    event.run(form_, button);
    if (!wasOpen && anyEditOpen(form_)) {
        beforeEdit_ = std::move(before);
    } else if (!anyEditOpen(form_)) {
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

bool Session::isOpen(const TextBox& box) const {
    if (!box.Visible) return false;
    if (&box == &form_.Text2) return form_.EditingLeftValue == 1;
    if (&box == &form_.Text3) return form_.LeftNumeratorEditOpen == 1;
    if (&box == &form_.Text4) return form_.LeftDenominatorEditOpen == 1;
    return false;
}

bool Session::enter(TextBox& box) {
    if (!isOpen(box)) return false;
    const EventHandler* click = findEvent(labelOfBox(box.name), EventKind::Click);
    if (click == nullptr) return false;
    run(*click);
    return true;
}

bool Session::escape(TextBox& box) {
    if (!isOpen(box) || !beforeEdit_) return false;
    form_.platform().hideHint();
    form_.restore(*beforeEdit_);
    beforeEdit_.reset();
    return true;
}

}  // namespace quantivex
