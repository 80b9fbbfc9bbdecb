// The window as a person works it, and the only route from an input to the
// window: every event, typed text, Enter and Escape, a popup menu's opening,
// pick and dismissal, a double click, closing the window, undo and redo. The Qt
// view, the replay tool, the event storm and the fuzzer all go through it, so
// what a person gets beyond the window's own events lives here once: typed
// text screened before it enters a box, hints that go away at the next input,
// the rule that any new input closes an open popup, undo and redo, and the
// equation copied as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "events.h"
#include "form1.h"

namespace quantivex {

// The longest text a box takes. The widest equation any screen shows holds a
// few hundred characters (150 twips each), so no honest entry comes near it,
// while every check and redraw of a text this long stays instant.
inline constexpr std::size_t kMaxTypedLength = 1000;

// Steps of the undo history kept; the oldest go first.
inline constexpr std::size_t kUndoSteps = 200;

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
    TextBox* openBox();

    // Every action that changes the equation is one step: set units, convert,
    // clear, a unit pick, a committed value or unit text. Undo puts the window
    // back exactly as it was before the step. With a box open, the steps taken
    // while it was open go back first; then undo closes the box as Escape does.
    // A new step drops what could be redone.
    bool canUndo() const;
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();
    std::size_t stepsTaken() const { return stepsTaken_; }  // every step recorded since the session began

    // The equation as text, values and units as shown ("5 kg/sec = 661.386
    // lb/min"), or nothing while no units are set.
    std::optional<std::u16string> equationText() const;
    bool copy();

    // Every input from now on, as a line of a replay script.
    void setRecorder(std::function<void(const std::string&)> recorder) { recorder_ = std::move(recorder); }

private:
    // A state of the window, with the state before its open edit, if one is
    // open, and the history's size when that edit began. States are kept
    // whole and never changed, so moments share them.
    using State = std::shared_ptr<const Form1State>;
    struct Moment {
        State state;
        State beforeEdit;
        std::size_t editMark = 0;
    };
    // An edit box with the click on the label it edits, which commits it.
    struct EditBox {
        const ControlRow* row;
        TextBox* box;
        const ControlRow* label;
        const EventHandler* labelClick;
    };
    State snapshot() const { return std::make_shared<const Form1State>(static_cast<const Form1State&>(form_)); }
    Moment now() const { return {snapshot(), beforeEdit_, editMark_}; }
    void restore(const Moment& moment);
    void forgetOldestStep();
    void dispatch(const EventHandler& event, int16_t button);
    void personActs();
    void record(const std::string& line) const;
    const EditBox* editBoxOf(const TextBox& box) const;
    bool onEditedLabel(const EventHandler& event) const;
    bool mayBeStep(const EventHandler& event) const;

    Form1& form_;
    std::vector<EditBox> boxes_;
    const Menu* popup_ = nullptr;
    State beforeEdit_;  // the window just before the open edit began
    std::deque<Moment> undo_;
    std::vector<Moment> redo_;
    std::size_t stepsTaken_ = 0;
    std::size_t editMark_ = 0;  // the history's size when the open edit began
    std::function<void(const std::string&)> recorder_;
};

// Why a typed text is refused, or nothing when the box may take it.
std::optional<std::u16string> refusalOfTypedText(std::u16string_view text);

}  // namespace quantivex
