// The Qt view of Form1. Every input the widgets, menus, keys and timers report
// goes through the Session, one at a time; afterwards the view carries out what
// the input asked for (focus, a hint, message boxes, a popup menu) and syncs
// every widget from the model. No event loop runs inside that dispatch: menus
// open with popup() and message boxes with open(), and their answers arrive
// later as inputs of their own.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "control_widgets.h"
#include "conversions.h"
#include "events.h"
#include "form1.h"
#include "history_tape.h"
#include "input_queue.h"
#include "qt_platform.h"
#include "session.h"

class QMenu;

namespace quantivex {

class ClientArea;
class BreakdownWindow;
class LineEntryBox;
class HistoryWindow;
class HintLabel;
class MessageBoxes;

// Its member functions are defined across files by job, as the private section
// says; main_window.cpp builds the window and takes its inputs.
class MainWindow : public QMainWindow, private ViewInputs {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return *form_; }
    QtPlatform& platform() { return platform_; }
    Session& session() { return session_; }
    BreakdownWindow* breakdownWindow() const { return breakdownWindow_; }
    LineEntryBox* lineEntry() const { return line_; }
    HistoryWindow* historyWindow() const { return historyWindow_; }
    const HistoryTape& history() const { return tape_; }
    const ControlWidgets& widgets() const { return *widgets_; }
    const TwipScale& scale() const { return scale_; }
    QWidget* clientArea() const;

    // One event of the window through the session, then what it asked for and the sync.
    void dispatch(const EventHandler& handler, int16_t button);
    // Any input through the session, then what it asked for and the sync. An
    // input that arrives while another is handled waits until that one is done.
    void input(std::function<void()> run);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the control widgets report; a press from the keyboard is in popup_menus.cpp.
    void onEvent(const EventHandler& event, int16_t button) override;
    void doubleClick(const ControlRow& label) override;
    void type(TextBox& box, std::u16string text) override;
    void enter(TextBox& box) override;
    void escape(TextBox& box) override;
    void pressFromKeyboard(const ControlRow& button, QWidget* anchor) override;
    // What follows every input: focus, a hint, message boxes, the popup menu, the sync.
    void afterInput();

    // window_actions.cpp: the menu bar, the view's own actions and the background's menu.
    void createMenuBar();
    void releaseMenuBarOnClose(QMenu* menu);
    void createActions();
    void fillEditMenu(QMenu* menu);
    void syncActions();
    void showContextMenu(const QPoint& at);

    // line_actions.cpp: 式の入力, opened with `text` typed; run by Enter.
    void openLine(const QString& text);
    void runLine(const QString& text);
    void placeLine();

    // popup_menus.cpp: the category buttons' menus.
    void syncPopup();
    void endKeyboardPress();

    // widget_sync.cpp: every widget from its control in the model.
    void sync();
    // A widget's background colour, set only when it differs.
    static void setBackground(QWidget* widget, uint32_t colour, QPalette::ColorRole role);

    // frame.cpp: the window's size and place.
    void syncClientSize();
    void placeFrame();

    static constexpr int kEquationMargin = 6;  // pixels between the equation and the window's right edge
    static constexpr int kNoticeMs = 2500;     // how long a note that confirms something stays

    QtPlatform platform_;
    std::unique_ptr<Form1> form_;
    Session session_{*form_};
    HistoryTape tape_{session_};
    TwipScale scale_;
    ClientArea* client_ = nullptr;
    std::unique_ptr<ControlWidgets> widgets_;
    HintLabel* hint_ = nullptr;
    MessageBoxes* messages_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* breakdown_ = nullptr;
    QAction* lineAction_ = nullptr;
    QAction* copyNumber_ = nullptr;
    QAction* swap_ = nullptr;
    QAction* history_ = nullptr;
    QMenu* edit_ = nullptr;
    BreakdownWindow* breakdownWindow_ = nullptr;
    HistoryWindow* historyWindow_ = nullptr;  // made when it first opens
    LineEntryBox* line_ = nullptr;            // made when it first opens

    // The popup menu shown for the session's open one (popup_menus.cpp).
    QPointer<QMenu> popup_;
    const Menu* popupShown_ = nullptr;
    unsigned popupGeneration_ = 0;
    QPointer<QWidget> popupAnchor_;                    // the button a key press opened it from
    const EventHandler* releaseAfterPopup_ = nullptr;  // that button's release, once the menu is done

    // Where the frame was last put from the model's Left and Top (frame.cpp).
    float placedLeft_ = 0;
    float placedTop_ = 0;
    bool placed_ = false;

    InputQueue queue_{[this] { afterInput(); }};
};

}  // namespace quantivex
