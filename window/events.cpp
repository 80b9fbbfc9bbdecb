#include "events.h"

#include <unordered_map>

#include "catalogue.h"
#include "form1_impl.h"
#include "form1_table.h"

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

class Table {
public:
    Table() {
        add("Form", EventKind::Load, &Form1::Form_Load);
        add("Form", EventKind::Unload, [](Form1& f, int16_t) {
            int16_t cancel = 0;
            f.Form_Unload(cancel);
        });
        add("Command8", EventKind::Click, &Form1::Command8_Click);
        add("Command9", EventKind::Click, &Form1::Command9_Click);
        add("Command17", EventKind::Click, &Form1::Command17_Click);
        // The category buttons: one routine per row, for the button's category.
        for (std::size_t c = 0; c < std::size(Form1::kCategoryRows); ++c) {
            auto row = [c](Form1& f) -> const CategoryControls& { return f.categoryControls()[c]; };
            const std::string_view left = nameOf(Form1::kCategoryRows[c].leftButton);
            const std::string_view right = nameOf(Form1::kCategoryRows[c].rightButton);
            add(left, EventKind::MouseDown, [row](Form1& f, int16_t b) { f.LeftCategoryButton_MouseDown(row(f), b); });
            add(left, EventKind::MouseUp, [row](Form1& f, int16_t b) { f.LeftCategoryButton_MouseUp(row(f), b); });
            add(right, EventKind::MouseDown,
                [row](Form1& f, int16_t b) { f.RightCategoryButton_MouseDown(row(f), b); });
        }
        // The sixty unit items share one routine.
        for (const MenuItemRow& item : menuItemRows()) {
            const Category* category = nullptr;
            for (const Category& c : categories()) {
                if (c.menuName == item.menu) category = &c;
            }
            if (category == nullptr) continue;
            const Unit* unit = &category->units[item.index];
            add(item.name, EventKind::Click,
                [category, unit](Form1& f, int16_t) { f.UnitItem_Click(*category, *unit); });
        }
        add("Label2", EventKind::Click, &Form1::Label2_Click);
        add("Label2", EventKind::DblClick, &Form1::Label2_DblClick);
        add("Label3", EventKind::Click, &Form1::Label3_Click);
        add("Label3", EventKind::DblClick, &Form1::Label3_DblClick);
        add("Label4", EventKind::Click, &Form1::Label4_Click);
        add("Label4", EventKind::DblClick, &Form1::Label4_DblClick);
        add("Text3", EventKind::Change, &Form1::Text3_Change);
        add("Text4", EventKind::Change, &Form1::Text4_Change);
        add("Timer1", EventKind::Timer, &Form1::Timer1_Timer);
        add("Timer2", EventKind::Timer, &Form1::Timer2_Timer);
        add("Label5", EventKind::MouseDown, &Form1::Label5_MouseDown);
        add("Label6", EventKind::MouseDown, &Form1::Label6_MouseDown);
        add("usr", EventKind::Click, &Form1::usr_Click);
        add("usr2", EventKind::Click, &Form1::usr2_Click);
        add("VER", EventKind::Click, &Form1::VER_Click);
        add("Timer3", EventKind::Timer, &Form1::Timer3_Timer);
        for (const EventHandler& h : handlers) byName.emplace(h.name, &h);
    }

    std::vector<EventHandler> handlers;
    std::unordered_map<std::string, const EventHandler*> byName;

private:
    void add(std::string_view control, EventKind kind, std::function<void(Form1&, int16_t)> run, bool button) {
        std::string name = std::string(control) + "_" + std::string(suffixOf(kind));
        handlers.push_back({std::move(name), std::string(control), kind, button, std::move(run)});
    }
    void add(std::string_view control, EventKind kind, void (Form1::*handler)()) {
        add(
            control, kind, [handler](Form1& f, int16_t) { (f.*handler)(); }, false);
    }
    void add(std::string_view control, EventKind kind, void (Form1::*handler)(int16_t)) {
        add(
            control, kind, [handler](Form1& f, int16_t b) { (f.*handler)(b); }, true);
    }
    void add(std::string_view control, EventKind kind, std::function<void(Form1&, int16_t)> run) {
        const bool mouse = kind == EventKind::MouseDown || kind == EventKind::MouseUp;
        add(control, kind, std::move(run), mouse);
    }

    // A button's name, from the control table.
    static std::string_view nameOf(CommandButton Form1State::*button) {
        for (const ControlRow& row : controlRows()) {
            const auto* member = std::get_if<CommandButton Form1State::*>(&row.member);
            if (member != nullptr && *member == button) return row.name;
        }
        return {};
    }
};

const Table& table() {
    static const Table t;
    return t;
}

}  // namespace

const std::vector<EventHandler>& eventHandlers() {
    return table().handlers;
}

const EventHandler* findEventHandler(std::string_view name) {
    const auto& byName = table().byName;
    const auto it = byName.find(std::string(name));
    return it == byName.end() ? nullptr : it->second;
}

const EventHandler* findEvent(std::string_view control, EventKind kind) {
    for (const EventHandler& h : table().handlers) {
        if (h.kind == kind && h.control == control) return &h;
    }
    return nullptr;
}

}  // namespace quantivex
