// The Qt view of Form1: one widget per control, placed from the model's twips.
// Every event goes to a Form1 handler; afterwards the queued message boxes,
// popup menu and focus are carried out and all widgets are synced from the model.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "conversions.h"
#include "events.h"
#include "form1.h"
#include "qt_platform.h"
#include "session.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace quantivex {

class EquationLabel;
class ClientArea;
class BreakdownWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return *form_; }
    QtPlatform& platform() { return platform_; }
    BreakdownWindow* breakdownWindow() const { return breakdownWindow_; }
    const TwipScale& scale() const { return scale_; }
    QWidget* clientArea() const;

    // Runs one event of the form, then carries out what it asked for and syncs.
    void dispatch(const EventHandler& handler, int16_t button);
    Session& session() { return session_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void createWidgets();
    void createMenuBar();
    void createActions();
    void syncActions();
    template <typename Sender, typename Signal>
    void bind(Sender* sender, Signal signal, std::string_view control, EventKind kind);
    QPushButton* createButton(const CommandButton& model, std::string_view name);
    void bindKeys(EquationLabel* w, std::string_view name);
    static bool isEquationLabel(std::string_view name);
    void showContextMenu(const QPoint& at);
    void sync();
    void syncClientSize();
    static void fitText(QLabel* label, const Label& model);
    static constexpr double kSmallestPointSize = 4;
    static constexpr int kEquationMargin = 6;  // pixels between the equation and the window's right edge
    void afterHandler();
    void showMessage(const PendingMessage& message);
    void showPopup(const std::string& menuName);
    void showHint(const std::string& control, const std::u16string& text);
    // Any input (an event, typing, Enter, Escape), then the sync and what it asked for.
    void afterInput(const std::function<void()>& input);
    QWidget* widgetNamed(const std::string& name) const;

    QtPlatform platform_;
    std::unique_ptr<Form1> form_;
    Session session_{*form_};
    TwipScale scale_;
    ClientArea* client_ = nullptr;
    QLabel* hint_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* breakdown_ = nullptr;
    BreakdownWindow* breakdownWindow_ = nullptr;
    QWidget* popupAnchor_ = nullptr;  // the button a keyboard press opened the popup from
    std::vector<std::pair<Label*, EquationLabel*>> labels_;
    std::vector<std::pair<CommandButton*, QPushButton*>> buttons_;
    std::vector<std::pair<TextBox*, QLineEdit*>> boxes_;
    std::vector<std::pair<Timer*, QTimer*>> timers_;
    float placedLeft_ = 0;
    float placedTop_ = 0;
    bool placed_ = false;
};

}  // namespace quantivex
