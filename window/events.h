// Every event of Form1 by its name ("Command8_Click", "MASS2_Click",
// "Label5_MouseDown"), with what raises it and the handler it calls: the one
// list of what an input can reach, for the session, the replay tool, the Qt
// view and the event storm. events.cpp is where each event is bound to its
// handler, so every handler's caller is found there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "form1_table.h"

namespace quantivex {

class Form1;
struct Category;
struct Unit;
struct EventHandler;

using EventCall = void (*)(Form1& form, const EventHandler& event, int16_t button);

struct EventHandler {
    std::string name;          // control_event
    std::string_view control;  // what raises it: a control, a menu item, or kFormName
    EventKind kind;
    bool takesButton = false;            // mouse handlers take the Button (1 left, 2 right, 4 middle)
    const ControlRow* row = nullptr;     // the control that raises it, if a control does
    const MenuItemRow* item = nullptr;   // the menu item that raises it, if one does
    const Category* category = nullptr;  // a unit item: its category and unit
    const Unit* unit = nullptr;
    EventCall call = nullptr;

    void run(Form1& form, int16_t button) const { call(form, *this, button); }
};

// Raises a box's Change event, through the table as every other event, when
// its text changes; a session keeps one for its window.
class ChangeEvents : private TextChangeListener {
public:
    explicit ChangeEvents(Form1& form);
    ~ChangeEvents();
    ChangeEvents(const ChangeEvents&) = delete;
    ChangeEvents& operator=(const ChangeEvents&) = delete;

private:
    void textChanged(TextBox& box) override;
    Form1& form_;
};

const std::vector<EventHandler>& eventHandlers();
const EventHandler* findEventHandler(std::string_view name);
const EventHandler* findEvent(const ControlRow& control, EventKind kind);
const EventHandler& eventOf(const MenuItemRow& item);  // its Click
const EventHandler& formEvent(EventKind kind);         // Load or Unload

}  // namespace quantivex
