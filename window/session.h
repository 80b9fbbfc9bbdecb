// The window as a person works it, and the only route from an input to the
// window: every event, typed text, Enter and Escape, a popup menu's opening,
// pick and dismissal, a double click, closing the window, undo and redo. The Qt
// view, the replay tool, the event storm and the fuzzer all go through it, so
// what a person gets beyond the window's own events lives here once: typed
// text screened before it enters a box, hints that go away at the next input,
// the rule that any new input closes an open popup. Its history of steps
// (step_history.h) keeps undo and redo and tells observers of each step.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "events.h"
#include "form1.h"
#include "step_history.h"
#include "text_screening.h"

namespace quantivex {

// An event asked for by a name the window does not have.
class UnknownEvent : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

class Session {
public:
    explicit Session(Form1& form);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Form1& form() { return form_; }
    const Form1& form() const { return form_; }
    StepHistory& history() { return history_; }
    const StepHistory& history() const { return history_; }

    // One event of the window, as the person (or a timer) raises it. An input
    // of the person closes the open popup menu and ends a hint; a timer tick
    // does neither, as a menu stays open while the window's timers run.
    void run(const EventHandler& event, int16_t button = 0);
    // The same by the event's name; a name the window does not have throws UnknownEvent.
    void run(std::string_view eventName, int16_t button = 0);
    // A double click on a label: Click, then DblClick, as the mouse delivers them.
    void doubleClick(const ControlRow& label);
    // The window is closed.
    void close();

    // The popup menu the last input opened, until a pick, a dismissal or the
    // next input of the person.
    const Menu* openPopup() const { return popup_; }
    enum class Pick { Chosen, NoPopup, NotInOpenPopup, Unavailable };
    // A pick in the open popup: the item must be in it, visible and enabled.
    Pick choose(const MenuItemRow& item);
    // The open popup closed without a pick; false when none was open.
    bool dismiss();

    // Text typed or pasted into a box. A text longer than kMaxTypedLength, or
    // with characters no keyboard types (controls, lone surrogates, direction
    // overrides), is refused whole with a hint that says why: nothing is cut.
    bool type(TextBox& box, std::u16string text);

    // Enter in an open box commits it as a click on its label does.
    bool enter(TextBox& box);
    // Escape in an open box closes it and puts the window back as it was before
    // the box opened: no rescale, no beep, no dialog.
    bool escape(TextBox& box);

    // The box's edit is open and the box shows.
    bool isOpen(const TextBox& box) const;
    // The box whose edit is open and shows, if any.
    TextBox* openBox() const;

    // Every action that changes the equation is one step: set units, convert,
    // clear, a unit pick, a committed value or unit text. Undo puts the window
    // back exactly as it was before the step. With a box open, the steps taken
    // while it was open go back first; then undo closes the box as Escape does.
    // A new step drops what could be redone.
    bool canUndo() const { return history_.canUndo(openBox() != nullptr); }
    bool canRedo() const { return history_.canRedo(); }
    bool undo();
    bool redo();
    std::size_t stepsTaken() const { return history_.stepsTaken(); }

    // Several inputs as one step: one undo goes back to before all of them, and
    // the observers hear of one step. The inputs are recorded as `line`, the
    // input that asked for them, not one by one.
    template <typename Inputs>
    void compound(const std::string& line, Inputs&& inputs) {
        record(line);
        personActs();
        Compound guard(*this);
        inputs();
    }

    // An input of the person beyond the window's own events (copy, say), as a
    // line of a replay script.
    void record(const std::string& line) const;

    // Every input from now on, as a line of a replay script.
    void setRecorder(std::function<void(const std::string&)> recorder) { recorder_ = std::move(recorder); }

private:
    // An edit box with the click on the label it edits, which commits it.
    struct EditBox {
        const ControlRow* row;
        TextBox* box;
        const ControlRow* label;
        const EventHandler* labelClick;
    };
    // Inputs inside a compound are neither recorded nor steps of their own.
    struct Compound {
        explicit Compound(Session& s) : session(s) {
            ++session.muted_;
            session.history_.beginCompound();
        }
        ~Compound() {
            session.history_.endCompound();
            --session.muted_;
        }
        Compound(const Compound&) = delete;
        Compound& operator=(const Compound&) = delete;
        Session& session;
    };

    void dispatch(const EventHandler& event, int16_t button);
    void personActs();
    void sayWhatNext(const ControlRow& button, bool unitsSet);
    bool recording() const { return recorder_ && muted_ == 0; }
    const EditBox* editBoxOf(const TextBox& box) const;
    bool onEditedLabel(const EventHandler& event) const;
    bool mayBeStep(const EventHandler& event) const;

    Form1& form_;
    ChangeEvents changes_{form_};
    StepHistory history_{form_};
    std::vector<EditBox> boxes_;
    const Menu* popup_ = nullptr;
    std::function<void(const std::string&)> recorder_;
    int muted_ = 0;
};

}  // namespace quantivex
