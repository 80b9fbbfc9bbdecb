// Reading a replay script: one command a line, every name looked up once.
#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>

#include "events.h"
#include "form1_table.h"
#include "reflection.h"
#include "replay.h"
#include "values.h"

namespace quantivex::replay {
namespace {

// The first word and the rest of the line after one separating blank.
std::pair<std::string_view, std::string_view> word(std::string_view s) {
    const std::size_t space = s.find_first_of(" \t");
    if (space == std::string_view::npos) return {s, {}};
    return {s.substr(0, space), s.substr(space + 1)};
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

// In an expected clipboard: "\t" a tab, "\n" a line end.
std::string unescapeTabsAndLineEnds(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == 't' || s[i + 1] == 'n')) {
            out += s[i + 1] == 't' ? '\t' : '\n';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
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

std::optional<Command> parseExpect(std::string_view rest, std::string& why) {
    const auto [kind, args] = word(rest);
    if (kind == "message" && args.substr(0, 9) == "contains ") return ExpectMessageContains{unescapeCr(args.substr(9))};
    if (kind == "history") {
        const std::size_t eq = args.find('=');
        if (eq != std::string_view::npos) {
            const std::string_view which = trim(args.substr(0, eq));
            std::string_view text = args.substr(eq + 1);
            if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
            if (which == "count") {
                if (const auto n = integer(text); n && *n >= 0) return ExpectHistoryCount{*n};
            } else if (const auto n = integer(which); n && *n >= 1) {
                return ExpectHistoryEntry{*n, std::string(text)};
            }
        }
        why = "expect history takes count = N or N = TEXT";
        return std::nullopt;
    }
    if (kind == "clipboard") {
        const std::size_t eq = args.find('=');
        if (eq == std::string_view::npos || !trim(args.substr(0, eq)).empty()) {
            why = "expect clipboard takes = TEXT";
            return std::nullopt;
        }
        std::string_view text = args.substr(eq + 1);
        if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        return ExpectClipboard{unescapeTabsAndLineEnds(text)};
    }
    if (kind == "no" && trim(args) == "breakdown") return ExpectNoBreakdown{};
    if (kind == "breakdown" && args.substr(0, 9) == "contains ")
        return ExpectBreakdownContains{std::string(args.substr(9))};
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
        return Type{row, std::string(text)};
    }
    if (head == "key") {
        const auto [box, key] = word(rest);
        const ControlRow* row = findControlRow(box);
        if (row == nullptr || row->kind != ControlKind::TextBox || (trim(key) != "Enter" && trim(key) != "Escape")) {
            why = "key takes Text2, Text3 or Text4 and Enter or Escape";
            return std::nullopt;
        }
        return Key{row, trim(key) == "Enter"};
    }
    if (head == "choose") {
        const std::string item(trim(rest));
        const auto menu = menuOfItem(item);
        if (!menu || !findEventHandler(item + "_Click")) {  // a separator raises nothing
            why = "unknown menu item " + item;
            return std::nullopt;
        }
        return Choose{findMenuItemRow(item), *menu};
    }
    if (head == "line") return TypedLineEntry{std::string(rest)};
    if (head == "swap" && trim(rest).empty()) return Swap{};
    if (head == "copy" && trim(rest) == "number") return CopyNumber{};
    if (head == "copy" && trim(rest) == "history") return CopyHistory{};
    if (head == "history") {
        const auto [what, n] = word(trim(rest));
        if (what == "clear" && trim(n).empty()) return HistoryClear{};
        if (what == "restore") {
            if (const auto entry = integer(n); entry && *entry >= 1) return HistoryRestore{*entry};
        }
        why = "history takes restore N or clear";
        return std::nullopt;
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
    return Event{handler, button};
}

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
        const bool keepsBlanks =
            line.substr(0, 5) == "type " || line.substr(0, 7) == "expect " || line.substr(0, 5) == "line ";
        auto command = parseLine(keepsBlanks ? line : trim(line), loaded, why);
        if (!command) {
            script.errors.push_back(std::to_string(number) + ": " + why);
            continue;
        }
        if (const auto* e = std::get_if<Event>(&*command); e && e->handler == &formEvent(EventKind::Load))
            loaded = true;
        script.lines.push_back({number, std::move(*command)});
    }
    return script;
}

}  // namespace quantivex::replay
