// The window model driven as a person could drive it, every input through the
// session: any event, a double click, typed and pasted text, Enter and Escape,
// timer ticks, a pick in the open popup or its dismissal, undo, redo, copy,
// the breakdown, lines typed into 式の入力, the swap of the sides, restores
// from 計算の履歴 and the right value copied. No input may let an exception escape, and the window's
// invariants (window_invariants.h) hold after every step.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "breakdown_report.h"
#include "clipboard.h"
#include "events.h"
#include "form1.h"
#include "form1_table.h"
#include "history_tape.h"
#include "line_entry.h"
#include "recording_platform.h"
#include "session.h"
#include "sides_swap.h"
#include "utf.h"
#include "window_invariants.h"

namespace {

using namespace quantivex;

class Reader {
public:
    Reader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return pos_ >= size_; }
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // A text of the length the next byte gives, as UTF-8 from the input.
    std::u16string text() {
        std::size_t length = byte();
        if (length == 255) length = 255 + byte() * 64;  // now and then a long paste
        length = std::min(length, size_ - pos_);
        const std::string bytes(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return fromUtf8(bytes);
    }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// The ticks of every timer of the window.
const std::vector<const EventHandler*>& ticks() {
    static const std::vector<const EventHandler*> all = [] {
        std::vector<const EventHandler*> t;
        for (Role role : {Role::MirrorTimer, Role::GuideTimer}) {
            for (const ControlRow* row : rowsWithRole(role)) t.push_back(findEvent(*row, EventKind::Timer));
        }
        return t;
    }();
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    RecordingPlatform platform;
    Form1 form(platform);
    Session session(form);
    HistoryTape tape(session);
    session.run(formEvent(EventKind::Load));
    const auto boxRows = rowsWithRole(Role::EditBox);
    auto box = [&](uint8_t b) -> TextBox& { return textBoxOf(form, *boxRows[b % boxRows.size()]); };
    const auto& events = eventHandlers();
    Reader in(data, size);
    for (int steps = 0; !in.done() && steps < 400; ++steps) {
        const uint8_t op = in.byte();
        switch (op % 14) {
            case 0: {  // any event of the window but opening and closing it
                const EventHandler& e = events[in.byte() % events.size()];
                if (e.kind == EventKind::Unload || e.kind == EventKind::Load) break;  // the window opens once
                static constexpr int16_t kButtons[] = {1, 2, 4};
                const int16_t button = kButtons[in.byte() % 3];
                if (e.kind == EventKind::DblClick && e.row != nullptr) {
                    session.doubleClick(*e.row);  // as the mouse delivers it: Click, then DblClick
                } else if (e.item != nullptr && e.item->category != 0) {
                    session.choose(*e.item);  // a unit only as a pick, refused unless its menu is open
                } else {
                    session.run(e, button);
                }
                break;
            }
            case 1: {
                TextBox& b = box(in.byte());
                session.type(b, in.text());
                break;
            }
            case 2:
                session.enter(box(in.byte()));
                break;
            case 3:
                session.escape(box(in.byte()));
                break;
            case 4:  // the timers tick between actions
                session.run(*ticks()[in.byte() % ticks().size()]);
                break;
            case 5: {  // a pick in the popup menu the last input opened, or its dismissal
                const uint8_t b = in.byte();
                const Menu* menu = session.openPopup();
                if (menu == nullptr) break;
                if (b % 8 == 7) {
                    session.dismiss();
                    break;
                }
                const MenuItem& shown = menu->items[b % menu->items.size()];
                if (shown.isSeparator()) break;  // a separator raises nothing
                if (const MenuItemRow* item = findMenuItemRow(shown.name)) session.choose(*item);
                break;
            }
            case 6:
                session.undo();
                break;
            case 7:
                session.redo();
                break;
            case 8:
                copyEquation(session);
                break;
            case 9:
                breakdownReport(session).text();
                break;
            case 10:  // a line typed into 式の入力, then Enter
                enterLine(session, in.text());
                break;
            case 11:
                swapSides(session);
                break;
            case 12:  // an entry of 計算の履歴, or one past the last
                restoreEntry(session, tape, in.byte() % (tape.size() + 1));
                break;
            case 13:
                copyNumber(session);
                break;
        }
        if (const auto broken = brokenWindowInvariant(form)) {
            std::fprintf(stderr, "window invariant broken after step %d: %s\n", steps, broken->c_str());
            std::abort();
        }
    }
    return 0;
}
