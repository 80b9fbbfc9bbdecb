// quantivex-replay: event scripts run against a fresh Form1 on a RecordingPlatform,
// every input going through the Session as the Qt view sends it. A script is one
// command a line; '#' starts a comment.
//
//   screen W H                 screen size in twips, before Form_Load
//   HANDLER [BUTTON]           any event by name (Form_Load, Label3_DblClick,
//                              Command1_MouseDown 1, MASS2_Click, Timer1_Timer)
//   type BOX TEXT              typed or pasted into Text2, Text3 or Text4
//   key BOX Enter|Escape       Enter or Escape in an edit box
//   choose ITEM | dismiss      a pick in, or the closing of, the open popup menu
//   undo | redo | copy         the history's steps, the equation to the clipboard
//   line TEXT                  TEXT typed into 式の入力, then Enter
//   swap | copy number         左右を入れ替え; the right value to the clipboard
//   history restore N | history clear | copy history
//                              計算の履歴: entry N (1 the newest) restored as one
//                              step; emptied; copied as a table
//   expect history count = N | expect history N = TEXT
//   remember NAME              the whole state (a dump and the drawn lines) kept
//   dump                       every control property and variable
//   expect NAME = VALUE        a property ("Label1.Caption") or a variable
//   expect message TEXT | TITLE | STYLE      the oldest message not yet expected
//   expect message contains TEXT             the latest message holds TEXT
//   expect no message | expect beeps N | expect popup MENU
//   expect help FILE | COMMAND | CONTEXT
//   expect drawn X1 Y1 X2 Y2 COLOUR
//   expect hint TEXT | expect no hint        the note beside a refused entry
//   expect clipboard = TEXT    \t stands for a tab, \n for a line end
//   expect breakdown factor|exact|defined = X   to 6 significant digits: the overall
//                              factor, the left value times it, the left value times
//                              the factor by the units' definitions
//   expect no breakdown        the breakdown shows no figure
//   expect breakdown contains TEXT           a line of the breakdown holds TEXT
//   expect dump = NAME         the whole state equals the one remembered as NAME
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quantivex {
struct EventHandler;
struct ControlRow;
struct MenuItemRow;
}  // namespace quantivex

namespace quantivex::replay {

enum class Outcome { Passed = 0, Failed = 1, Unreadable = 2 };

struct Screen {
    float width, height;
};
// Names are looked up once, when the script is read.
struct Event {
    const EventHandler* handler;
    int button;
};
struct Type {
    const ControlRow* box;
    std::string text;
};
struct Choose {
    const MenuItemRow* item;
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
    const ControlRow* box;
    bool enter;
};  // Enter or Escape in an edit box
struct ExpectHint {
    std::string text;
};  // the hint showing now
struct ExpectNoHint {};
struct TypedLineEntry {
    std::string text;
};  // typed into 式の入力, then Enter
struct Swap {};
struct CopyNumber {};
struct HistoryRestore {
    int entry;  // 1 the newest
};
struct HistoryClear {};
struct CopyHistory {};
struct ExpectHistoryCount {
    int count;
};
struct ExpectHistoryEntry {
    int entry;
    std::string text;
};
struct Undo {};
struct Redo {};
struct Copy {};
struct ExpectClipboard {
    std::string text;
};
struct ExpectBreakdown {
    enum class Figure { Factor, Exact, Defined } figure;
    std::string expected;
};  // 6 significant digits
struct ExpectMessageContains {
    std::string text;
};                            // the latest message box
struct ExpectNoBreakdown {};  // the breakdown shows no figure
struct ExpectBreakdownContains {
    std::string text;
};  // a line of the breakdown holds the text
struct Remember {
    std::string name;
};  // the whole state, kept under a name
struct ExpectSame {
    std::string name;
};  // the whole state equals a remembered one

using Command =
    std::variant<Screen, Event, Type, Choose, Dismiss, ExpectValue, ExpectMessage, ExpectNoMessage, ExpectBeeps,
                 ExpectPopup, ExpectHelp, ExpectDrawn, Dump, Key, ExpectHint, ExpectNoHint, Undo, Redo, Copy,
                 ExpectClipboard, ExpectBreakdown, ExpectMessageContains, ExpectNoBreakdown, ExpectBreakdownContains,
                 Remember, ExpectSame, TypedLineEntry, Swap, CopyNumber, HistoryRestore, HistoryClear, CopyHistory,
                 ExpectHistoryCount, ExpectHistoryEntry>;

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
