// The Qt widgets of the window's controls, from the window's table: one widget
// per control, made when the control first shows (the first frame waits for
// nothing it does not show), named for screen readers as the table says,
// stacked as the window stacks its controls, in the keyboard's order, and
// bound to the inputs they report. It also keeps the one map from a control of
// the model to its widget.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "conversions.h"
#include "form1.h"

class QPushButton;
class QTimer;
class QWidget;

namespace quantivex {

class EquationLabel;
class EditBox;
struct EventHandler;

// What the widgets report, as inputs of the view.
class ViewInputs {
public:
    virtual void onEvent(const EventHandler& event, int16_t button) = 0;
    virtual void doubleClick(const ControlRow& label) = 0;
    virtual void type(TextBox& box, std::u16string text) = 0;
    virtual void enter(TextBox& box) = 0;
    virtual void escape(TextBox& box) = 0;
    // Space, Enter or a screen reader's Press on a category button: its press,
    // with its menu opened beside it, and the release once the menu is done.
    virtual void pressFromKeyboard(const ControlRow& button, QWidget* anchor) = 0;

protected:
    ~ViewInputs() = default;
};

class ControlWidgets {
public:
    template <typename Model, typename Widget>
    struct Bound {
        const ControlRow* row;
        Model* model;
        Widget* widget;  // null until the control first shows
    };

    ControlWidgets(Form1& form, QWidget* clientArea, ViewInputs& inputs);

    // Makes the widgets of the controls that show now and have none yet.
    void createShowing();

    // The widget of a control, or null for one without (a timer, a line, one
    // that has never shown).
    QWidget* widgetOf(const Control& control) const;

    // Chains the widgets for Tab in the order the eye reads the window: the
    // workflow buttons as they stand, the parts of the equation left to right (an open box
    // right after the label it edits), then the category buttons as they stand
    // from left to right. Cheap when nothing moved since the last call.
    void orderForTab();

    const std::vector<Bound<Label, EquationLabel>>& labels() const { return labels_; }
    const std::vector<Bound<CommandButton, QPushButton>>& buttons() const { return buttons_; }
    const std::vector<Bound<TextBox, EditBox>>& boxes() const { return boxes_; }
    const std::vector<Bound<Timer, QTimer>>& timers() const { return timers_; }

private:
    EquationLabel* createLabel(const ControlRow& row, Label& model);
    QPushButton* createButton(const ControlRow& row, CommandButton& model);
    EditBox* createBox(const ControlRow& row, TextBox& model);
    void createTimer(const ControlRow& row, Timer& model);
    void stack(const ControlRow& row, QWidget* widget);

    QWidget* client_;
    ViewInputs& inputs_;
    std::vector<Bound<Label, EquationLabel>> labels_;
    std::vector<Bound<CommandButton, QPushButton>> buttons_;
    std::vector<Bound<TextBox, EditBox>> boxes_;
    std::vector<Bound<Timer, QTimer>> timers_;
    std::unordered_map<const Control*, QWidget*> byControl_;
    std::vector<QWidget*> tabOrder_;              // as last chained
    std::map<std::ptrdiff_t, QWidget*> stacked_;  // by place in the table
};

// What a screen reader calls a control: the table's name, else its caption.
QString accessibleNameOf(const ControlRow& row);
// Whether a control's texts are the program's own or may hold what a person typed.
FontText fontTextOf(const ControlRow& row);

}  // namespace quantivex
