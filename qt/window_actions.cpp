// The view's menus and keys: the ヘルプ menu of the menu bar, and what the view
// offers beyond the window's own events (undo, redo, copying the equation, the
// breakdown) by key and from the background's right-click menu.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "breakdown_report.h"
#include "breakdown_window.h"
#include "client_area.h"
#include "clipboard.h"
#include "equation.h"
#include "main_window.h"

namespace quantivex {

void MainWindow::createMenuBar() {
    // The access key shown the Japanese way, after the caption: ヘルプ(H). Alt+H
    // opens the menu, and so does F10, as on other desktops.
    QMenu* help = menuBar()->addMenu(toQString(form_->HLP.Caption) + QStringLiteral("(&H)"));
    help->setObjectName(QString::fromLatin1(form_->HLP.name.data(), static_cast<qsizetype>(form_->HLP.name.size())));
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("menuBarKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    connect(menuKey, &QAction::triggered, this, [this, help] {
        menuBar()->setActiveAction(help->menuAction());
        // As Alt+H does: the first item is ready for Enter.
        if (!help->actions().isEmpty()) help->setActiveAction(help->actions().constFirst());
    });
    addAction(menuKey);
    // Escape closes a menu opened from the keyboard, and the menu bar would then
    // keep the keyboard until a second Escape: one is enough, and the focus goes
    // back to where it was.
    connect(help, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!menuBar()->hasFocus()) return;
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(menuBar(), &escape);
            },
            Qt::QueuedConnection);
    });
    for (const MenuItemRow& item : menuItemRows()) {
        if (item.owner != &Form1State::HLP) continue;
        if (item.isSeparator()) {
            help->addSeparator();
            continue;
        }
        QAction* action = help->addAction(toQString(item.caption));
        action->setObjectName(QString::fromStdString(item.name));
        if (!item.shortcut.empty()) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        const EventHandler* click = &eventOf(item);
        connect(action, &QAction::triggered, this, [this, click] { dispatch(*click, 0); });
    }
}

void MainWindow::createActions() {
    auto add = [this](const char* name, const QString& text, QList<QKeySequence> keys, auto run) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, run] { input(run); });
        addAction(action);
        return action;
    };
    undo_ = add("undo", QStringLiteral("元に戻す"), {QKeySequence::Undo}, [this] { session_.undo(); });
    redo_ = add("redo", QStringLiteral("やり直し"),
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                [this] { session_.redo(); });
    copy_ = add("copyEquation", QStringLiteral("式をコピー"), {QKeySequence::Copy}, [this] { copyEquation(session_); });
    lineAction_ = add("typedLine", QStringLiteral("式の入力"), {QKeySequence(Qt::CTRL | Qt::Key_L)},
                      [this] { openLine(QString()); });
    breakdown_ = add("breakdown", QStringLiteral("計算の内訳"), {QKeySequence(Qt::CTRL | Qt::Key_B)}, [this] {
        if (breakdownWindow_ == nullptr) breakdownWindow_ = new BreakdownWindow(this);
        breakdownWindow_->show(breakdownReport(readEquation(*form_)), this);
    });
    client_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showContextMenu(client_->mapToGlobal(at)); });
    // From the keyboard the same menu opens at the focused control.
    add("contextMenu", QStringLiteral("メニュー"), {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)},
        [this] {
            const QWidget* at = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : client_;
            showContextMenu(at->mapToGlobal(at->rect().center()));
        });
}

void MainWindow::showContextMenu(const QPoint& at) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("contextMenu"));
    menu->addActions({undo_, redo_});
    menu->addSeparator();
    menu->addActions({copy_, lineAction_, breakdown_});
    menu->popup(at);
}

// Each action is enabled only when it applies, in its menu and by its keys.
void MainWindow::syncActions() {
    if (undo_ == nullptr) return;
    undo_->setEnabled(session_.canUndo());
    redo_->setEnabled(session_.canRedo());
    copy_->setEnabled(readEquation(*form_).complete());
    breakdown_->setEnabled(form_->Label2.Visible);
    lineAction_->setEnabled(session_.openBox() == nullptr);
    if (breakdownWindow_ != nullptr && breakdownWindow_->isVisible())
        breakdownWindow_->refresh(breakdownReport(readEquation(*form_)));
}

}  // namespace quantivex
