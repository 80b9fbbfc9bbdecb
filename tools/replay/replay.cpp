#include "replay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#include "breakdown.h"
#include "breakdown_report.h"
#include "events.h"
#include "form1.h"
#include "form1_table.h"
#include "number_text.h"
#include "recording_platform.h"
#include "reflection.h"
#include "session.h"
#include "utf.h"

namespace quantivex::replay {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The first word and the rest of the line after one separating blank.
std::pair<std::string_view, std::string_view> word(std::string_view s) {
    const std::size_t space = s.find_first_of(" \t");
    if (space == std::string_view::npos) return {s, {}};
    return {s.substr(0, space), s.substr(space + 1)};
}

std::optional<double> number(std::string_view s) {
    return parseNumberStrict(fromUtf8(trim(s)));
}

std::optional<int> integer(std::string_view s) {
    const auto v = number(s);
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9) return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<unsigned> colourValue(std::string_view s) {
    s = trim(s);
    if (s.size() > 2 && (s.substr(0, 2) == "&H" || s.substr(0, 2) == "&h")) {
        const std::string hex(s.substr(2));
        if (hex.empty() || hex.size() > 8 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            return std::nullopt;
        }
        return static_cast<unsigned>(std::stoul(hex, nullptr, 16));
    }
    const auto v = integer(s);
    if (!v || *v < 0) return std::nullopt;
    return static_cast<unsigned>(*v);
}

std::vector<std::string> splitBars(std::string_view s) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = s.find(" | ", start);
        parts.emplace_back(trim(s.substr(start, bar - start)));
        if (bar == std::string_view::npos) break;
        start = bar + 3;
    }
    return parts;
}

std::string unescapeCr(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'r') {
            out += '\r';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

// The menu that holds an item.
std::optional<std::string> menuOfItem(std::string_view item) {
    const MenuItemRow* row = findMenuItemRow(item);
    if (row == nullptr) return std::nullopt;
    return std::string(row->menu);
}

bool isMenu(std::string_view name) {
    for (const MenuRow& m : menuRows()) {
        if (m.name == name) return true;
    }
    return false;
}

// The edit box a `type` line names, or null.
TextBox* textBoxNamed(Form1State& form, std::string_view name) {
    const ControlRow* row = findControlRow(name);
    if (row == nullptr || row->kind != ControlKind::TextBox) return nullptr;
    return &(form.*std::get<TextBox Form1State::*>(row->member));
}

std::optional<Command> parseExpect(std::string_view rest, std::string& why) {
    const auto [kind, args] = word(rest);
    if (kind == "message" && args.substr(0, 9) == "contains ") return ExpectMessageContains{unescapeCr(args.substr(9))};
    if (kind == "clipboard") {
        const std::size_t eq = args.find('=');
        if (eq == std::string_view::npos || !trim(args.substr(0, eq)).empty()) {
            why = "expect clipboard takes = TEXT";
            return std::nullopt;
        }
        std::string_view text = args.substr(eq + 1);
        if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        return ExpectClipboard{std::string(text)};
    }
    if (kind == "no" && trim(args) == "breakdown") return ExpectNoBreakdown{};
    if (kind == "dump") {
        const std::size_t eq = args.find('=');
        const std::string name(eq == std::string_view::npos ? "" : trim(args.substr(eq + 1)));
        if (eq == std::string_view::npos || !trim(args.substr(0, eq)).empty() || name.empty()) {
            why = "expect dump takes = NAME";
            return std::nullopt;
        }
        return ExpectSame{name};
    }
    if (kind == "breakdown") {
        const auto [what, rest2] = word(args);
        const std::size_t eq = rest2.find('=');
        using Figure = ExpectBreakdown::Figure;
        const std::optional<Figure> figure = what == "factor"    ? std::optional(Figure::Factor)
                                             : what == "exact"   ? std::optional(Figure::Exact)
                                             : what == "defined" ? std::optional(Figure::Defined)
                                                                 : std::nullopt;
        if (!figure || eq == std::string_view::npos || !trim(rest2.substr(0, eq)).empty()) {
            why = "expect breakdown takes factor = X, exact = X or defined = X";
            return std::nullopt;
        }
        return ExpectBreakdown{*figure, std::string(trim(rest2.substr(eq + 1)))};
    }
    if (kind == "message") {
        const auto parts = splitBars(args);
        const auto style = parts.size() == 3 ? integer(parts[2]) : std::nullopt;
        if (!style) {
            why = "expect message takes TEXT | TITLE | STYLE";
            return std::nullopt;
        }
        return ExpectMessage{unescapeCr(parts[0]), parts[1], *style};
    }
    if (kind == "no" && trim(args) == "message") return ExpectNoMessage{};
    if (kind == "no" && trim(args) == "hint") return ExpectNoHint{};
    if (kind == "hint") return ExpectHint{std::string(args)};
    if (kind == "beeps") {
        if (const auto n = integer(args)) return ExpectBeeps{*n};
        why = "expect beeps takes a count";
        return std::nullopt;
    }
    if (kind == "popup") {
        const std::string menu(trim(args));
        if (isMenu(menu)) return ExpectPopup{menu};
        why = "unknown menu " + menu;
        return std::nullopt;
    }
    if (kind == "help") {
        const auto parts = splitBars(args);
        const auto command = parts.size() == 3 ? integer(parts[1]) : std::nullopt;
        const auto context = parts.size() == 3 ? integer(parts[2]) : std::nullopt;
        if (!command || !context) {
            why = "expect help takes FILE | COMMAND | CONTEXT";
            return std::nullopt;
        }
        return ExpectHelp{parts[0], *command, *context};
    }
    if (kind == "drawn") {
        std::istringstream in{std::string(args)};
        std::string x1, y1, x2, y2, c;
        in >> x1 >> y1 >> x2 >> y2 >> c;
        const auto a = number(x1), b = number(y1), d = number(x2), e = number(y2);
        const auto colour = colourValue(c);
        std::string extra;
        if (!a || !b || !d || !e || !colour || (in >> extra)) {
            why = "expect drawn takes X1 Y1 X2 Y2 COLOUR";
            return std::nullopt;
        }
        return ExpectDrawn{static_cast<float>(*a), static_cast<float>(*b), static_cast<float>(*d),
                           static_cast<float>(*e), *colour};
    }
    // NAME = VALUE
    const std::size_t eq = rest.find('=');
    if (eq == std::string_view::npos) {
        why = "expect takes NAME = VALUE";
        return std::nullopt;
    }
    const std::string name(trim(rest.substr(0, eq)));
    std::string_view value = rest.substr(eq + 1);
    if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    const auto& names = Form1Reflection::names();
    if (std::find(names.begin(), names.end(), name) == names.end()) {
        why = "unknown control, property or variable " + name;
        return std::nullopt;
    }
    return ExpectValue{name, std::string(value)};
}

std::optional<Command> parseLine(std::string_view line, bool loaded, std::string& why) {
    const auto [head, rest] = word(line);
    if (head == "screen") {
        std::istringstream in{std::string(rest)};
        std::string w, h, extra;
        in >> w >> h;
        const auto width = number(w), height = number(h);
        if (!width || !height || (in >> extra)) {
            why = "screen takes WIDTH HEIGHT";
            return std::nullopt;
        }
        if (loaded) {
            why = "screen comes before Form_Load";
            return std::nullopt;
        }
        return Screen{static_cast<float>(*width), static_cast<float>(*height)};
    }
    if (head == "type") {
        const auto [box, text] = word(rest);
        const ControlRow* row = findControlRow(box);
        if (row == nullptr || row->kind != ControlKind::TextBox) {
            why = "type takes Text2, Text3 or Text4";
            return std::nullopt;
        }
        return Type{std::string(box), std::string(text)};
    }
    if (head == "key") {
        const auto [box, key] = word(rest);
        const ControlRow* row = findControlRow(box);
        if (row == nullptr || row->kind != ControlKind::TextBox || (trim(key) != "Enter" && trim(key) != "Escape")) {
            why = "key takes Text2, Text3 or Text4 and Enter or Escape";
            return std::nullopt;
        }
        return Key{std::string(box), trim(key) == "Enter"};
    }
    if (head == "choose") {
        const std::string item(trim(rest));
        const auto menu = menuOfItem(item);
        if (!menu || !findEventHandler(item + "_Click")) {  // a separator raises nothing
            why = "unknown menu item " + item;
            return std::nullopt;
        }
        return Choose{item, *menu};
    }
    if (head == "dismiss" && trim(rest).empty()) return Dismiss{};
    if (head == "undo" && trim(rest).empty()) return Undo{};
    if (head == "redo" && trim(rest).empty()) return Redo{};
    if (head == "copy" && trim(rest).empty()) return Copy{};
    if (head == "remember" && !trim(rest).empty()) return Remember{std::string(trim(rest))};
    if (head == "dump" && trim(rest).empty()) return Dump{};
    if (head == "expect") return parseExpect(rest, why);
    const EventHandler* handler = findEventHandler(head);
    if (handler == nullptr) {
        why = "unknown handler " + std::string(head);
        return std::nullopt;
    }
    int button = 0;
    if (handler->takesButton) {
        const auto b = integer(rest);
        if (!b || (*b != 1 && *b != 2 && *b != 4)) {
            why = std::string(head) + " takes a Button: 1, 2 or 4";
            return std::nullopt;
        }
        button = *b;
    } else if (!trim(rest).empty()) {
        why = std::string(head) + " takes no argument";
        return std::nullopt;
    }
    return Event{handler->name, button};
}

class Runner {
public:
    Runner(std::string_view name, std::ostream& out) : name_(name), out_(out) {}

    bool run(const Line& line) {
        line_ = line.number;
        return std::visit([this](const auto& c) { return step(c); }, line.command);
    }

private:
    bool fail(const std::string& expected, const std::string& got) {
        out_ << name_ << ':' << line_ << ": expected " << expected << ", got " << got << '\n';
        return false;
    }

    bool step(const Screen& c) {
        platform_.screenW = c.width;
        platform_.screenH = c.height;
        return true;
    }
    bool step(const Event& c) {
        session_.run(*findEventHandler(c.handler), static_cast<int16_t>(c.button));
        return true;
    }
    bool step(const Type& c) {
        session_.type(*textBoxNamed(form_, c.box), fromUtf8(c.text));  // a refusal shows as a hint
        return true;
    }
    bool step(const Key& c) {
        TextBox& box = *textBoxNamed(form_, c.box);
        if (c.enter) {
            session_.enter(box);
        } else {
            session_.escape(box);
        }
        return true;
    }
    bool step(const ExpectHint& c) {
        const std::string got = platform_.hint ? "hint " + toUtf8(*platform_.hint) : "no hint";
        return (platform_.hint && *platform_.hint == fromUtf8(c.text)) || fail("hint " + c.text, got);
    }
    bool step(const Undo&) {
        session_.undo();
        return true;
    }
    bool step(const Redo&) {
        session_.redo();
        return true;
    }
    bool step(const Copy&) {
        session_.copy();
        return true;
    }
    bool step(const ExpectClipboard& c) {
        const std::string got = platform_.clipboard ? "clipboard = " + toUtf8(*platform_.clipboard) : "nothing copied";
        return (platform_.clipboard && *platform_.clipboard == fromUtf8(c.text)) || fail("clipboard = " + c.text, got);
    }
    bool step(const ExpectBreakdown& c) {
        const BreakdownReport report = breakdownReport(form_);
        using Figure = ExpectBreakdown::Figure;
        const char* figure = c.figure == Figure::Factor ? "factor" : c.figure == Figure::Exact ? "exact" : "defined";
        const std::string wanted = std::string("breakdown ") + figure + " = " + c.expected;
        std::optional<double> value;
        if (report.paired) {
            value = c.figure == Figure::Factor  ? std::optional<double>(report.factor)
                    : c.figure == Figure::Exact ? report.exact
                                                : report.defined;
        }
        if (!value) return fail(wanted, "no figure: " + toUtf8(report.reason));
        const std::string got = toUtf8(significantText(*value, 6));
        return got == c.expected || fail(wanted, got);
    }
    bool step(const ExpectNoBreakdown&) {
        const BreakdownReport report = breakdownReport(form_);
        if (!report.paired || !report.exact) return true;
        return fail("no breakdown", "breakdown exact = " + toUtf8(significantText(*report.exact, 6)));
    }
    std::vector<std::string> wholeState() const { return Form1Reflection::wholeState(form_); }
    bool step(const Remember& c) {
        remembered_[c.name] = wholeState();
        return true;
    }
    bool step(const ExpectSame& c) {
        const auto it = remembered_.find(c.name);
        if (it == remembered_.end()) return fail("dump = " + c.name, "nothing remembered as " + c.name);
        const std::vector<std::string> now = wholeState();
        const std::vector<std::string>& then = it->second;
        for (std::size_t i = 0; i < std::max(now.size(), then.size()); ++i) {
            const std::string a = i < then.size() ? then[i] : "(nothing)";
            const std::string b = i < now.size() ? now[i] : "(nothing)";
            if (a != b) return fail("dump = " + c.name + ", with " + a, b);
        }
        return true;
    }
    bool step(const ExpectMessageContains& c) {
        if (platform_.messages.empty()) return fail("a message containing " + c.text, "no message");
        const std::string latest = toUtf8(platform_.messages.back().text);
        return latest.find(c.text) != std::string::npos || fail("a message containing " + c.text, latest);
    }
    bool step(const ExpectNoHint&) { return !platform_.hint || fail("no hint", "hint " + toUtf8(*platform_.hint)); }
    std::string openPopupName() const {
        return session_.openPopup() != nullptr ? std::string(session_.openPopup()->name) : "no popup";
    }
    bool step(const Choose& c) {
        switch (session_.choose(*findMenuItemRow(c.item))) {
            case Session::Pick::Chosen:
                return true;
            case Session::Pick::Unavailable:
                return fail(c.item + " visible and enabled", "it is not");
            case Session::Pick::NoPopup:
            case Session::Pick::NotInOpenPopup:
                break;
        }
        return fail("popup " + c.menu + " open to choose " + c.item, openPopupName());
    }
    bool step(const Dismiss&) { return session_.dismiss() || fail("an open popup menu to dismiss", "none"); }
    bool step(const ExpectValue& c) {
        const InspectedValue actual = *Form1Reflection::get(form_, c.name);
        const std::string got = Form1Reflection::toText(actual);
        const std::string wanted = c.name + " = " + c.expected;
        switch (actual.kind) {
            case InspectedValue::Kind::Text:
                return actual.text == fromUtf8(c.expected) || fail(wanted, got);
            case InspectedValue::Kind::Boolean:
                if (c.expected != "True" && c.expected != "False") return fail(wanted + " (True or False)", got);
                return (actual.number != 0) == (c.expected == "True") || fail(wanted, got);
            case InspectedValue::Kind::Colour: {
                const auto v = colourValue(c.expected);
                return (v && *v == static_cast<unsigned>(actual.number)) || fail(wanted, got);
            }
            case InspectedValue::Kind::Geometry: {
                const auto v = number(c.expected);
                return (v && std::fabs(*v - actual.number) <= 0.01) || fail(wanted, got);
            }
            case InspectedValue::Kind::Number: {
                const auto v = number(c.expected);
                return (v && std::fabs(*v - actual.number) <= 1e-9 * std::max(1.0, std::fabs(*v))) || fail(wanted, got);
            }
        }
        return true;
    }
    bool step(const ExpectMessage& c) {
        const std::string wanted = "message " + c.text + " | " + c.title + " | " + std::to_string(c.style);
        if (nextMessage_ >= platform_.messages.size()) return fail(wanted, "no message");
        const MessageBoxCall& m = platform_.messages[nextMessage_++];
        const std::string got = toUtf8(m.text) + " | " + toUtf8(m.title) + " | " + std::to_string(m.style);
        return got == c.text + " | " + c.title + " | " + std::to_string(c.style) || fail(wanted, got);
    }
    bool step(const ExpectNoMessage&) {
        if (nextMessage_ >= platform_.messages.size()) return true;
        return fail("no message", "message " + toUtf8(platform_.messages[nextMessage_].text));
    }
    bool step(const ExpectBeeps& c) {
        const int beeps = platform_.beeps - beepsSeen_;
        beepsSeen_ = platform_.beeps;
        return beeps == c.count || fail("beeps " + std::to_string(c.count), "beeps " + std::to_string(beeps));
    }
    bool step(const ExpectPopup& c) { return openPopupName() == c.menu || fail("popup " + c.menu, openPopupName()); }
    bool step(const ExpectHelp& c) {
        const std::string wanted =
            "help " + c.file + " | " + std::to_string(c.command) + " | " + std::to_string(c.context);
        if (platform_.helpCalls.empty()) return fail(wanted, "no help request");
        const HelpCall& h = platform_.helpCalls.back();
        const std::string got =
            "help " + toUtf8(h.file) + " | " + std::to_string(h.command) + " | " + std::to_string(h.context);
        return got == wanted || fail(wanted, got);
    }
    bool step(const ExpectDrawn& c) {
        for (const DrawnLine& l : form_.surface.lines()) {
            if (std::fabs(l.x1 - c.x1) <= 0.01 && std::fabs(l.y1 - c.y1) <= 0.01 && std::fabs(l.x2 - c.x2) <= 0.01 &&
                std::fabs(l.y2 - c.y2) <= 0.01 && l.colour == c.colour) {
                return true;
            }
        }
        std::ostringstream got;
        for (const DrawnLine& l : form_.surface.lines()) {
            got << "[" << l.x1 << ' ' << l.y1 << ' ' << l.x2 << ' ' << l.y2 << " &H" << std::hex << std::uppercase
                << l.colour << std::dec << "] ";
        }
        std::ostringstream wanted;
        wanted << "drawn " << c.x1 << ' ' << c.y1 << ' ' << c.x2 << ' ' << c.y2;
        return fail(wanted.str(), got.str().empty() ? "nothing drawn" : got.str());
    }
    bool step(const Dump&) {
        for (const std::string& n : Form1Reflection::names()) {
            out_ << n << " = " << Form1Reflection::toText(*Form1Reflection::get(form_, n)) << '\n';
        }
        return true;
    }

    std::string name_;
    std::ostream& out_;
    RecordingPlatform platform_;
    Form1 form_{platform_};
    Session session_{form_};
    int line_ = 0;
    std::size_t nextMessage_ = 0;
    int beepsSeen_ = 0;
    std::map<std::string, std::vector<std::string>> remembered_;
};

}  // namespace

Script parseScript(std::string_view text) {
    Script script;
    bool loaded = false;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t nl = text.find('\n', pos);
        const std::size_t end = nl == std::string_view::npos ? text.size() : nl;
        std::string_view line = text.substr(pos, end - pos);
        ++number;
        pos = end + 1;
        // Trailing blanks belong to a typed text or an expected text; only a
        // carriage return is dropped from those.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty() || line.front() == '#') continue;
        std::string why;
        const bool keepsBlanks = line.substr(0, 5) == "type " || line.substr(0, 7) == "expect ";
        auto command = parseLine(keepsBlanks ? line : trim(line), loaded, why);
        if (!command) {
            script.errors.push_back(std::to_string(number) + ": " + why);
            continue;
        }
        if (const auto* e = std::get_if<Event>(&*command); e && e->handler == "Form_Load") loaded = true;
        script.lines.push_back({number, std::move(*command)});
    }
    return script;
}

Outcome runScript(const Script& script, std::string_view name, std::ostream& out) {
    if (!script.errors.empty()) {
        for (const std::string& e : script.errors) out << name << ':' << e << '\n';
        return Outcome::Unreadable;
    }
    Runner runner(name, out);
    bool passed = true;
    for (const Line& line : script.lines) passed = runner.run(line) && passed;
    return passed ? Outcome::Passed : Outcome::Failed;
}

Outcome runText(std::string_view text, std::string_view name, std::ostream& out) {
    return runScript(parseScript(text), name, out);
}

}  // namespace quantivex::replay
