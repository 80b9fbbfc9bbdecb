// Every control property and form variable by name, for the replay tool's
// expectations and dumps: "Label1.Caption", "Form1.Width", "LeftNumeratorDims",
// "RightButtonPlaced(1)", "Line1(0).Visible".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quantivex {

struct Form1State;
struct Form1Trace;
class Form1;

struct InspectedValue {
    enum class Kind { Number, Geometry, Boolean, Colour, Text };
    Kind kind = Kind::Number;
    double number = 0;  // numbers, geometry, booleans (0/1) and colours
    std::u16string text;
};

class Form1Reflection {
public:
    // A property or variable by name; a trace variable needs the trace.
    static std::optional<InspectedValue> get(const Form1State& state, const Form1Trace* trace, std::string_view name);
    static std::optional<InspectedValue> get(const Form1& form, std::string_view name);
    // All names in a stable order: controls in creation order, then variables.
    static const std::vector<std::string>& names();
    // The value as the replay tool writes it: True/False, &HBBGGRR, numbers, text.
    static std::string toText(const InspectedValue& value);
    // Everything of the state a dump shows ("NAME = VALUE"), the trace left
    // out, then every line drawn: two states of the window are the same, as
    // undo restores them, when these are.
    static std::vector<std::string> wholeState(const Form1State& state);
};

}  // namespace quantivex
