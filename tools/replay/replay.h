// quantivex-replay: event scripts run against a fresh Form1 on a RecordingPlatform.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quantivex::replay {

enum class Outcome { Passed = 0, Failed = 1, Unreadable = 2 };

struct Screen {
    float width, height;
};
struct Event {
    std::string handler;
    int button;
};
struct Type {
    std::string box;
    std::string text;
};
struct Choose {
    std::string item;
    std::string menu;
};
struct Dismiss {};
struct ExpectValue {
    std::string name;
    std::string expected;
};
struct ExpectMessage {
    std::string text, title;
    int style;
};
struct ExpectNoMessage {};
struct ExpectBeeps {
    int count;
};
struct ExpectPopup {
    std::string menu;
};
struct ExpectHelp {
    std::string file;
    int command;
    int context;
};
struct ExpectDrawn {
    float x1, y1, x2, y2;
    unsigned colour;
};
struct Dump {};
struct Key {
    std::string box;
    bool enter;
};  // Enter or Escape in an edit box
struct ExpectHint {
    std::string text;
};  // the hint showing now
struct ExpectNoHint {};
struct Undo {};
struct Redo {};
struct Copy {};
struct ExpectClipboard {
    std::string text;
};
struct ExpectBreakdown {
    bool exact;
    std::string expected;
};  // factor or exact, 6 significant digits
struct ExpectMessageContains {
    std::string text;
};                            // the latest message box
struct ExpectNoBreakdown {};  // the breakdown shows no figure
struct Remember {
    std::string name;
};  // the whole state, kept under a name
struct ExpectSame {
    std::string name;
};  // the whole state equals a remembered one

using Command =
    std::variant<Screen, Event, Type, Choose, Dismiss, ExpectValue, ExpectMessage, ExpectNoMessage, ExpectBeeps,
                 ExpectPopup, ExpectHelp, ExpectDrawn, Dump, Key, ExpectHint, ExpectNoHint, Undo, Redo, Copy,
                 ExpectClipboard, ExpectBreakdown, ExpectMessageContains, ExpectNoBreakdown, Remember, ExpectSame>;

struct Line {
    int number;
    Command command;
};

struct Script {
    std::vector<Line> lines;
    std::vector<std::string> errors;  // "LINE: why", for a script that cannot be read
};

// Reads a script; any line it cannot read is listed in `errors`.
Script parseScript(std::string_view text);

// Runs a script against a fresh window. Failed expectations are written to `out`
// as "NAME:LINE: expected ..., got ...", dumps too.
Outcome runScript(const Script& script, std::string_view name, std::ostream& out);

// Reads and runs one script text.
Outcome runText(std::string_view text, std::string_view name, std::ostream& out);

}  // namespace quantivex::replay
