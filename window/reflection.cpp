#include "reflection.h"

#include <cstdio>
#include <functional>
#include <unordered_map>

#include "form1.h"
#include "number_text.h"
#include "recording_platform.h"
#include "utf.h"

namespace quantivex {
namespace {

using Getter = std::function<InspectedValue(const Form1&)>;

InspectedValue number(double v) { return {InspectedValue::Kind::Number, v, {}}; }
InspectedValue geometry(double v) { return {InspectedValue::Kind::Geometry, v, {}}; }
InspectedValue boolean(bool v) { return {InspectedValue::Kind::Boolean, v ? 1.0 : 0.0, {}}; }
InspectedValue colour(uint32_t v) { return {InspectedValue::Kind::Colour, static_cast<double>(v), {}}; }
InspectedValue text(const std::u16string& v) { return {InspectedValue::Kind::Text, 0, v}; }

class Table {
public:
    Table() {
        RecordingPlatform platform;
        Form1 prototype(platform);
        form("Caption", [](const Form1& f) { return text(f.Caption); });
        form("BackColor", [](const Form1& f) { return colour(f.BackColor); });
        form("Left", [](const Form1& f) { return geometry(f.Left); });
        form("Top", [](const Form1& f) { return geometry(f.Top); });
        form("Width", [](const Form1& f) { return geometry(f.Width); });
        form("Height", [](const Form1& f) { return geometry(f.Height); });

        // Controls in creation order, as the window lists them.
        button(&Form1::Command19, prototype);
        button(&Form1::Command18, prototype);
        timer(&Form1::Timer3, prototype);
        timer(&Form1::Timer2, prototype);
        textBox(&Form1::Text2, prototype);
        button(&Form1::Command17, prototype);
        textBox(&Form1::Text4, prototype);
        for (auto b : {&Form1::Command16, &Form1::Command15, &Form1::Command14, &Form1::Command13,
                       &Form1::Command12, &Form1::Command11}) {
            button(b, prototype);
        }
        textBox(&Form1::Text3, prototype);
        button(&Form1::Command10, prototype);
        timer(&Form1::Timer1, prototype);
        for (auto b : {&Form1::Command9, &Form1::Command8, &Form1::Command7, &Form1::Command6, &Form1::Command5,
                       &Form1::Command4, &Form1::Command3, &Form1::Command2, &Form1::Command1}) {
            button(b, prototype);
        }
        line(1);
        line(0);
        for (auto l : {&Form1::Label11, &Form1::Label10, &Form1::Label9, &Form1::Label8, &Form1::Label7,
                       &Form1::Label1, &Form1::Label5, &Form1::Label6, &Form1::Label4, &Form1::Label3,
                       &Form1::Label2}) {
            label(l, prototype);
        }
        for (auto m : {&Form1::HLP, &Form1::MASS, &Form1::LENG, &Form1::AREA, &Form1::VOL, &Form1::TIM,
                       &Form1::FORCE, &Form1::THERM, &Form1::PRESS}) {
            menu(m, prototype);
        }
        variables();
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
    void control(C Form1::*member, const std::string& name) {
        add(name + ".Left", [member](const Form1& f) { return geometry((f.*member).Left); });
        add(name + ".Top", [member](const Form1& f) { return geometry((f.*member).Top); });
        add(name + ".Width", [member](const Form1& f) { return geometry((f.*member).Width); });
        add(name + ".Height", [member](const Form1& f) { return geometry((f.*member).Height); });
        add(name + ".Visible", [member](const Form1& f) { return boolean((f.*member).Visible); });
        add(name + ".Enabled", [member](const Form1& f) { return boolean((f.*member).Enabled); });
        add(name + ".BackColor", [member](const Form1& f) { return colour((f.*member).BackColor); });
        add(name + ".FontName", [member](const Form1& f) { return text((f.*member).font.name); });
        add(name + ".FontSize", [member](const Form1& f) { return number((f.*member).font.size); });
        add(name + ".TabIndex", [member](const Form1& f) { return number((f.*member).TabIndex); });
    }
    void label(Label Form1::*member, const Form1& prototype) {
        const std::string name = (prototype.*member).name;
        add(name + ".Caption", [member](const Form1& f) { return text((f.*member).Caption); });
        control(member, name);
    }
    void button(CommandButton Form1::*member, const Form1& prototype) {
        const std::string name = (prototype.*member).name;
        add(name + ".Caption", [member](const Form1& f) { return text((f.*member).Caption); });
        control(member, name);
    }
    void textBox(TextBox Form1::*member, const Form1& prototype) {
        const std::string name = (prototype.*member).name;
        add(name + ".Text", [member](const Form1& f) { return text((f.*member).Text()); });
        control(member, name);
    }
    void timer(Timer Form1::*member, const Form1& prototype) {
        const std::string name = (prototype.*member).name;
        add(name + ".Enabled", [member](const Form1& f) { return boolean((f.*member).Enabled); });
        add(name + ".Interval", [member](const Form1& f) { return number((f.*member).Interval); });
    }
    void line(std::size_t i) {
        const std::string name = "Line1(" + std::to_string(i) + ")";
        add(name + ".Visible", [i](const Form1& f) { return boolean(f.Line1[i].Visible); });
        add(name + ".BorderColor", [i](const Form1& f) { return colour(f.Line1[i].BorderColor); });
        add(name + ".X1", [i](const Form1& f) { return geometry(f.Line1[i].X1); });
        add(name + ".Y1", [i](const Form1& f) { return geometry(f.Line1[i].Y1); });
        add(name + ".X2", [i](const Form1& f) { return geometry(f.Line1[i].X2); });
        add(name + ".Y2", [i](const Form1& f) { return geometry(f.Line1[i].Y2); });
    }
    void menu(Menu Form1::*member, const Form1& prototype) {
        const Menu& m = prototype.*member;
        add(m.name + ".Caption", [member](const Form1& f) { return text((f.*member).Caption); });
        add(m.name + ".Visible", [member](const Form1& f) { return boolean((f.*member).Visible); });
        add(m.name + ".Enabled", [member](const Form1& f) { return boolean((f.*member).Enabled); });
        for (std::size_t i = 0; i < m.items.size(); ++i) {
            const std::string& item = m.items[i].name;
            add(item + ".Caption", [member, i](const Form1& f) { return text((f.*member).items[i].Caption); });
            add(item + ".Visible", [member, i](const Form1& f) { return boolean((f.*member).items[i].Visible); });
            add(item + ".Enabled", [member, i](const Form1& f) { return boolean((f.*member).items[i].Enabled); });
        }
    }

    template <typename T>
    void var(const char* name, T Form1::*member) {
        if constexpr (std::is_same_v<T, std::u16string>) {
            add(name, [member](const Form1& f) { return text(f.*member); });
        } else {
            add(name, [member](const Form1& f) { return number(static_cast<double>(f.*member)); });
        }
    }

    void variables();
};

#define VAR(name) var(#name, &Form1::name)

void Table::variables() {
    VAR(LeftValue);
    VAR(LeftValueBeforeEdit);
    VAR(EditingLeftValue);
    VAR(ResultRescaled);
    VAR(LeftNumeratorEditOpen);
    VAR(LeftDenominatorEditOpen);
    VAR(LeftNumeratorBeforeEdit);
    VAR(LeftDenominatorBeforeEdit);
    VAR(EnteringLeftDenominator);
    VAR(LeftNumeratorUnits);
    VAR(LeftDenominatorUnits);
    VAR(LeftNumeratorUnitsLength);
    VAR(LeftDenominatorUnitsLength);
    VAR(LeftNumeratorDims);
    VAR(LeftDenominatorDims);
    VAR(RightNumeratorDims);
    VAR(RightDenominatorDims);
    VAR(ChangingRightDims);
    VAR(ChangingRightNumerator);
    VAR(ChangingRightDenominator);
    VAR(ActiveCategory);
    VAR(ActiveTokenList);
    VAR(PickedUnit);
    VAR(CurrentToken);
    VAR(TokenCategory);
    VAR(ScanChar);
    VAR(NewRightNumeratorText);
    VAR(NewRightDenominatorText);
    VAR(LastRightNumeratorCategory);
    VAR(LastRightDenominatorCategory);
    VAR(RightNumeratorReplaceIndex);
    VAR(RightDenominatorReplaceIndex);
    VAR(CategoryTokenOrdinal);
    VAR(UnitReplaced);
    VAR(DimsToCount);
    VAR(CategoryLetterCount);
    VAR(RightNumeratorTextLength);
    VAR(RightDenominatorTextLength);
    VAR(FactorRatio);
    VAR(RightValue);
    VAR(RightValueText);
    VAR(MassFromIndex);
    VAR(MassToIndex);
    VAR(LengthFromIndex);
    VAR(LengthToIndex);
    VAR(AreaFromIndex);
    VAR(AreaToIndex);
    VAR(VolumeFromIndex);
    VAR(VolumeToIndex);
    VAR(TimeFromIndex);
    VAR(TimeToIndex);
    VAR(ForceFromIndex);
    VAR(ForceToIndex);
    VAR(HeatFromIndex);
    VAR(HeatToIndex);
    VAR(PressureFromIndex);
    VAR(PressureToIndex);
    VAR(RightButtonX);
    VAR(RightButtonBaseX);
    for (std::size_t i = 0; i < 9; ++i) {
        add("RightButtonPlaced(" + std::to_string(i) + ")",
            [i](const Form1& f) { return number(f.RightButtonPlaced[i]); });
    }
    VAR(DefaultValuePending);
    VAR(GuideShown);
    VAR(GuideTick);
    VAR(WindowWidened);
    VAR(LeftNumeratorLength);
    VAR(RightNumeratorLength);
    VAR(RightDenominatorLength);
}

#undef VAR

const Table& table() {
    static const Table t;
    return t;
}

}  // namespace

std::optional<InspectedValue> Form1Reflection::get(const Form1& form, std::string_view name) {
    const auto& getters = table().getters;
    const auto it = getters.find(std::string(name));
    if (it == getters.end()) return std::nullopt;
    return it->second(form);
}

const std::vector<std::string>& Form1Reflection::names() { return table().names; }

std::string Form1Reflection::toText(const InspectedValue& value) {
    switch (value.kind) {
        case InspectedValue::Kind::Boolean: return value.number != 0 ? "True" : "False";
        case InspectedValue::Kind::Colour: {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "&H%X", static_cast<unsigned>(value.number));
            return buffer;
        }
        case InspectedValue::Kind::Text: return toUtf8(value.text);
        case InspectedValue::Kind::Number:
        case InspectedValue::Kind::Geometry: return toUtf8(numberToText(value.number));
    }
    return {};
}

}  // namespace quantivex
