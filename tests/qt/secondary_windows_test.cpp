// The windows beside the calculator: the help, which blocks nothing and fits
// the screen, and where any of them is placed.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>
#include <algorithm>

#include "breakdown_window.h"
#include "help_window.h"
#include "history_window.h"
#include "placement.h"
#include "qt_test_support.h"

using namespace quantivex;
using namespace quantivex::qttest;

class SecondaryWindowsTest : public WindowTest {
    Q_OBJECT

private slots:
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

    void helpFitsTheScreenCarriesTheIconAndClosesOnEscape() {
        MainWindow& window = *window_;
        // The program's icon is set once the calculator's first frame is up,
        // and the help takes it from there.
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        window.menuBar()->findChild<QAction*>(QStringLiteral("usr2"))->trigger();
        HelpWindow* help = window.platform().helpWindow();
        QVERIFY(help->isVisible());
        QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
        QVERIFY(!help->windowIcon().isNull());
        QCOMPARE(help->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        QTest::keyClick(help->browser(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());

        // 計算の内訳, then 計算の履歴: each beside the calculator, neither over the other.
        run(window, "Command8_Click");
        window.findChild<QAction*>(QStringLiteral("breakdown"))->trigger();
        window.findChild<QAction*>(QStringLiteral("history"))->trigger();
        QWidget* breakdown = window.breakdownWindow();
        QWidget* history = window.historyWindow();
        QVERIFY(breakdown != nullptr && history != nullptr && breakdown->isVisible() && history->isVisible());
        QTRY_VERIFY2(!history->frameGeometry().intersects(breakdown->frameGeometry()),
                     "the history covers the breakdown");
        QVERIFY(history->screen()->availableGeometry().contains(history->frameGeometry()));
    }

    void besideTheCalculatorWhereverThereIsRoom() {
        // Screens at scale 1 and 2, the calculator centred, windows the size of
        // the breakdown, the help and a message box.
        const QSize screens[] = {{1920, 1080}, {1280, 720}, {960, 540}, {640, 360}};
        const QSize windows[] = {{504, 220}, {640, 560}, {242, 100}, {400, 700}};
        const QSize main(478, 316);
        const int gap = 4;
        for (const QSize& screen : screens) {
            const QRect room(QPoint(0, 0), screen);
            const QRect calculator(QPoint((screen.width() - main.width()) / 2, (screen.height() - main.height()) / 2),
                                   main);
            for (const QSize& size : windows) {
                const QRect placed(besideMainWindow(calculator, size, room, {}, gap), size);
                const QString where = QStringLiteral("%1x%2 beside on %3x%4")
                                          .arg(size.width())
                                          .arg(size.height())
                                          .arg(screen.width())
                                          .arg(screen.height());
                if (size.width() <= screen.width() && size.height() <= screen.height()) {
                    QVERIFY2(room.contains(placed), qPrintable(where + QStringLiteral(": off the screen")));
                }
                // Room on a side: the whole window fits between the calculator and the screen's edge there.
                const bool sideRoom = calculator.left() - gap >= size.width() ||
                                      room.right() - calculator.right() - gap >= size.width() ||
                                      calculator.top() - gap >= size.height() ||
                                      room.bottom() - calculator.bottom() - gap >= size.height();
                if (!sideRoom || size.height() > screen.height()) continue;
                QVERIFY2(!placed.intersects(calculator), qPrintable(where + QStringLiteral(": covers the calculator")));
                const int apart =
                    std::max({calculator.left() - placed.right() - 1, placed.left() - calculator.right() - 1,
                              calculator.top() - placed.bottom() - 1, placed.top() - calculator.bottom() - 1});
                QVERIFY2(apart == gap, qPrintable(where + QStringLiteral(": %1 px away").arg(apart)));
            }
        }
        // Right before left before below before above.
        const QRect calculator(700, 400, 478, 316);
        QCOMPARE(besideMainWindow(calculator, QSize(300, 200), QRect(0, 0, 1920, 1080), {}, gap), QPoint(1182, 400));
        // A message box leaves 計算の内訳 on the right uncovered where the left has room.
        const QRect breakdown(QPoint(1182, 400), QSize(300, 500));
        QCOMPARE(besideMainWindow(calculator, QSize(300, 200), QRect(0, 0, 1920, 1080), {&breakdown, 1}, gap),
                 QPoint(396, 400));
        QCOMPARE(besideMainWindow(calculator, QSize(300, 200), QRect(0, 0, 1300, 1080), {}, gap), QPoint(396, 400));
        QCOMPARE(besideMainWindow(calculator, QSize(800, 200), QRect(0, 0, 1300, 1080), {}, gap), QPoint(500, 720));
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"
