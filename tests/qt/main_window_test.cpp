// The real window under the offscreen platform: widgets are clicked and typed
// into with QTest, and checked against the model they draw.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "conversions.h"
#include "help_window.h"
#include "reflection.h"
#include "main_window.h"

using namespace quantivex;

namespace {

double modelNumber(const Form1& form, const QString& name) {
    return Form1Reflection::get(form, name.toStdString())->number;
}

QString modelText(const Form1& form, const QString& name) {
    return toQString(Form1Reflection::get(form, name.toStdString())->text);
}

// Every widget of the client area against its control in the model.
void compareWidgetsWithModel(MainWindow& window) {
    const Form1& form = window.form();
    const TwipScale& s = window.scale();
    int compared = 0;
    for (QWidget* w : window.clientArea()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = w->objectName();
        if (name == QStringLiteral("hint")) continue;  // the view's own note, no control of the window
        QVERIFY2(!name.isEmpty(), "every widget stands for a control");
        const QRect expected(s.toPixels(modelNumber(form, name + ".Left")), s.toPixels(modelNumber(form, name + ".Top")),
                             s.toPixels(modelNumber(form, name + ".Width")),
                             s.toPixels(modelNumber(form, name + ".Height")));
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
        ++compared;
    }
    QCOMPARE(compared, 11 + 19 + 3);  // labels, buttons, edit boxes
    QCOMPARE(window.clientArea()->width(), s.toPixels(form.Width - kFrameWidth));
    QCOMPARE(window.clientArea()->height(), s.toPixels(kClientHeight));
}

template <typename W>
W* widget(MainWindow& window, const char* name) {
    W* w = window.clientArea()->findChild<W*>(QString::fromLatin1(name));
    return w;
}

// Types any text, as an input method would deliver it: QTest's key clicks
// know only Latin-1.
void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

// Picks an item of the popup menu that the next press opens.
void chooseInNextPopup(const QString& caption) {
    QTimer::singleShot(50, [caption] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (QAction* a : menu->actions()) {
            if (a->text() == caption) {
                menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        QFAIL("no such menu item");
    });
}

// Closes the next message box and records what it said.
struct SeenMessage {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
};
void closeNextMessageBox(SeenMessage& seen) {
    QTimer::singleShot(50, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen = {box->text(), box->windowTitle(), box->icon(), true};
        box->accept();
    });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MainWindow> window_;  // a fresh, shown window for every test

private slots:
    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void startUpShowsTheModel() {
        MainWindow& window = *window_;
        QCOMPARE(window.windowTitle(), QStringLiteral("QUANTIVEX"));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.scale().toPixels(15), 1);
        compareWidgetsWithModel(window);
        QVERIFY(widget<QLabel>(window, "Label8")->isVisible());
        QVERIFY(!widget<QLabel>(window, "Label2")->isVisible());
    }

    void setUnitsClickSyncsEveryWidget() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QCOMPARE(window.form().GuideShown, 0);
        compareWidgetsWithModel(window);
        QVERIFY(widget<QLabel>(window, "Label2")->isVisible());
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("1"));
        QVERIFY(!window.form().surface.lines().empty());
    }

    void convertWithoutUnitsShowsTheNotice() {
        MainWindow& window = *window_;
        SeenMessage seen;
        closeNextMessageBox(seen);
        QTest::mouseClick(widget<QPushButton>(window, "Command9"), Qt::LeftButton);
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, QStringLiteral("単位が未設定です"));
        QCOMPARE(seen.title, QStringLiteral("メッセージ"));
        QCOMPARE(seen.icon, QMessageBox::Information);
    }

    void convertsFiveKilogramsPerSecondOnTheRealWidgets() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QTest::mouseClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        chooseInNextPopup(QStringLiteral("kg"));
        QTest::mouseClick(widget<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(widget<QLabel>(window, "Label3")->text(), QStringLiteral("kg"));
        QTest::mouseClick(widget<QLabel>(window, "Label4"), Qt::LeftButton);
        chooseInNextPopup(QStringLiteral("sec"));
        QTest::mouseClick(widget<QPushButton>(window, "Command5"), Qt::LeftButton);
        QCOMPARE(widget<QLabel>(window, "Label6")->text(), QStringLiteral("sec"));

        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        auto* valueBox = widget<QLineEdit>(window, "Text2");
        QVERIFY(valueBox->isVisible());
        QVERIFY(valueBox->hasFocus());
        // Typed as a person does, without selecting: the box opened with its text selected.
        QTest::keyClicks(valueBox, QStringLiteral("5"));
        QCOMPARE(window.form().Text2.Text(), u"5");
        QTRY_COMPARE(widget<QLabel>(window, "Label2")->text(), QStringLiteral("5"));  // Timer2 mirrors
        QTest::mouseClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("5"));
        QVERIFY(!valueBox->isVisible());

        QTest::mouseClick(widget<QPushButton>(window, "Command9"), Qt::LeftButton);
        QTest::mouseClick(widget<QLabel>(window, "Label5"), Qt::LeftButton);
        QVERIFY(widget<QPushButton>(window, "Command10")->isVisible());
        chooseInNextPopup(QStringLiteral("lb"));
        QTest::mouseClick(widget<QPushButton>(window, "Command10"), Qt::LeftButton);
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("11.0231"));
        QTest::mouseClick(widget<QLabel>(window, "Label6"), Qt::LeftButton);
        chooseInNextPopup(QStringLiteral("min"));
        QTest::mouseClick(widget<QPushButton>(window, "Command14"), Qt::LeftButton);
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("661.386"));
        QCOMPARE(widget<QLabel>(window, "Label5")->text(), QStringLiteral("lb"));
        QCOMPARE(widget<QLabel>(window, "Label6")->text(), QStringLiteral("min"));
        compareWidgetsWithModel(window);
    }

    void typedUnitsGoThroughTheModel() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QTest::mouseClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        chooseInNextPopup(QStringLiteral("kg"));
        QTest::mouseClick(widget<QPushButton>(window, "Command1"), Qt::LeftButton);
        QTest::mouseDClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        auto* box = widget<QLineEdit>(window, "Text3");
        QVERIFY(box->isVisible());
        typeText(box, QStringLiteral("kg･xx"));
        QTRY_COMPARE(widget<QLabel>(window, "Label3")->text(), QStringLiteral("kg･xx"));
        SeenMessage seen;
        closeNextMessageBox(seen);
        QTest::mouseClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, QStringLiteral("単位が正しくありません「xx」"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("kg･xx"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("m"));
        QTRY_COMPARE(widget<QLabel>(window, "Label3")->text(), QStringLiteral("kg･m"));
        QTest::mouseClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        QCOMPARE(window.form().LeftNumeratorDims, u"ML");
        QCOMPARE(widget<QLabel>(window, "Label5")->text(), QStringLiteral("kg･m"));
        QVERIFY(!box->isVisible());
    }

    void helpOpensBesideTheWindowWithoutBlockingIt() {
        MainWindow& window = *window_;
        auto* usage2 = window.menuBar()->findChild<QAction*>(QStringLiteral("usr2"));
        QVERIFY(usage2 != nullptr);
        QCOMPARE(usage2->text(), QStringLiteral("使い方2"));
        usage2->trigger();
        HelpWindow* help = window.platform().helpWindow();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowModality(), Qt::NonModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        const QString text = help->browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("単位の設定")));
        QVERIFY(text.contains(QStringLiteral("単位が正しくありません")));
        QVERIFY(text.contains(QStringLiteral("Kg/cm2")));
        // the calculator still takes clicks while the help is open
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QVERIFY(widget<QLabel>(window, "Label2")->isVisible());
        QVERIFY(help->isVisible());
    }

    void versionBoxShowsTheVersion() {
        MainWindow& window = *window_;
        SeenMessage seen;
        closeNextMessageBox(seen);
        window.menuBar()->findChild<QAction*>(QStringLiteral("VER"))->trigger();
        QVERIFY(seen.seen);
        QVERIFY(seen.text.startsWith(QStringLiteral("Ver101\n")));
        QCOMPARE(seen.title, QStringLiteral("バージョン"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
    }

    void closingTheWindowEndsTheProgram() {
        MainWindow& window = *window_;
        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        window.close();
        QVERIFY(window.platform().endRequested());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
