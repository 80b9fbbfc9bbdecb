// Every event of Form1 by its name ("Command8_Click", "MASS2_Click",
// "Label5_MouseDown"), with the control that raises it: the one route from an
// input to a handler, for the Qt view, the replay tool and the event storm.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quantivex {

class Form1;

enum class EventKind { Load, Unload, Click, DblClick, MouseDown, MouseUp, Change, Timer };

struct EventHandler {
    std::string name;     // control_event
    std::string control;  // "Form" for the window's own events; a menu item for its Click
    EventKind kind;
    bool takesButton = false;  // mouse handlers take the Button (1 left, 2 right, 4 middle)
    std::function<void(Form1&, int16_t)> run;
};

const std::vector<EventHandler>& eventHandlers();
const EventHandler* findEventHandler(std::string_view name);
const EventHandler* findEvent(std::string_view control, EventKind kind);

}  // namespace quantivex
