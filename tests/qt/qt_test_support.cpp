#include "qt_test_support.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

#include "control_widgets.h"
#include "conversions.h"
#include "events.h"
#include "reflection.h"
#include "widgets.h"

namespace quantivex::qttest {
namespace {

double modelNumber(const Form1& form, const QString& name) {
    return Form1Reflection::get(form, name.toStdString())->number;
}

QString modelText(const Form1& form, const QString& name) {
    return toQString(Form1Reflection::get(form, name.toStdString())->text);
}

}  // namespace

void WindowTest::init() {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowTest::cleanup() {
    window_.reset();
}

void compareWidgetsWithModel(MainWindow& window) {
    const Form1& form = window.form();
    const TwipScale& s = window.scale();
    auto compare = [&](const ControlRow* row, const Control* model, QWidget* w) {
        const QString name = QString::fromLatin1(row->name.data(), static_cast<qsizetype>(row->name.size()));
        if (w == nullptr) {
            QVERIFY2(!model->Visible, qPrintable(name + QStringLiteral(" shows without a widget")));
            return;
        }
        QCOMPARE(w->objectName(), name);
        const QRect expected(
            s.toPixels(modelNumber(form, name + ".Left")), s.toPixels(modelNumber(form, name + ".Top")),
            s.toPixels(modelNumber(form, name + ".Width")), s.toPixels(modelNumber(form, name + ".Height")));
        QCOMPARE(w->geometry(), expected);
        QCOMPARE(w->isVisibleTo(window.clientArea()), modelNumber(form, name + ".Visible") != 0);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QCOMPARE(label->text(), modelText(form, name + ".Caption"));
            const auto colour = static_cast<uint32_t>(modelNumber(form, name + ".BackColor"));
            QCOMPARE(label->palette().color(QPalette::Window), toQColor(colour, QApplication::palette()));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QCOMPARE(button->text(), modelText(form, name + ".Caption"));
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            QCOMPARE(edit->text(), modelText(form, name + ".Text"));
        }
    };
    for (const auto& [row, model, w] : window.widgets().labels()) STOP_ON_FAILURE(compare(row, model, w));
    for (const auto& [row, model, w] : window.widgets().buttons()) STOP_ON_FAILURE(compare(row, model, w));
    for (const auto& [row, model, w] : window.widgets().boxes()) STOP_ON_FAILURE(compare(row, model, w));
    QCOMPARE(window.widgets().labels().size() + window.widgets().buttons().size() + window.widgets().boxes().size(),
             std::size_t{11 + 19 + 3});
    // The window's width is its outer width: the frame the platform draws is
    // measured; the equation keeps a margin from the right edge.
    const int frame = window.frameGeometry().width() - window.geometry().width();
    int rightmost = 0;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
        if (modelNumber(form, QString::fromLatin1(name) + ".Visible") != 0) {
            rightmost = std::max(rightmost, s.toPixels(modelNumber(form, QString::fromLatin1(name) + ".Left")) +
                                                s.toPixels(modelNumber(form, QString::fromLatin1(name) + ".Width")));
        }
    }
    QCOMPARE(window.clientArea()->width(), std::max(s.toPixels(form.Width) - frame, rightmost + 6));
    QCOMPARE(window.clientArea()->height(), s.toPixels(kClientHeight));
}

void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

void pressCategoryButton(MainWindow& window, const char* name) {
    QTest::mousePress(widget<QPushButton>(window, name), Qt::LeftButton);
}

bool chooseInOpenPopup(const QString& caption) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return false;
    for (QAction* a : menu->actions()) {
        if (a->text() == caption) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            return true;
        }
    }
    return false;
}

SeenMessage closeOpenMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return {};
    SeenMessage seen{box->text(), box->windowTitle(), box->icon(), true, box->standardButtons()};
    box->accept();
    return seen;
}

QLineEdit* openNumeratorBoxOnKg(MainWindow& window) {
    for (const char* event : {"Command8_Click", "Label3_Click", "MASS2_Click", "Label3_DblClick"}) {
        window.dispatch(*findEventHandler(event), 1);
    }
    auto* box = window.clientArea()->findChild<QLineEdit*>(QStringLiteral("Text3"));
    return box != nullptr && QTest::qWaitFor([box] { return box->hasFocus(); }) ? box : nullptr;
}

void run(MainWindow& window, const char* event) {
    window.dispatch(*findEventHandler(event), 1);
}

void typeAndEnter(QLineEdit* box, const QString& text) {
    box->selectAll();  // the box opened with its text selected; after a refusal it is not
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace quantivex::qttest
