// The window model driven as a person could drive it, by any sequence of
// events, typed and pasted text, Enter and Escape, timer ticks, popup picks,
// undo, redo, copy and the breakdown. No input may let an exception escape, and
// the window's own invariants hold after every step: at most one row of
// category buttons, one dimension code per committed unit token, and a right
// value that reads as a finite number whenever it is shown as one.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "breakdown_report.h"
#include "catalogue.h"
#include "events.h"
#include "form1.h"
#include "number_text.h"
#include "recording_platform.h"
#include "session.h"
#include "utf.h"

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

void check(const Form1& f) {
    bool left = false;
    bool right = false;
    for (const CategoryControls& c : f.categoryControls()) {
        left = left || c.leftButton->Visible;
        right = right || c.rightButton->Visible;
    }
    if (left && right) std::abort();
    if (f.LeftNumeratorEditOpen == 0 && f.LeftNumeratorDims.size() != splitUnits(f.Label3.Caption).size()) std::abort();
    if (f.LeftDenominatorEditOpen == 0 && f.LeftDenominatorDims.size() != splitUnits(f.Label4.Caption).size()) {
        std::abort();
    }
    if (const auto right = parseNumberStrict(f.Label1.Caption); right && !std::isfinite(*right)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    RecordingPlatform platform;
    Form1 form(platform);
    Session session(form);
    session.run("Form_Load");
    TextBox* const boxes[] = {&form.Text2, &form.Text3, &form.Text4};
    const auto& events = eventHandlers();
    Reader in(data, size);
    for (int steps = 0; !in.done() && steps < 400; ++steps) {
        const uint8_t op = in.byte();
        switch (op % 10) {
            case 0: {  // any event of the window but opening and closing it
                const EventHandler& e = events[in.byte() % events.size()];
                if (e.kind == EventKind::Unload || e.kind == EventKind::Load) break;  // the window opens once
                static constexpr int16_t kButtons[] = {1, 2, 4};
                platform.openPopup.reset();
                session.run(e, kButtons[in.byte() % 3]);
                break;
            }
            case 1:
                session.type(*boxes[in.byte() % 3], in.text());
                break;
            case 2:
                session.enter(*boxes[in.byte() % 3]);
                break;
            case 3:
                session.escape(*boxes[in.byte() % 3]);
                break;
            case 4: {  // the timers tick between actions
                static constexpr const char* kTicks[] = {"Timer1_Timer", "Timer2_Timer", "Timer3_Timer"};
                session.run(kTicks[in.byte() % 3]);
                break;
            }
            case 5: {  // a pick in the popup menu the last event opened
                if (!platform.openPopup) break;
                const CategoryControls* row = form.categoryOfMenu(*platform.openPopup);
                platform.openPopup.reset();
                if (row == nullptr) break;
                session.run(row->menu->items[in.byte() % row->menu->items.size()].name + "_Click");
                break;
            }
            case 6:
                session.undo();
                break;
            case 7:
                session.redo();
                break;
            case 8:
                session.copy();
                break;
            case 9:
                breakdownReport(form).text();
                break;
        }
        check(form);
    }
    return 0;
}
