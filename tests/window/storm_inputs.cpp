// What a person does next in the storm: any input the window offers now, by
// how often a person does it, and texts to type from pools of awkward ones.
#include "storm.h"

namespace quantivex::storm {
namespace {

// No lone surrogate here: a replay script is UTF-8 and cannot carry one, so a
// failing run would not replay. The session test covers its refusal.
const std::vector<std::u16string>& textPool() {
    static const std::vector<std::u16string> pool = [] {
        std::vector<std::u16string> p = {u"", u" ", u"12abc", u"\uFF65", u"\u30FB", u"kg\uFF65m", u"kg\u30FBm", u"Kg",
                                         u"m\uFF65m\uFF65m", u"0", u"0.0", u"00", u"1e300", u"-5", u"1e-300", u"abc",
                                         u"kg\uFF65", u"\uFF65kg", u"\u03BCm\uFF65\u212B", u"2.5", u"5", u"1.e+04",
                                         u"k g", u"sec", u"kg\uFF65\uFF65m", u"1e", u"1.2.3", u"1E+15", u"Pa\uFF65kWhr",
                                         u"lb\uFF65min", u"3e-7", u"123456789012",
                                         // extreme magnitudes: the rescale must neither underflow nor overflow
                                         // on the way to a result that is a double
                                         u"1e200", u"1e-200", u"1e308", u"1e-320", u"-0", u"4.9e-324",
                                         u"1.7976931348623157e308", u"2.2250738585072014e-308", u"-1e150"};
        for (const Category& c : categories()) {
            for (const Unit& u : c.units) p.emplace_back(u.symbol);
        }
        std::u16string longText;
        for (int i = 0; i < 400; ++i) longText += i == 0 ? u"m" : u"\uFF65m";
        p.push_back(longText);
        p.push_back(std::u16string(1000, u'9'));
        return p;
    }();
    return pool;
}

// Into the value box a person mostly types numbers, large and small ones too.
const std::vector<std::u16string> kNumberPool = {u"5",
                                                 u"2.5",
                                                 u"0",
                                                 u"-5",
                                                 u"1e200",
                                                 u"1e-200",
                                                 u"1e300",
                                                 u"1e-300",
                                                 u"1e308",
                                                 u"1e-320",
                                                 u"4.9e-324",
                                                 u"-1e150",
                                                 u"123456789012",
                                                 u"3e-7",
                                                 u"1.7976931348623157e308"};

}  // namespace

Input Storm::typeInto(const ControlRow& box) {
    const auto& pool = box.place == Place::Value && pick(2) == 0 ? kNumberPool : textPool();
    return {.kind = Input::Kind::Type,
            .row = &box,
            .text = pool[static_cast<std::size_t>(pick(static_cast<int>(pool.size())))]};
}

// How often a person does each kind of thing, when the control shows.
int Storm::weightOf(const EventHandler& h) {
    switch (h.kind) {
        case EventKind::Click:
            if (h.item != nullptr) return 1;
            return h.row->role == Role::EquationPart ? 3 : 2;
        case EventKind::DblClick:
            return 2;
        case EventKind::MouseDown:
            return 3;
        case EventKind::MouseUp:
            return 1;
        case EventKind::Timer:
            return h.row->role == Role::GuideTimer ? 2 : 4;
        default:
            return 0;  // the window's own events and Change come from elsewhere
    }
}

// Whether a person can raise the event now: its control shows, its timer
// runs, or it is an item of a menu in the menu bar (unit items come only
// through an open popup).
bool Storm::reachable(const EventHandler& h) {
    if (h.item != nullptr) {
        const Menu& menu = form().*h.item->owner;
        const MenuItem& shown = menu.items[h.item->index];
        return h.item->category == 0 && menu.Visible && menu.Enabled && shown.Visible && shown.Enabled;
    }
    if (h.row == nullptr) return false;
    if (h.row->kind == ControlKind::Timer) return timerOf(form(), *h.row).Enabled;
    return controlOf(form(), *h.row).Visible;
}

// The help items other than the guide only ask the platform for something
// (the help viewer, the version box): a person rarely opens them.
bool Storm::rarelyChosen(const EventHandler& h) {
    return h.item != nullptr && h.item->category == 0 && h.item->name != "usr";
}

// One thing a person can do in the window as it stands.
Input Storm::step() {
    if (const Menu* menu = session().openPopup()) {
        const MenuItemRow* item =
            findMenuItemRow(menu->items[static_cast<std::size_t>(pick(static_cast<int>(menu->items.size())))].name);
        if (pick(7) == 0 || item == nullptr) return {.kind = Input::Kind::Dismiss};
        return {.kind = Input::Kind::Choose, .item = item};
    }
    // Now and then a person steps back or forward, or goes back to an entry of
    // 計算の履歴; the twin's history begins at the snapshot, so not while it follows.
    if (!twin && pick(25) == 0) return {.kind = pick(3) != 0 ? Input::Kind::Undo : Input::Kind::Redo};
    if (!twin && !entries.empty() && pick(60) == 0) {
        return {.kind = Input::Kind::Restore,
                .entry = static_cast<std::size_t>(pick(static_cast<int>(entries.size())))};
    }
    if (pick(40) == 0) return {.kind = pick(2) == 0 ? Input::Kind::Swap : Input::Kind::CopyNumber};
    std::vector<Input> options;
    std::vector<int> weights;
    for (const EventHandler& h : eventHandlers()) {
        if (!reachable(h) || (rarelyChosen(h) && pick(20) != 0)) continue;
        options.push_back(h.kind == EventKind::DblClick ? Input{.kind = Input::Kind::DoubleClick, .row = h.row}
                                                        : Input{.event = &h});
        weights.push_back(weightOf(h));
    }
    for (const ControlRow* box : rowsWithRole(Role::EditBox)) {
        if (!controlOf(form(), *box).Visible) continue;
        options.push_back({.kind = Input::Kind::Type, .row = box});
        weights.push_back(4);
    }
    if (TextBox* open = session().openBox()) {
        options.push_back({.kind = Input::Kind::Enter, .row = rowOf(form(), *open)});
        options.push_back({.kind = Input::Kind::Escape, .row = rowOf(form(), *open)});
        weights.insert(weights.end(), 2, 1);
    } else {
        options.push_back({.kind = Input::Kind::Line});  // 式の入力 opens only while no box is
        weights.push_back(2);
    }
    Input in = options[static_cast<std::size_t>(std::discrete_distribution<int>(weights.begin(), weights.end())(rng))];
    if (in.kind == Input::Kind::Type) return typeInto(*in.row);
    if (in.kind == Input::Kind::Line) return typedLine();
    if (in.event != nullptr && in.event->takesButton) in.button = anyButton();
    return in;
}

// A line a person might type into 式の入力: mostly one that reads, with units
// of the catalogue, a spelling now and then, and a right side of the same
// kinds in any order; now and then one with a slip.
Input Storm::typedLine() {
    const auto cats = categories();
    auto unitOf = [&](const Category& c) {
        return std::u16string(c.units[static_cast<std::size_t>(pick(static_cast<int>(c.units.size())))].symbol);
    };
    static const std::u16string kDots[] = {u"\uFF65", u"\u30FB", u"*", u".", u"\u00B7"};
    static const std::u16string kTo[] = {u" ", u" \u2192 ", u" -> ", u" = ", u" to ", u" in ", u"\u2192"};
    static const std::u16string kSlips[] = {u"kgg", u"", u"//", u"xyz", u"1,000", u"\uFF65\uFF65", u"/"};
    std::vector<const Category*> numerator, denominator;
    for (int n = 1 + pick(3); n > 0; --n) numerator.push_back(&cats[static_cast<std::size_t>(pick(8))]);
    for (int n = pick(3); n > 0; --n) denominator.push_back(&cats[static_cast<std::size_t>(pick(8))]);
    auto fraction = [&](std::vector<const Category*> num, std::vector<const Category*> den, bool shuffle) {
        if (shuffle) {
            std::shuffle(num.begin(), num.end(), rng);
            std::shuffle(den.begin(), den.end(), rng);
        }
        std::u16string text;
        const std::u16string& dot = kDots[pick(5)];
        for (std::size_t i = 0; i < num.size(); ++i) text += (i > 0 ? dot : u"") + unitOf(*num[i]);
        for (std::size_t i = 0; i < den.size(); ++i) text += (i > 0 ? dot : u"/") + unitOf(*den[i]);
        return text;
    };
    std::u16string line = kNumberPool[static_cast<std::size_t>(pick(static_cast<int>(kNumberPool.size())))];
    line += u" " + fraction(numerator, denominator, false);
    if (pick(4) != 0) line += kTo[pick(7)] + fraction(numerator, denominator, true);
    if (pick(6) == 0) line.insert(static_cast<std::size_t>(pick(static_cast<int>(line.size()) + 1)), kSlips[pick(7)]);
    if (pick(10) == 0) line += u" " + fraction({&cats[static_cast<std::size_t>(pick(8))]}, {}, false);
    return {.kind = Input::Kind::Line, .text = line};
}

// Anything at all, reachable or not, but closing the window.
std::optional<Input> Storm::chaosStep() {
    const auto& handlers = eventHandlers();
    const auto boxes = rowsWithRole(Role::EditBox);
    const auto n = static_cast<std::size_t>(pick(static_cast<int>(handlers.size() + boxes.size())));
    if (n >= handlers.size()) return typeInto(*boxes[n - handlers.size()]);
    const EventHandler& h = handlers[n];
    if (h.kind == EventKind::Unload) return std::nullopt;
    return Input{.event = &h, .button = h.takesButton ? anyButton() : int16_t{0}};
}

}  // namespace quantivex::storm
