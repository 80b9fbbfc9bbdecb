// The popup menus of the category buttons: a QMenu shown for the session's
// open menu, its pick and its dismissal sent back as inputs, and the press of a
// button from the keyboard, whose release waits until its menu is done.
#include <QCursor>
#include <QMenu>
#include <utility>

#include "main_window.h"

namespace quantivex {

void MainWindow::pressFromKeyboard(const ControlRow& button, QWidget* anchor) {
    popupAnchor_ = anchor;
    releaseAfterPopup_ = findEvent(button, EventKind::MouseUp);
    dispatch(*findEvent(button, EventKind::MouseDown), 1);
    if (session_.openPopup() == nullptr) endKeyboardPress();
}

// The release of a button pressed from the keyboard comes once its menu is
// done, as a mouse's release goes to the menu; the focus stays on the button.
void MainWindow::endKeyboardPress() {
    QPointer<QWidget> anchor = popupAnchor_;
    popupAnchor_ = nullptr;
    if (const EventHandler* up = std::exchange(releaseAfterPopup_, nullptr)) dispatch(*up, 1);
    if (anchor != nullptr) anchor->setFocus(Qt::PopupFocusReason);
}

// The session's open popup menu, shown at the pointer (under the button when a
// key opened it). A pick arrives as an input of its own; a menu closed without
// one is dismissed in the session once the pick, if any, has had its turn.
void MainWindow::syncPopup() {
    const Menu* menu = session_.openPopup();
    if (menu == popupShown_) return;
    ++popupGeneration_;
    if (popup_ != nullptr) popup_->close();  // the session closed it: a new input came
    popupShown_ = menu;
    if (menu == nullptr) {
        endKeyboardPress();
        return;
    }
    auto* popup = new QMenu(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setObjectName(QString::fromLatin1(menu->name.data(), static_cast<qsizetype>(menu->name.size())));
    for (const MenuItemRow& item : menuItemRows()) {
        if (&((*form_).*item.owner) != menu) continue;
        const MenuItem& shown = menu->items[item.index];
        if (!shown.Visible) continue;
        if (shown.isSeparator()) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(toQString(shown.Caption));
        action->setObjectName(QString::fromStdString(item.name));
        action->setEnabled(shown.Enabled && menu->Enabled);
        connect(action, &QAction::triggered, this,
                [this, row = &item] { input([this, row] { session_.choose(*row); }); });
    }
    connect(popup, &QMenu::aboutToHide, this, [this, generation = popupGeneration_] {
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == popupGeneration_) input([this] { session_.dismiss(); });
            },
            Qt::QueuedConnection);
    });
    popup_ = popup;
    const QPoint at =
        popupAnchor_ != nullptr ? popupAnchor_->mapToGlobal(QPoint(0, popupAnchor_->height())) : QCursor::pos();
    popup->popup(at);
}

}  // namespace quantivex
