// The view's menus and keys: the 編集 and ヘルプ menus of the menu bar, and
// what the view offers beyond the window's own events (undo, redo, copying the
// equation or its number, the swap of the sides, 式の入力, the breakdown and
// the history) by key, from 編集 and from the background's right-click menu.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "breakdown_report.h"
#include "breakdown_window.h"
#include "client_area.h"
#include "clipboard.h"
#include "equation.h"
#include "history_tape.h"
#include "history_window.h"
#include "main_window.h"
#include "sides_swap.h"

namespace quantivex {

// Escape closes a menu opened from the keyboard, and the menu bar would then
// keep the keyboard until a second Escape: one is enough, and the focus goes
// back to where it was.
void MainWindow::releaseMenuBarOnClose(QMenu* menu) {
    connect(menu, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!menuBar()->hasFocus()) return;
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(menuBar(), &escape);
            },
            Qt::QueuedConnection);
    });
}

void MainWindow::createMenuBar() {
    // The access keys shown the Japanese way, after the caption: 編集(E) and
    // ヘルプ(H). Alt+E and Alt+H open them, and F10 the first, as on other desktops.
    edit_ = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit_->setObjectName(QStringLiteral("editMenu"));
    releaseMenuBarOnClose(edit_);
    QMenu* help = menuBar()->addMenu(toQString(form_->HLP.Caption) + QStringLiteral("(&H)"));
    help->setObjectName(QString::fromLatin1(form_->HLP.name.data(), static_cast<qsizetype>(form_->HLP.name.size())));
    releaseMenuBarOnClose(help);
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("menuBarKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WindowShortcut);
    connect(menuKey, &QAction::triggered, this, [this] {
        menuBar()->setActiveAction(edit_->menuAction());
        // As Alt+E does: the first item that can act is ready for Enter.
        for (QAction* a : edit_->actions()) {
            if (a->isEnabled() && !a->isSeparator()) {
                edit_->setActiveAction(a);
                break;
            }
        }
    });
    addAction(menuKey);
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
                {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
                [this] { session_.redo(); });
    copy_ = add("copyEquation", QStringLiteral("式をコピー"), {QKeySequence::Copy}, [this] { copyEquation(session_); });
    copyNumber_ = add("copyNumber", QStringLiteral("数値をコピー"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                      [this] { quantivex::copyNumber(session_); });
    swap_ = add("swapSides", QStringLiteral("左右を入れ替え"), {QKeySequence(Qt::CTRL | Qt::Key_R)},
                [this] { swapSides(session_); });
    lineAction_ = add("typedLine", QStringLiteral("式の入力"), {QKeySequence(Qt::CTRL | Qt::Key_L)},
                      [this] { openLine(QString()); });
    breakdown_ = add("breakdown", QStringLiteral("計算の内訳"), {QKeySequence(Qt::CTRL | Qt::Key_B)}, [this] {
        if (breakdownWindow_ == nullptr) breakdownWindow_ = new BreakdownWindow(this);
        breakdownWindow_->show(breakdownReport(session_), this);
    });
    history_ = add("history", QStringLiteral("計算の履歴"), {QKeySequence(Qt::CTRL | Qt::Key_H)}, [this] {
        // Made when it first opens: most sessions never look back.
        if (historyWindow_ == nullptr) {
            historyWindow_ = new HistoryWindow(
                tape_, [this](std::size_t entry) { input([this, entry] { restoreEntry(session_, tape_, entry); }); },
                [this] { input([this] { copyHistory(session_, tape_); }); },
                [this] { input([this] { clearHistory(session_, tape_); }); }, this);
        }
        historyWindow_->show(this);
    });
    fillEditMenu(edit_);
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

// The 編集 menu and the background's menu hold the same items in the same order.
void MainWindow::fillEditMenu(QMenu* menu) {
    menu->addActions({undo_, redo_});
    menu->addSeparator();
    menu->addActions({copy_, copyNumber_, swap_, lineAction_});
    menu->addSeparator();
    menu->addActions({breakdown_, history_});
}

void MainWindow::showContextMenu(const QPoint& at) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("contextMenu"));
    fillEditMenu(menu);
    menu->popup(at);
}

// Each action is enabled only when it applies, in its menus and by its keys.
void MainWindow::syncActions() {
    if (undo_ == nullptr) return;
    const bool complete = readEquation(*form_).complete();
    undo_->setEnabled(session_.canUndo());
    redo_->setEnabled(session_.canRedo());
    copy_->setEnabled(complete);
    copyNumber_->setEnabled(complete && !form_->Label1.Caption.empty());
    // Disabled, its key still reaches the window, which says why (line_actions.cpp).
    swap_->setEnabled(canSwapSides(session_));
    breakdown_->setEnabled(form_->Label2.Visible);
    lineAction_->setEnabled(session_.openBox() == nullptr);
    if (breakdownWindow_ != nullptr && breakdownWindow_->isVisible())
        breakdownWindow_->refresh(breakdownReport(session_));
    if (historyWindow_ != nullptr && historyWindow_->isVisible()) historyWindow_->refresh();
}

}  // namespace quantivex
