#include "events.h"

#include <array>
#include <stdexcept>
#include <unordered_map>

#include "catalogue.h"
#include "form1.h"

namespace quantivex {
namespace {

std::string_view suffixOf(EventKind kind) {
    switch (kind) {
        case EventKind::Load:
            return "Load";
        case EventKind::Unload:
            return "Unload";
        case EventKind::Click:
            return "Click";
        case EventKind::DblClick:
            return "DblClick";
        case EventKind::MouseDown:
            return "MouseDown";
        case EventKind::MouseUp:
            return "MouseUp";
        case EventKind::Change:
            return "Change";
        case EventKind::Timer:
            return "Timer";
    }
    return {};
}

// ---- which handler each event calls ----

struct Binding {
    std::string_view raisedBy;  // a control, a help menu item, or kFormName
    EventKind kind;
    EventCall call;
};

using E = EventKind;
using H = const EventHandler&;

// clang-format off
const Binding kBindings[] = {
    {kFormName,   E::Load,      [](Form1& f, H, int16_t) { f.Form_Load(); }},
    {kFormName,   E::Unload,    [](Form1& f, H, int16_t) { int16_t cancel = 0; f.Form_Unload(cancel); }},
    {"Command8",  E::Click,     [](Form1& f, H, int16_t) { f.Command8_Click(); }},
    {"Command9",  E::Click,     [](Form1& f, H, int16_t) { f.Command9_Click(); }},
    {"Command17", E::Click,     [](Form1& f, H, int16_t) { f.Command17_Click(); }},
    {"Label2",    E::Click,     [](Form1& f, H, int16_t) { f.Label2_Click(); }},
    {"Label2",    E::DblClick,  [](Form1& f, H, int16_t) { f.Label2_DblClick(); }},
    {"Label3",    E::Click,     [](Form1& f, H, int16_t) { f.Label3_Click(); }},
    {"Label3",    E::DblClick,  [](Form1& f, H, int16_t) { f.Label3_DblClick(); }},
    {"Label4",    E::Click,     [](Form1& f, H, int16_t) { f.Label4_Click(); }},
    {"Label4",    E::DblClick,  [](Form1& f, H, int16_t) { f.Label4_DblClick(); }},
    {"Label5",    E::MouseDown, [](Form1& f, H, int16_t b) { f.Label5_MouseDown(b); }},
    {"Label6",    E::MouseDown, [](Form1& f, H, int16_t b) { f.Label6_MouseDown(b); }},
    {"Text3",     E::Change,    [](Form1& f, H, int16_t) { f.Text3_Change(); }},
    {"Text4",     E::Change,    [](Form1& f, H, int16_t) { f.Text4_Change(); }},
    {"Timer1",    E::Timer,     [](Form1& f, H, int16_t) { f.Timer1_Timer(); }},
    {"Timer2",    E::Timer,     [](Form1& f, H, int16_t) { f.Timer2_Timer(); }},
    {"Timer3",    E::Timer,     [](Form1& f, H, int16_t) { f.Timer3_Timer(); }},
    {"usr",       E::Click,     [](Form1& f, H, int16_t) { f.usr_Click(); }},
    {"usr2",      E::Click,     [](Form1& f, H, int16_t) { f.usr2_Click(); }},
    {"VER",       E::Click,     [](Form1& f, H, int16_t) { f.VER_Click(); }},
};
// clang-format on

// The sixteen category buttons share one routine per row, for the button's
// category; the sixty unit items share one routine.
EventCall categoryButtonCall(const ControlRow& row, EventKind kind) {
    if (kind == E::MouseDown && row.side == Side::Left) {
        return [](Form1& f, H e, int16_t b) { f.LeftCategoryButton_MouseDown(*e.row, b); };
    }
    if (kind == E::MouseUp && row.side == Side::Left) {
        return [](Form1& f, H e, int16_t b) { f.LeftCategoryButton_MouseUp(*e.row, b); };
    }
    if (kind == E::MouseDown && row.side == Side::Right) {
        return [](Form1& f, H e, int16_t b) { f.RightCategoryButton_MouseDown(*e.row, b); };
    }
    return nullptr;
}

void unitItemClick(Form1& f, H e, int16_t) {
    f.UnitItem_Click(*e.category, *e.unit);
}

EventCall boundCall(std::string_view raisedBy, EventKind kind) {
    for (const Binding& b : kBindings) {
        if (b.raisedBy == raisedBy && b.kind == kind) return b.call;
    }
    return nullptr;
}

constexpr EventKind kControlEvents[] = {E::Click, E::DblClick, E::MouseDown, E::MouseUp, E::Change, E::Timer};

class Table {
public:
    Table() {
        for (EventKind kind : {E::Load, E::Unload}) add(kFormName, kind, boundCall(kFormName, kind));
        for (const ControlRow& row : controlRows()) {
            for (EventKind kind : kControlEvents) {
                EventCall call =
                    row.role == Role::CategoryButton ? categoryButtonCall(row, kind) : boundCall(row.name, kind);
                if (call != nullptr) add(row.name, kind, call).row = &row;
            }
        }
        for (const MenuItemRow& item : menuItemRows()) {
            if (item.isSeparator()) continue;  // a separator raises nothing
            EventHandler* h = nullptr;
            if (item.category != 0) {
                h = &add(item.name, E::Click, &unitItemClick);
                h->category = findCategory(std::u16string_view(&item.category, 1));
                h->unit = &h->category->units[item.index];
            } else {
                h = &add(item.name, E::Click, boundCall(item.name, E::Click));
            }
            h->item = &item;
        }
        for (const EventHandler& h : handlers) {
            if (h.call == nullptr) throw std::logic_error("an event bound to no handler: " + h.name);
            byName.emplace(h.name, &h);
            if (h.row != nullptr) byControl[h.row - controlRows().data()][static_cast<std::size_t>(h.kind)] = &h;
            if (h.item != nullptr) byItem.emplace(h.item, &h);
        }
    }

    std::vector<EventHandler> handlers;
    std::unordered_map<std::string_view, const EventHandler*> byName;
    std::unordered_map<const MenuItemRow*, const EventHandler*> byItem;
    // Each control's events by kind.
    std::vector<std::array<const EventHandler*, 8>> byControl =
        std::vector<std::array<const EventHandler*, 8>>(controlRows().size());

private:
    EventHandler& add(std::string_view raisedBy, EventKind kind, EventCall call) {
        std::string name = std::string(raisedBy) + "_" + std::string(suffixOf(kind));
        const bool mouse = kind == E::MouseDown || kind == E::MouseUp;
        EventHandler& h = handlers.emplace_back();
        h.name = std::move(name);
        h.control = raisedBy;
        h.kind = kind;
        h.takesButton = mouse;
        h.call = call;
        return h;
    }
};

const Table& table() {
    static const Table t;
    return t;
}

}  // namespace

ChangeEvents::ChangeEvents(Form1& form) : form_(form) {
    for (const ControlRow* row : rowsWithRole(Role::EditBox)) textBoxOf(form_, *row).setListener(this);
}

ChangeEvents::~ChangeEvents() {
    for (const ControlRow* row : rowsWithRole(Role::EditBox)) textBoxOf(form_, *row).setListener(nullptr);
}

void ChangeEvents::textChanged(TextBox& box) {
    for (const ControlRow* row : rowsWithRole(Role::EditBox)) {
        if (&textBoxOf(form_, *row) != &box) continue;
        if (const EventHandler* change = findEvent(*row, EventKind::Change)) change->run(form_, 0);
        return;
    }
}

const std::vector<EventHandler>& eventHandlers() {
    return table().handlers;
}

const EventHandler* findEventHandler(std::string_view name) {
    const auto& byName = table().byName;
    const auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

const EventHandler* findEvent(const ControlRow& control, EventKind kind) {
    const auto& byControl = table().byControl;
    const auto place = static_cast<std::size_t>(&control - controlRows().data());
    return place < byControl.size() ? byControl[place][static_cast<std::size_t>(kind)] : nullptr;
}

const EventHandler& eventOf(const MenuItemRow& item) {
    const auto& byItem = table().byItem;
    const auto it = byItem.find(&item);
    if (it == byItem.end()) throw std::logic_error("a menu item that raises nothing");
    return *it->second;
}

const EventHandler& formEvent(EventKind kind) {
    return table().handlers[kind == E::Load ? 0 : 1];
}

}  // namespace quantivex
