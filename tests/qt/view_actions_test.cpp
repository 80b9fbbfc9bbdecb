// What the view adds to the window: undo and redo, copying the equation and
// the breakdown, from the background's menu and by their keys.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "breakdown_window.h"
#include "events.h"
#include "qt_test_support.h"

using namespace quantivex;
using namespace quantivex::qttest;

class ViewActionsTest : public WindowTest {
    Q_OBJECT

private slots:
    void backgroundMenuOffersWhatAppliesAndLabelsKeepTheirPresses() {
        MainWindow& window = *window_;
        QWidget* client = window.clientArea();
        struct Offered {
            QStringList texts;
            QList<bool> enabled;
            QStringList shortcuts;
        } offered;
        auto openMenu = [&](QWidget* on) {
            offered = {};
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 200), on->mapToGlobal(QPoint(5, 200)));
            QApplication::sendEvent(on, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) return;
            for (QAction* a : menu->actions()) {
                if (a->isSeparator()) continue;
                offered.texts << a->text();
                offered.enabled << a->isEnabled();
                offered.shortcuts << a->shortcut().toString();
            }
            menu->close();
        };
        openMenu(client);
        const QStringList items{QStringLiteral("元に戻す"),       QStringLiteral("やり直し"),
                                QStringLiteral("式をコピー"),     QStringLiteral("数値をコピー"),
                                QStringLiteral("左右を入れ替え"), QStringLiteral("式の入力"),
                                QStringLiteral("計算の内訳"),     QStringLiteral("計算の履歴")};
        QCOMPARE(offered.texts, items);
        // Nothing to undo, copy, swap or explain; a line and the history are always there.
        QCOMPARE(offered.enabled, (QList<bool>{false, false, false, false, false, true, false, true}));
        QCOMPARE(offered.shortcuts,
                 (QStringList{QStringLiteral("Ctrl+Z"), QStringLiteral("Ctrl+Y"), QStringLiteral("Ctrl+C"),
                              QStringLiteral("Ctrl+Shift+C"), QStringLiteral("Ctrl+R"), QStringLiteral("Ctrl+L"),
                              QStringLiteral("Ctrl+B"), QStringLiteral("Ctrl+H")}));
        auto* redo = window.findChild<QAction*>(QStringLiteral("redo"));
        QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        // 編集(E) comes first in the menu bar, with the same items.
        const QList<QAction*> bar = window.menuBar()->actions();
        QVERIFY(bar.size() >= 2);
        QCOMPARE(bar[0]->text(), QStringLiteral("編集(&E)"));
        QCOMPARE(bar[1]->text(), QStringLiteral("ヘルプ(&H)"));
        QStringList inEdit;
        for (QAction* a : bar[0]->menu()->actions()) {
            if (!a->isSeparator()) inEdit << a->text();
        }
        QCOMPARE(inEdit, items);

        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "MASS2_Click");
        openMenu(client);
        // Units are being entered: no swap yet.
        QCOMPARE(offered.enabled, (QList<bool>{true, false, true, true, false, true, true, true}));
        run(window, "Command9_Click");
        openMenu(client);
        QCOMPARE(offered.enabled, (QList<bool>{true, false, true, true, true, true, true, true}));
        window.findChild<QAction*>(QStringLiteral("undo"))->trigger();
        window.findChild<QAction*>(QStringLiteral("undo"))->trigger();
        QCOMPARE(window.form().Label3.Caption, u"");
        openMenu(client);
        QCOMPARE(offered.enabled, (QList<bool>{true, true, false, false, false, true, true, true}));

        // a right press on a label is the window's own MouseDown: no menu there
        openMenu(widget<QLabel>(window, "Label5"));
        QVERIFY(offered.texts.isEmpty());
    }

    void copyPutsTheEquationOnTheClipboardAndTheBreakdownExplainsIt() {
        MainWindow& window = *window_;
        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "MASS2_Click");
        run(window, "Label4_Click");
        run(window, "TIM5_Click");
        run(window, "Label2_DblClick");
        typeAndEnter(widget<QLineEdit>(window, "Text2"), QStringLiteral("5"));
        run(window, "Command9_Click");
        window.dispatch(*findEventHandler("Label5_MouseDown"), 1);
        pressCategoryButton(window, "Command10");
        QVERIFY(chooseInOpenPopup(QStringLiteral("lb")));
        window.dispatch(*findEventHandler("Label6_MouseDown"), 1);
        pressCategoryButton(window, "Command14");
        QVERIFY(chooseInOpenPopup(QStringLiteral("min")));

        QApplication::clipboard()->clear();
        window.findChild<QAction*>(QStringLiteral("copyEquation"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("5 kg/sec = 661.386 lb/min"));

        window.findChild<QAction*>(QStringLiteral("breakdown"))->trigger();
        BreakdownWindow* breakdown = window.breakdownWindow();
        QVERIFY(breakdown != nullptr && breakdown->isVisible());
        QCOMPARE(breakdown->windowTitle(), QStringLiteral("計算の内訳"));
        QCOMPARE(breakdown->windowModality(), Qt::NonModal);
        QVERIFY(breakdown->text().contains(QStringLiteral("kg → lb × 2.20462 (2204.62 ÷ 1000)")));
        QVERIFY(breakdown->text().contains(QStringLiteral("sec → min ÷ 0.0166667 (525969.2 ÷ 31558153)")));
        QVERIFY(breakdown->text().contains(QStringLiteral("132.277 (132.277204191538)")));
        QVERIFY(breakdown->text().contains(QStringLiteral("661.386020957691")));
        // beside it the value by the units' definitions, 5 x 60 / 0.45359237, and how far the shown one is from it
        QVERIFY(breakdown->text().contains(QStringLiteral("定義による値: 5 × 132.277357310927 = 661.386786554633")));
        QVERIFY(breakdown->text().contains(QStringLiteral("表示の値: 661.386（定義による値との差 −0.00012 %）")));
        QVERIFY(!breakdown->text().contains(QStringLiteral("正確")));
        // its button copies the whole of it
        auto* copyAll = breakdown->findChild<QPushButton*>(QStringLiteral("breakdownCopy"));
        QVERIFY(copyAll != nullptr && copyAll->isVisible());
        QCOMPARE(copyAll->accessibleName(), QStringLiteral("内訳をコピー"));
        QApplication::clipboard()->clear();
        QTest::mouseClick(copyAll, Qt::LeftButton);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY2(copied.startsWith(QStringLiteral("5 kg/sec = 661.386 lb/min\nkg → lb × 2.20462 (2204.62 ÷ 1000)\n")),
                 qPrintable(copied));  // the equation first, then every line whole
        QVERIFY(copied.contains(QStringLiteral("定義による値: 5 × 132.277357310927 = 661.386786554633\n")));
        // it follows the equation: after an undo the minutes are seconds again
        window.findChild<QAction*>(QStringLiteral("undo"))->trigger();
        QVERIFY(!breakdown->text().contains(QStringLiteral("min")));
        QVERIFY(breakdown->text().contains(QStringLiteral("2.20462")));
        // and the window itself still takes clicks
        QTest::mouseClick(widget<QPushButton>(window, "Command17"), Qt::LeftButton);
        QCOMPARE(breakdown->text(), QStringLiteral("左辺に単位がありません"));
        // a unit whose table figure departs from its definition is named: 39370 in per km
        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "LENG5_Click");
        run(window, "Command9_Click");
        window.dispatch(*findEventHandler("Label5_MouseDown"), 1);
        pressCategoryButton(window, "Command11");
        QVERIFY(chooseInOpenPopup(QStringLiteral("cm")));
        QVERIFY(breakdown->text()
                    .remove(QStringLiteral("\n  "))
                    .contains(QStringLiteral("in: 表では 1 km = 39370 in、定義では 39370.1 in")));
        // Long figures: lines break only before " = ", " × ", " ÷ " or a bracket, or after "、" or ": ",
        // never inside a number, and every line fits the window.
        run(window, "Label2_DblClick");
        typeAndEnter(widget<QLineEdit>(window, "Text2"), QStringLiteral("1.23456789012345e-200"));
        auto* view = breakdown->findChild<QTextBrowser*>(QStringLiteral("breakdownText"));
        const QFontMetrics metrics(view->font());
        const QStringList lines = breakdown->text().split(u'\n');
        QVERIFY2(breakdown->text().contains(QStringLiteral("\n  ")), "no line long enough to break");
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(metrics.horizontalAdvance(lines[i]) <= view->viewport()->width(), qPrintable(lines[i]));
            if (!lines[i].startsWith(QStringLiteral("  "))) continue;
            const QString piece = lines[i].mid(2);
            const bool atOperator = piece.startsWith(u'=') || piece.startsWith(u'×') || piece.startsWith(u'÷') ||
                                    piece.startsWith(u'(') || piece.startsWith(u'（');
            const bool afterSeparator = lines[i - 1].endsWith(u'、') || lines[i - 1].endsWith(QStringLiteral(": "));
            QVERIFY2(atOperator || afterSeparator, qPrintable(lines[i - 1] + QStringLiteral(" / ") + lines[i]));
        }
    }

    void undoKeysReachTheWindowEvenFromAnOpenBox() {
        MainWindow& window = *window_;
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) QSKIP("this platform gives no active window, which shortcuts need");
        QLineEdit* box = openNumeratorBoxOnKg(window);
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, QStringLiteral("lb"));
        // in the box Ctrl+Z closes it as Escape does; the next one takes back the pick
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!box->isVisible());
        QCOMPARE(window.form().Label3.Caption, u"kg");
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.form().Label3.Caption, u"");
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window.form().Label3.Caption, u"kg");
    }
};

QTEST_MAIN(ViewActionsTest)
#include "view_actions_test.moc"
