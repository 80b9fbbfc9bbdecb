// The window as a person works it. Every input reaches its event through here,
// and what a person gets beyond the window's own events lives here too, so the
// Qt view, the replay tool and the event storm share it: typed text screened
// before it enters a box, Enter and Escape in an open box, hints that go away
// at the next keystroke, undo and redo, and the equation copied as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
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

class Session {
public:
    explicit Session(Form1& form) : form_(form) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Form1& form() { return form_; }

    // One event of the window, as the person (or a timer) raises it.
    void run(const EventHandler& event, int16_t button = 0);
    void run(std::string_view eventName, int16_t button = 0);

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
    // back exactly as it was before the step; with a box open it first only
    // closes the box, as Escape does. A new step drops what could be redone.
    bool canUndo() const;
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();
    std::size_t stepsTaken() const { return stepsTaken_; }  // every step recorded since the session began

    // The equation as text, values and units as shown ("5 kg/sec = 661.386
    // lb/min"), or nothing while no units are set.
    std::optional<std::u16string> equationText() const;
    bool copy();

private:
    // A state of the window, with the state before its open edit, if one is open.
    struct Moment {
        Form1State state;
        std::optional<Form1State> beforeEdit;
    };
    Moment now() const { return {form_.snapshot(), beforeEdit_}; }
    void restore(const Moment& moment);
    bool isStep(const EventHandler& event, bool editWasOpen) const;
    bool isCommit(const EventHandler& event, bool editWasOpen) const;

    Form1& form_;
    std::optional<Form1State> beforeEdit_;  // the window just before the open edit began
    std::deque<Moment> undo_;
    std::vector<Moment> redo_;
    std::size_t stepsTaken_ = 0;
    std::size_t editMark_ = 0;  // the history's size when the open edit began
};

// The label whose value or units a box edits ("Text3" edits "Label3").
std::string_view labelEditedBy(std::string_view box);

// Why a typed text is refused, or nothing when the box may take it.
std::optional<std::u16string> refusalOfTypedText(std::u16string_view text);

}  // namespace quantivex
