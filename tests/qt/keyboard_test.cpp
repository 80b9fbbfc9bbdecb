// The window by keyboard alone: Tab in reading order, a focus the eye finds,
// and the focus handed back where a person expects it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "line_entry_box.h"
#include "qt_test_support.h"
#include "widgets.h"

using namespace quantivex;
using namespace quantivex::qttest;

class KeyboardTest : public WindowTest {
    Q_OBJECT

private slots:
    void theWholeRoadByKeyboardAlone() {
        MainWindow& window = *window_;
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) QSKIP("this platform gives no active window, which focus needs");
        auto focused = [] { return QApplication::focusWidget(); };
        // Tab until the named control has the focus; the chain must reach it.
        auto tabTo = [&](const char* name) {
            for (int i = 0; i < 40 && (focused() == nullptr || focused()->objectName() != QLatin1String(name)); ++i) {
                QTest::keyClick(focused() != nullptr ? focused() : &window, Qt::Key_Tab);
            }
            return focused() != nullptr && focused()->objectName() == QLatin1String(name);
        };
        // Opens the focused category button's menu with Space and picks the
        // item so many steps down with the arrow keys.
        auto pickWithArrows = [&](int downs) {
            QTest::keyClick(focused(), Qt::Key_Space);
            QWidget* menu = QApplication::activePopupWidget();
            if (menu == nullptr) return false;
            for (int i = 0; i < downs; ++i) QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
            return true;
        };
        QVERIFY(tabTo("Command8"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(tabTo("Label3"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(tabTo("Command1"));
        QVERIFY(pickWithArrows(2));
        QCOMPARE(widget<QLabel>(window, "Label3")->text(), QStringLiteral("kg"));
        QVERIFY(tabTo("Label4"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(tabTo("Command5"));
        QVERIFY(pickWithArrows(5));
        QCOMPARE(widget<QLabel>(window, "Label4")->text(), QStringLiteral("sec"));
        QVERIFY(tabTo("Label2"));
        QTest::keyClick(focused(), Qt::Key_F2);  // opens the value box, its text selected
        QTRY_COMPARE(focused(), static_cast<QWidget*>(widget<QLineEdit>(window, "Text2")));
        QTest::keyClicks(focused(), QStringLiteral("5"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("5"));
        QVERIFY(tabTo("Command9"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(tabTo("Label5"));
        QTest::keyClick(focused(), Qt::Key_Space);
        QVERIFY(tabTo("Command10"));
        QVERIFY(pickWithArrows(3));
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("11.0231"));
        QVERIFY(tabTo("Label6"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QVERIFY(tabTo("Command14"));
        QVERIFY(pickWithArrows(4));
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("661.386"));
        QCOMPARE(widget<QLabel>(window, "Label5")->text(), QStringLiteral("lb"));
        QCOMPARE(widget<QLabel>(window, "Label6")->text(), QStringLiteral("min"));
    }

    void tabGoesInReadingOrderAndStopsOnlyWhereTheEyeSees() {
        MainWindow& window = *window_;
        auto chain = [&] {
            QStringList names;
            QWidget* start = widget<QPushButton>(window, "Command8");
            QWidget* w = start;
            do {
                if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && window.clientArea()->isAncestorOf(w)) {
                    names << w->objectName();
                }
                w = w->nextInFocusChain();
            } while (w != start);
            return names;
        };
        // At start-up the empty unit labels lie unseen behind the guide: no stops.
        // The workflow buttons go as they stand: 単位の設定, クリヤ, 単位の変換.
        QCOMPARE(chain(),
                 (QStringList{QStringLiteral("Command8"), QStringLiteral("Command17"), QStringLiteral("Command9")}));
        QVERIFY(QApplication::focusWidget() == nullptr ||
                QApplication::focusWidget() == widget<QPushButton>(window, "Command8"));
        run(window, "Command8_Click");
        run(window, "Label3_Click");  // the left row of category buttons shows
        // the workflow, the equation as it reads, the buttons as they stand (圧力 before 熱量)
        QCOMPARE(chain(),
                 (QStringList{QStringLiteral("Command8"), QStringLiteral("Command17"), QStringLiteral("Command9"),
                              QStringLiteral("Label2"), QStringLiteral("Label3"), QStringLiteral("Label4"),
                              QStringLiteral("Label1"), QStringLiteral("Command1"), QStringLiteral("Command2"),
                              QStringLiteral("Command3"), QStringLiteral("Command4"), QStringLiteral("Command5"),
                              QStringLiteral("Command6"), QStringLiteral("Command18"), QStringLiteral("Command7")}));
        run(window, "MASS2_Click");
        run(window, "Label4_Click");
        run(window, "THERM1_Click");
        run(window, "Label4_Click");
        run(window, "PRESS1_Click");
        run(window, "Command9_Click");    // the right units now accept changes: light cyan
        run(window, "Label6_MouseDown");  // kWhr･atm: the right row shows 熱量 left of 圧力
        QCOMPARE(chain(),
                 (QStringList{QStringLiteral("Command8"), QStringLiteral("Command17"), QStringLiteral("Command9"),
                              QStringLiteral("Label2"), QStringLiteral("Label3"), QStringLiteral("Label4"),
                              QStringLiteral("Label1"), QStringLiteral("Label5"), QStringLiteral("Label6"),
                              QStringLiteral("Command16"), QStringLiteral("Command19")}));
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QVERIFY(!(widget<QLabel>(window, name)->focusPolicy() & Qt::ClickFocus));  // never by a click
        }
    }

    void aClosingBoxHandsTheFocusBackToItsLabel() {
        MainWindow& window = *window_;
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) QSKIP("this platform gives no active window, which focus needs");
        QLineEdit* box = openNumeratorBoxOnKg(window);
        QVERIFY(box != nullptr);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(widget<QLabel>(window, "Label3")));
        // so a Space now clicks the label, and never clears the equation
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(window.form().Label3.Caption, u"kg");
        QCOMPARE(window.form().Label3.BackColor, kSkyBlue);
    }

    void aFocusedButtonShowsAFrameTheEyeFinds() {
        MainWindow& window = *window_;
        auto* button = widget<QPushButton>(window, "Command8");
        // WCAG's contrast of two colours, from their relative luminance.
        auto luminance = [](QColor c) {
            auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const double face = luminance(button->palette().color(QPalette::Button));
        auto contrast = [&](QRgb pixel) {
            const double l = luminance(QColor(pixel));
            return (std::max(l, face) + 0.05) / (std::min(l, face) + 0.05);
        };
        // Across the left edge at mid height, the longest run of pixels that the
        // focus changed and that stand out 3:1 from the face.
        widget<QPushButton>(window, "Command17")->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!button->hasFocus());
        const QImage unfocused = button->grab().toImage();
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        const QImage focused = button->grab().toImage();
        const int y = focused.height() / 2;
        int run = 0;
        int ring = 0;
        for (int x = 0; x < focused.width() / 4; ++x) {
            const bool frame = focused.pixel(x, y) != unfocused.pixel(x, y) && qAlpha(focused.pixel(x, y)) == 255 &&
                               contrast(focused.pixel(x, y)) >= 3;
            run = frame ? run + 1 : 0;
            ring = std::max(ring, run);
        }
        const int devicePixels = qRound(WindowButton::kFocusFrameWidth * button->devicePixelRatioF());
        QVERIFY2(ring >= devicePixels, qPrintable(QStringLiteral("a focus frame of %1 device pixels").arg(ring)));
    }

    // 式の入力 opens on a digit typed anywhere in the window, stands where it
    // covers no control that shows (the guide texts at start, the equation
    // later), reads the line as it is typed, runs it on Enter, and on a
    // refusal stays open with the caret at the fault.
    void theTypedLineOpensOnADigitCoversNothingAndRunsOnEnter() {
        MainWindow& window = *window_;
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) QSKIP("this platform gives no active window, which focus needs");
        auto covered = [&](const LineEntryBox* line) {
            QStringList names;
            for (const QWidget* w :
                 window.clientArea()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (w != line && w->isVisible() && w->geometry().intersects(line->geometry())) names << w->objectName();
            }
            return names.join(QStringLiteral(", "));
        };
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        LineEntryBox* line = window.lineEntry();
        QVERIFY(line != nullptr && line->isVisible());
        QCOMPARE(line->edit()->text(), QStringLiteral("5"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line->edit()));
        QCOMPARE(line->edit()->accessibleName(), QStringLiteral("式の入力"));
        QVERIFY2(covered(line).isEmpty(), qPrintable(covered(line)));
        QTest::keyClicks(line->edit(), QStringLiteral(" kg/s lb/min"));
        QCOMPARE(line->edit()->accessibleDescription(), QStringLiteral("5 kg/sec \u2192 lb/min"));
        QTest::keyClick(line->edit(), Qt::Key_Return);
        QVERIFY(!line->isVisible());
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("661.386"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(line->isVisible());
        QVERIFY2(covered(line).isEmpty(), qPrintable(covered(line)));
        QVERIFY2(line->readingLabel()->geometry().top() > line->edit()->geometry().bottom(),
                 "the reading under the line");
        QTest::keyClicks(line->edit(), QStringLiteral("7 kgg lb"));
        QTest::keyClick(line->edit(), Qt::Key_Return);
        QVERIFY(line->isVisible());
        QCOMPARE(line->readingLabel()->text(), QStringLiteral("単位が正しくありません「kgg」（候補: kg、Kg）"));
        QCOMPARE(line->edit()->cursorPosition(), 2);
        QTest::keyClick(line->edit(), Qt::Key_Escape);
        QVERIFY(!line->isVisible());
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("661.386"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
