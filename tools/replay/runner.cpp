// Running a replay script against a fresh window, every input through its session.
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#include "breakdown.h"
#include "breakdown_report.h"
#include "clipboard.h"
#include "equation.h"
#include "events.h"
#include "form1.h"
#include "form1_table.h"
#include "history_tape.h"
#include "line_entry.h"
#include "number_text.h"
#include "recording_platform.h"
#include "reflection.h"
#include "replay.h"
#include "session.h"
#include "sides_swap.h"
#include "utf.h"
#include "values.h"

namespace quantivex::replay {
namespace {

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
        session_.run(*c.handler, static_cast<int16_t>(c.button));
        return true;
    }
    bool step(const Type& c) {
        session_.type(textBoxOf(form_, *c.box), fromUtf8(c.text));  // a refusal shows as a hint
        return true;
    }
    bool step(const Key& c) {
        TextBox& box = textBoxOf(form_, *c.box);
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
    bool step(const TypedLineEntry& c) {
        enterLine(session_, fromUtf8(c.text));  // a refusal shows as a hint
        return true;
    }
    bool step(const Swap&) {
        swapSides(session_);  // a refusal shows as a hint and a beep
        return true;
    }
    bool step(const CopyNumber&) {
        copyNumber(session_);
        return true;
    }
    bool step(const HistoryRestore& c) {
        return restoreEntry(session_, tape_, static_cast<std::size_t>(c.entry - 1)) ||
               fail("an entry " + std::to_string(c.entry) + " to restore", std::to_string(tape_.size()) + " entries");
    }
    bool step(const HistoryClear&) {
        clearHistory(session_, tape_);
        return true;
    }
    bool step(const CopyHistory&) {
        copyHistory(session_, tape_);
        return true;
    }
    bool step(const ExpectHistoryCount& c) {
        return tape_.size() == static_cast<std::size_t>(c.count) ||
               fail("history count = " + std::to_string(c.count), std::to_string(tape_.size()));
    }
    bool step(const ExpectHistoryEntry& c) {
        const auto i = static_cast<std::size_t>(c.entry - 1);
        if (i >= tape_.size()) return fail("history " + std::to_string(c.entry) + " = " + c.text, "no such entry");
        const std::string got = toUtf8(tape_.at(i).text());
        return got == c.text || fail("history " + std::to_string(c.entry) + " = " + c.text, got);
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
        copyEquation(session_);
        return true;
    }
    bool step(const ExpectClipboard& c) {
        const std::string got = platform_.clipboard ? "clipboard = " + toUtf8(*platform_.clipboard) : "nothing copied";
        return (platform_.clipboard && *platform_.clipboard == fromUtf8(c.text)) || fail("clipboard = " + c.text, got);
    }
    bool step(const ExpectBreakdown& c) {
        const BreakdownReport report = breakdownReport(session_);
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
    bool step(const ExpectBreakdownContains& c) {
        const std::u16string text = breakdownReport(session_).text();
        const std::u16string wanted = fromUtf8(c.text);
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find(u'\n', start), text.size());
            if (text.substr(start, end - start).find(wanted) != std::u16string::npos) return true;
            start = end + 1;
        }
        // One line a failure: the breakdown's lines joined by " | ".
        std::u16string oneLine = text;
        std::replace(oneLine.begin(), oneLine.end(), u'\n', u'|');
        return fail("a line of the breakdown containing " + c.text, toUtf8(oneLine));
    }
    bool step(const ExpectNoBreakdown&) {
        const BreakdownReport report = breakdownReport(session_);
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
        switch (session_.choose(*c.item)) {
            case Session::Pick::Chosen:
                return true;
            case Session::Pick::Unavailable:
                return fail(c.item->name + " visible and enabled", "it is not");
            case Session::Pick::NoPopup:
            case Session::Pick::NotInOpenPopup:
                break;
        }
        return fail("popup " + c.menu + " open to choose " + c.item->name, openPopupName());
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
    HistoryTape tape_{session_};
    int line_ = 0;
    std::size_t nextMessage_ = 0;
    int beepsSeen_ = 0;
    std::map<std::string, std::vector<std::string>> remembered_;
};

}  // namespace

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
