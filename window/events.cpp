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

class Table {
public:
    Table() {
        add(kFormName, EventKind::Load, [](Form1& f, int16_t) { f.Form_Load(); });
        add(kFormName, EventKind::Unload, [](Form1& f, int16_t) {
            int16_t cancel = 0;
            f.Form_Unload(cancel);
        });
        for (const ControlRow& row : controlRows()) {
            const std::pair<EventKind, const Handler&> bound[] = {
                {EventKind::Click, row.onClick},         {EventKind::DblClick, row.onDblClick},
                {EventKind::MouseDown, row.onMouseDown}, {EventKind::MouseUp, row.onMouseUp},
                {EventKind::Change, row.onChange},       {EventKind::Timer, row.onTimer}};
            for (const auto& [kind, handler] : bound) {
                if (std::holds_alternative<std::monostate>(handler)) continue;
                const ControlRow* r = &row;
                add(row.name, kind,
                    std::visit(
                        [r](auto h) -> std::function<void(Form1&, int16_t)> {
                            using H = decltype(h);
                            if constexpr (std::is_same_v<H, PlainHandler>) {
                                return [h](Form1& f, int16_t) { (f.*h)(); };
                            } else if constexpr (std::is_same_v<H, ButtonHandler>) {
                                return [h](Form1& f, int16_t b) { (f.*h)(b); };
                            } else if constexpr (std::is_same_v<H, RowHandler>) {
                                return [h, r](Form1& f, int16_t b) { (f.*h)(*r, b); };
                            } else {
                                return {};
                            }
                        },
                        handler))
                    .row = r;
            }
        }
        for (const MenuItemRow& item : menuItemRows()) {
            std::function<void(Form1&, int16_t)> run;
            if (item.onClick != nullptr) {
                run = [h = item.onClick](Form1& f, int16_t) { (f.*h)(); };
            } else if (item.category != 0) {
                // The sixty unit items share one routine.
                const Category* category = findCategory(std::u16string_view(&item.category, 1));
                const Unit* unit = &category->units[item.index];
                run = [category, unit](Form1& f, int16_t) { f.UnitItem_Click(*category, *unit); };
            } else {
                continue;  // a separator raises nothing
            }
            add(item.name, EventKind::Click, std::move(run)).item = &item;
        }
        for (const EventHandler& h : handlers) {
            byName.emplace(h.name, &h);
            if (h.row != nullptr) byControl[h.row - controlRows().data()][static_cast<std::size_t>(h.kind)] = &h;
        }
    }

    std::vector<EventHandler> handlers;
    std::unordered_map<std::string_view, const EventHandler*> byName;
    // Each control's events by kind.
    std::vector<std::array<const EventHandler*, 8>> byControl =
        std::vector<std::array<const EventHandler*, 8>>(controlRows().size());

private:
    EventHandler& add(std::string_view control, EventKind kind, std::function<void(Form1&, int16_t)> run) {
        std::string name = std::string(control) + "_" + std::string(suffixOf(kind));
        const bool mouse = kind == EventKind::MouseDown || kind == EventKind::MouseUp;
        return handlers.emplace_back(
            EventHandler{std::move(name), control, kind, mouse, nullptr, nullptr, std::move(run)});
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
    const auto it = byName.find(name);
    return it == byName.end() ? nullptr : it->second;
}

const EventHandler* findEvent(const ControlRow& control, EventKind kind) {
    const auto& byControl = table().byControl;
    const auto place = static_cast<std::size_t>(&control - controlRows().data());
    return place < byControl.size() ? byControl[place][static_cast<std::size_t>(kind)] : nullptr;
}

const EventHandler& eventOf(const MenuItemRow& item) {
    for (const EventHandler& h : table().handlers) {
        if (h.item == &item) return h;
    }
    throw std::logic_error("a menu item that raises nothing");
}

const EventHandler& formEvent(EventKind kind) {
    for (const EventHandler& h : table().handlers) {
        if (h.row == nullptr && h.item == nullptr && h.kind == kind) return h;
    }
    throw std::logic_error("the window raises no such event");
}

}  // namespace quantivex
