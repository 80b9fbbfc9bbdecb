#include "reflection.h"

#include <cstdio>
#include <functional>
#include <unordered_map>

#include "form1.h"
#include "number_text.h"
#include "utf.h"

namespace quantivex {
namespace {

using Getter = std::function<InspectedValue(const Form1State&)>;
using TraceGetter = std::function<InspectedValue(const Form1Trace&)>;

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
InspectedValue text(std::u16string_view v) {
    return {InspectedValue::Kind::Text, 0, std::u16string(v)};
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
    std::vector<std::string> stateNames;  // the names a snapshot holds
    std::unordered_map<std::string, Getter> getters;
    std::unordered_map<std::string, TraceGetter> traceGetters;

private:
    void add(std::string name, Getter g) {
        names.push_back(name);
        stateNames.push_back(name);
        getters.emplace(std::move(name), std::move(g));
    }
    void add(std::string name, TraceGetter g) {
        names.push_back(name);
        traceGetters.emplace(std::move(name), std::move(g));
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
        add(name + ".Caption", [member](const Form1State& f) { return text(std::u16string((f.*member).Caption)); });
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

    // A state variable reads from a Form1State, a trace variable from a Form1Trace.
    template <typename Owner>
    using GetterOf = std::function<InspectedValue(const Owner&)>;

    template <typename Owner>
    void variable(const std::string& name, std::u16string Owner::*member) {
        add(name, GetterOf<Owner>([member](const Owner& f) { return text(f.*member); }));
    }
    // A text that is always one of the catalogue's own, or nothing.
    template <typename Owner>
    void variable(const std::string& name, std::u16string_view Owner::*member) {
        add(name, GetterOf<Owner>([member](const Owner& f) { return text(std::u16string(f.*member)); }));
    }
    template <typename Owner>
    void variable(const std::string& name, FlagTable Owner::*member) {
        for (std::size_t i = 0; i < std::tuple_size_v<FlagTable>; ++i) {
            add(name + "(" + std::to_string(i) + ")",
                GetterOf<Owner>([member, i](const Owner& f) { return number((f.*member)[i]); }));
        }
    }
    template <typename T, typename Owner>
    void variable(const std::string& name, T Owner::*member) {
        add(name, GetterOf<Owner>([member](const Owner& f) { return number(static_cast<double>(f.*member)); }));
    }
};

const Table& table() {
    static const Table t;
    return t;
}

}  // namespace

std::optional<InspectedValue> Form1Reflection::get(const Form1State& state, const Form1Trace* trace,
                                                   std::string_view name) {
    const std::string key(name);
    const auto& getters = table().getters;
    if (const auto it = getters.find(key); it != getters.end()) return it->second(state);
    const auto& traceGetters = table().traceGetters;
    if (const auto it = traceGetters.find(key); it != traceGetters.end() && trace != nullptr) return it->second(*trace);
    return std::nullopt;
}

std::optional<InspectedValue> Form1Reflection::get(const Form1& form, std::string_view name) {
    return get(form.state(), &form.trace(), name);
}

const std::vector<std::string>& Form1Reflection::names() {
    return table().names;
}

std::vector<std::string> Form1Reflection::wholeState(const Form1State& state) {
    std::vector<std::string> lines;
    for (const std::string& n : table().stateNames) lines.push_back(n + " = " + toText(*get(state, nullptr, n)));
    for (const DrawnLine& l : state.surface.lines()) {
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
