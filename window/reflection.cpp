#include "reflection.h"

#include <cstdio>
#include <functional>
#include <unordered_map>

#include "form1_state.h"
#include "number_text.h"
#include "utf.h"

namespace quantivex {
namespace {

using Getter = std::function<InspectedValue(const Form1State&)>;

InspectedValue number(double v) {
    return {InspectedValue::Kind::Number, v, {}};
}
InspectedValue geometry(double v) {
    return {InspectedValue::Kind::Geometry, v, {}};
}
InspectedValue boolean(bool v) {
    return {InspectedValue::Kind::Boolean, v ? 1.0 : 0.0, {}};
}
InspectedValue colour(uint32_t v) {
    return {InspectedValue::Kind::Colour, static_cast<double>(v), {}};
}
InspectedValue text(const std::u16string& v) {
    return {InspectedValue::Kind::Text, 0, v};
}

class Table {
public:
    Table() {
        form("Caption", [](const Form1State& f) { return text(std::u16string(f.Caption)); });
        form("BackColor", [](const Form1State& f) { return colour(f.BackColor); });
        form("Left", [](const Form1State& f) { return geometry(f.Left); });
        form("Top", [](const Form1State& f) { return geometry(f.Top); });
        form("Width", [](const Form1State& f) { return geometry(f.Width); });
        form("Height", [](const Form1State& f) { return geometry(f.Height); });
        for (const ControlRow& row : controlRows()) {
            std::visit([&](auto member) { control(std::string(row.name), member); }, row.member);
        }
        for (const MenuRow& row : menuRows()) menu(row);
        for (const VariableRow& row : variableRows()) {
            std::visit([&](auto member) { variable(std::string(row.name), member); }, row.member);
        }
    }

    std::vector<std::string> names;
    std::unordered_map<std::string, Getter> getters;

private:
    void add(std::string name, Getter g) {
        names.push_back(name);
        getters.emplace(std::move(name), std::move(g));
    }
    void form(const char* property, Getter g) { add(std::string("Form1.") + property, std::move(g)); }

    template <typename C>
    void properties(const std::string& name, C Form1State::*member) {
        add(name + ".Left", [member](const Form1State& f) { return geometry((f.*member).Left); });
        add(name + ".Top", [member](const Form1State& f) { return geometry((f.*member).Top); });
        add(name + ".Width", [member](const Form1State& f) { return geometry((f.*member).Width); });
        add(name + ".Height", [member](const Form1State& f) { return geometry((f.*member).Height); });
        add(name + ".Visible", [member](const Form1State& f) { return boolean((f.*member).Visible); });
        add(name + ".Enabled", [member](const Form1State& f) { return boolean((f.*member).Enabled); });
        add(name + ".BackColor", [member](const Form1State& f) { return colour((f.*member).BackColor); });
        add(name + ".FontName", [member](const Form1State& f) { return text(std::u16string((f.*member).font.name)); });
        add(name + ".FontSize", [member](const Form1State& f) { return number((f.*member).font.size); });
        add(name + ".TabIndex", [member](const Form1State& f) { return number((f.*member).TabIndex); });
    }
    void control(const std::string& name, Label Form1State::*member) {
        add(name + ".Caption", [member](const Form1State& f) { return text((f.*member).Caption); });
        properties(name, member);
    }
    void control(const std::string& name, CommandButton Form1State::*member) {
        add(name + ".Caption", [member](const Form1State& f) { return text((f.*member).Caption); });
        properties(name, member);
    }
    void control(const std::string& name, TextBox Form1State::*member) {
        add(name + ".Text", [member](const Form1State& f) { return text((f.*member).Text()); });
        properties(name, member);
    }
    void control(const std::string& name, Timer Form1State::*member) {
        add(name + ".Enabled", [member](const Form1State& f) { return boolean((f.*member).Enabled); });
        add(name + ".Interval", [member](const Form1State& f) { return number((f.*member).Interval); });
    }
    void control(const std::string& name, std::size_t i) {
        add(name + ".Visible", [i](const Form1State& f) { return boolean(f.Line1[i].Visible); });
        add(name + ".BorderColor", [i](const Form1State& f) { return colour(f.Line1[i].BorderColor); });
        add(name + ".X1", [i](const Form1State& f) { return geometry(f.Line1[i].X1); });
        add(name + ".Y1", [i](const Form1State& f) { return geometry(f.Line1[i].Y1); });
        add(name + ".X2", [i](const Form1State& f) { return geometry(f.Line1[i].X2); });
        add(name + ".Y2", [i](const Form1State& f) { return geometry(f.Line1[i].Y2); });
    }
    void menu(const MenuRow& row) {
        const auto member = row.member;
        const std::string name(row.name);
        add(name + ".Caption", [member](const Form1State& f) { return text(std::u16string((f.*member).Caption)); });
        add(name + ".Visible", [member](const Form1State& f) { return boolean((f.*member).Visible); });
        add(name + ".Enabled", [member](const Form1State& f) { return boolean((f.*member).Enabled); });
        for (const MenuItemRow& item : menuItemRows()) {
            if (item.menu != row.name) continue;
            const std::size_t i = item.index;
            add(item.name + ".Caption",
                [member, i](const Form1State& f) { return text(std::u16string((f.*member).items[i].Caption)); });
            add(item.name + ".Visible",
                [member, i](const Form1State& f) { return boolean((f.*member).items[i].Visible); });
            add(item.name + ".Enabled",
                [member, i](const Form1State& f) { return boolean((f.*member).items[i].Enabled); });
        }
    }

    void variable(const std::string& name, std::u16string Form1State::*member) {
        add(name, [member](const Form1State& f) { return text(f.*member); });
    }
    void variable(const std::string& name, FlagTable Form1State::*member) {
        for (std::size_t i = 0; i < std::tuple_size_v<FlagTable>; ++i) {
            add(name + "(" + std::to_string(i) + ")",
                [member, i](const Form1State& f) { return number((f.*member)[i]); });
        }
    }
    template <typename T>
    void variable(const std::string& name, T Form1State::*member) {
        add(name, [member](const Form1State& f) { return number(static_cast<double>(f.*member)); });
    }
};

const Table& table() {
    static const Table t;
    return t;
}

}  // namespace

std::optional<InspectedValue> Form1Reflection::get(const Form1State& form, std::string_view name) {
    const auto& getters = table().getters;
    const auto it = getters.find(std::string(name));
    if (it == getters.end()) return std::nullopt;
    return it->second(form);
}

const std::vector<std::string>& Form1Reflection::names() {
    return table().names;
}

std::vector<std::string> Form1Reflection::wholeState(const Form1State& form) {
    std::vector<std::string> lines;
    for (const std::string& n : names()) lines.push_back(n + " = " + toText(*get(form, n)));
    for (const DrawnLine& l : form.surface.lines()) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "drawn %g %g %g %g &H%X", l.x1, l.y1, l.x2, l.y2, l.colour);
        lines.emplace_back(buffer);
    }
    return lines;
}

std::string Form1Reflection::toText(const InspectedValue& value) {
    switch (value.kind) {
        case InspectedValue::Kind::Boolean:
            return value.number != 0 ? "True" : "False";
        case InspectedValue::Kind::Colour: {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "&H%X", static_cast<unsigned>(value.number));
            return buffer;
        }
        case InspectedValue::Kind::Text:
            return toUtf8(value.text);
        case InspectedValue::Kind::Number:
        case InspectedValue::Kind::Geometry:
            return toUtf8(numberToText(value.number));
    }
    return {};
}

}  // namespace quantivex
