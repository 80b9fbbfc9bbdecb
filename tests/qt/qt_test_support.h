// What the Qt tests share: a fresh window for every test function, and helpers
// that click, type and pick as a person does and check widgets against the model.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QWidget>
#include <QtTest>
#include <memory>

#include "main_window.h"

// A helper that checks with QCOMPARE returns from itself only: the test stops too.
#define STOP_ON_FAILURE(call)                   \
    do {                                        \
        call;                                   \
        if (QTest::currentTestFailed()) return; \
    } while (false)

namespace quantivex::qttest {

// A fresh, shown window for every test function of the class that derives from it.
class WindowTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<MainWindow> window_;

private slots:
    void init();
    void cleanup();
};

// Every widget of the client area against its control in the model; a control
// that shows has its widget (a widget is made when its control first shows).
void compareWidgetsWithModel(MainWindow& window);

template <typename W>
W* widget(MainWindow& window, const char* name) {
    W* w = window.clientArea()->findChild<W*>(QString::fromLatin1(name));
    return w;
}

// Types any text, as an input method would deliver it: QTest's key clicks
// know only Latin-1.
void typeText(QWidget* w, const QString& text);

// A press on a category button opens its menu; the release goes to the menu,
// which takes the mouse, so none is sent to the button.
void pressCategoryButton(MainWindow& window, const char* name);

// Picks an item of the popup menu showing now, with the keys a person would
// use; false when no menu shows or it has no such item.
bool chooseInOpenPopup(const QString& caption);

// The message box showing now, read and closed.
struct SeenMessage {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
    QMessageBox::StandardButtons buttons;
};
SeenMessage closeOpenMessageBox();

// kg picked for the left numerator, then its box opened by a double click;
// the box once it holds the keyboard, else null.
QLineEdit* openNumeratorBoxOnKg(MainWindow& window);

// Runs one event of the window by its name, as the view does.
void run(MainWindow& window, const char* event);

// Commits a text typed into an edit box through the real widget, with Enter.
void typeAndEnter(QLineEdit* box, const QString& text);

}  // namespace quantivex::qttest
