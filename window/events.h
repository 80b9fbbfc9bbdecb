// Every event handler of Form1 by its name ("Command8_Click", "MASS2_Click",
// "Label5_MouseDown"): the one place that maps names to handlers, for the replay
// tool and the event storm.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quantivex {

class Form1;

struct EventHandler {
    std::string name;
    bool takesButton = false;  // mouse handlers take the Button (1 left, 2 right, 4 middle)
    std::function<void(Form1&, int16_t)> run;
};

const std::vector<EventHandler>& eventHandlers();
const EventHandler* findEventHandler(std::string_view name);

}  // namespace quantivex
