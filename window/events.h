// Every event of Form1 by its name ("Command8_Click", "MASS2_Click",
// "Label5_MouseDown"), with what raises it, built from the window's table: the
// one list of what an input can reach, for the session, the replay tool, the
// Qt view and the event storm.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "form1_table.h"

namespace quantivex {

class Form1;

struct EventHandler {
    std::string name;          // control_event
    std::string_view control;  // what raises it: a control, a menu item, or kFormName
    EventKind kind;
    bool takesButton = false;           // mouse handlers take the Button (1 left, 2 right, 4 middle)
    const ControlRow* row = nullptr;    // the control that raises it, if a control does
    const MenuItemRow* item = nullptr;  // the menu item that raises it, if one does
    std::function<void(Form1&, int16_t)> run;
};

const std::vector<EventHandler>& eventHandlers();
const EventHandler* findEventHandler(std::string_view name);
const EventHandler* findEvent(const ControlRow& control, EventKind kind);
const EventHandler& eventOf(const MenuItemRow& item);  // its Click
const EventHandler& formEvent(EventKind kind);         // Load or Unload

}  // namespace quantivex
