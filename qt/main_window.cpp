// The window built and wired: its widgets, menus and actions made, each input
// they report passed to the session in turn, and what it asked for carried out.
#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "client_area.h"
#include "hint_label.h"
#include "message_boxes.h"

// The front-end is a static library: its resources (icon, help document) are
// registered explicitly, outside any namespace as Qt requires.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

namespace quantivex {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), platform_(this), form_(std::make_unique<Form1>(platform_)) {
    registerResources();
    if (const QScreen* s = screen()) scale_ = TwipScale(s->logicalDotsPerInchX());
    setWindowTitle(toQString(form_->Caption));
    // The window's size is the equation's business: no resizing, no maximising.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The window's own font throughout, the menu bar and message boxes too: the
    // default face would need a search of every installed font for Japanese.
    setFont(toQFont(Font{kDefaultFont.name, kDefaultFont.size}, FontText::Fixed));
    createMenuBar();
    client_ = new ClientArea(*form_, scale_, this);
    // Every window of the program (help, message boxes) carries its icon. The
    // title bar shows it a moment later: the first frame does not wait for it.
    client_->afterFirstFrame([this] {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quantivex-32.png")));
        setWindowIcon(QApplication::windowIcon());
    });
    setBackground(client_, form_->BackColor, QPalette::Window);
    setCentralWidget(client_);
    // The hints' line under the client area, made with the window so that its
    // height never changes.
    statusBar()->setSizeGripEnabled(false);
    hint_ = new HintLabel(statusBar(), toQFont(form_->Text2.font));
    widgets_ = std::make_unique<ControlWidgets>(*form_, client_, static_cast<ViewInputs&>(*this));
    messages_ = new MessageBoxes(this);
    createActions();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    dispatch(formEvent(EventKind::Load), 0);
    // The first thing to do is 単位の設定: the keyboard starts there.
    if (QWidget* first = widgets_->widgetOf(form_->Command8)) first->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::clientArea() const {
    return client_;
}

// ---- inputs ----

void MainWindow::input(std::function<void()> run) {
    queue_.run(std::move(run));
}

void MainWindow::dispatch(const EventHandler& handler, int16_t button) {
    input([this, h = &handler, button] { session_.run(*h, button); });
}

void MainWindow::onEvent(const EventHandler& event, int16_t button) {
    dispatch(event, button);
}
void MainWindow::doubleClick(const ControlRow& label) {
    input([this, row = &label] { session_.doubleClick(*row); });
}
void MainWindow::type(TextBox& box, std::u16string text) {
    input([this, b = &box, text = std::move(text)] { session_.type(*b, text); });
}
void MainWindow::enter(TextBox& box) {
    input([this, b = &box] { session_.enter(*b); });
}
void MainWindow::escape(TextBox& box) {
    input([this, b = &box] { session_.escape(*b); });
}

void MainWindow::afterInput() {
    sync();
    if (const Control* focus = platform_.takeFocus()) {
        if (QWidget* w = widgets_->widgetOf(*focus)) w->setFocus(Qt::OtherFocusReason);
    }
    if (auto hint = platform_.takeHint()) {
        // 式の入力 shows its own refusals under itself.
        if (hint->atLine) hint->text.clear();
        const QString text = toQString(hint->text);
        hint_->showHint(text);
        // A confirmation need not stay until the next key.
        if (hint->notice) {
            QTimer::singleShot(kNoticeMs, hint_, [hint = hint_, text] {
                if (hint->text() == text) hint->hide();
            });
        }
    }
    for (const PendingMessage& m : platform_.takeMessages()) messages_->show(m);
    syncPopup();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    input([this] { session_.close(); });
    event->accept();
}

}  // namespace quantivex
