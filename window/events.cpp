#include "events.h"

#include <unordered_map>

#include "catalogue.h"
#include "form1.h"
#include "recording_platform.h"

namespace quantivex {
namespace {

std::vector<EventHandler> buildTable() {
    std::vector<EventHandler> t;
    auto plain = [&](std::string name, void (Form1::*handler)()) {
        t.push_back({std::move(name), false, [handler](Form1& f, int16_t) { (f.*handler)(); }});
    };
    auto mouse = [&](std::string name, void (Form1::*handler)(int16_t)) {
        t.push_back({std::move(name), true, [handler](Form1& f, int16_t b) { (f.*handler)(b); }});
    };
    plain("Form_Load", &Form1::Form_Load);
    t.push_back({"Form_Unload", false, [](Form1& f, int16_t) {
                     int16_t cancel = 0;
                     f.Form_Unload(cancel);
                 }});
    plain("Command8_Click", &Form1::Command8_Click);
    plain("Command9_Click", &Form1::Command9_Click);
    plain("Command17_Click", &Form1::Command17_Click);

    RecordingPlatform platform;
    const Form1 prototype(platform);  // only for the controls' names
    for (std::size_t c = 0; c < prototype.categoryControls().size(); ++c) {
        const CategoryControls& row = prototype.categoryControls()[c];
        const std::string left = row.leftButton->name;
        const std::string right = row.rightButton->name;
        t.push_back({left + "_MouseDown", true, [c](Form1& f, int16_t b) {
                         f.LeftCategoryButton_MouseDown(f.categoryControls()[c], b);
                     }});
        t.push_back({left + "_MouseUp", true, [c](Form1& f, int16_t b) {
                         f.LeftCategoryButton_MouseUp(f.categoryControls()[c], b);
                     }});
        t.push_back({right + "_MouseDown", true, [c](Form1& f, int16_t b) {
                         f.RightCategoryButton_MouseDown(f.categoryControls()[c], b);
                     }});
    }
    for (std::size_t c = 0; c < prototype.categoryControls().size(); ++c) {
        const CategoryControls& row = prototype.categoryControls()[c];
        for (std::size_t i = 0; i < row.menu->items.size(); ++i) {
            const std::string item = row.menu->items[i].name;
            t.push_back({item + "_Click", false, [c, i](Form1& f, int16_t) {
                             const Category& cat = *f.categoryControls()[c].category;
                             f.UnitItem_Click(cat, cat.units[i]);
                         }});
        }
    }
    plain("Label2_Click", &Form1::Label2_Click);
    plain("Label2_DblClick", &Form1::Label2_DblClick);
    plain("Label3_Click", &Form1::Label3_Click);
    plain("Label3_DblClick", &Form1::Label3_DblClick);
    plain("Label4_Click", &Form1::Label4_Click);
    plain("Label4_DblClick", &Form1::Label4_DblClick);
    plain("Text3_Change", &Form1::Text3_Change);
    plain("Text4_Change", &Form1::Text4_Change);
    plain("Timer1_Timer", &Form1::Timer1_Timer);
    plain("Timer2_Timer", &Form1::Timer2_Timer);
    mouse("Label5_MouseDown", &Form1::Label5_MouseDown);
    mouse("Label6_MouseDown", &Form1::Label6_MouseDown);
    plain("usr_Click", &Form1::usr_Click);
    plain("usr2_Click", &Form1::usr2_Click);
    plain("VER_Click", &Form1::VER_Click);
    plain("Timer3_Timer", &Form1::Timer3_Timer);
    return t;
}

}  // namespace

const std::vector<EventHandler>& eventHandlers() {
    static const std::vector<EventHandler> table = buildTable();
    return table;
}

const EventHandler* findEventHandler(std::string_view name) {
    static const std::unordered_map<std::string, const EventHandler*> index = [] {
        std::unordered_map<std::string, const EventHandler*> m;
        for (const EventHandler& h : eventHandlers()) m.emplace(h.name, &h);
        return m;
    }();
    const auto it = index.find(std::string(name));
    return it == index.end() ? nullptr : it->second;
}

}  // namespace quantivex
