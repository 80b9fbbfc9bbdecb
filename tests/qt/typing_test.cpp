// Typing into the edit boxes: what is typed reaches the model, Enter and
// Escape commit or cancel, and a refusal says why without losing the text.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "qt_test_support.h"

using namespace quantivex;
using namespace quantivex::qttest;

class TypingTest : public WindowTest {
    Q_OBJECT

private slots:
    void typedUnitsGoThroughTheModel() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QTest::mouseClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        pressCategoryButton(window, "Command1");
        QVERIFY(chooseInOpenPopup(QStringLiteral("kg")));
        QTest::mouseDClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        auto* box = widget<QLineEdit>(window, "Text3");
        QVERIFY(box->isVisible());
        typeText(box, QStringLiteral("kg･xx"));
        QTRY_COMPARE(widget<QLabel>(window, "Label3")->text(), QStringLiteral("kg･xx"));
        QTest::mouseClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        const SeenMessage seen = closeOpenMessageBox();
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

    void typingReplacesTheTextAndKeysCommitOrCancel() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        auto* box = widget<QLineEdit>(window, "Text2");
        QVERIFY(box->isVisible());
        // a person types at once: the first key replaces the old text
        QTest::keyClicks(box, QStringLiteral("7"));
        QCOMPARE(box->text(), QStringLiteral("7"));
        QCOMPARE(window.form().Text2.Text(), u"7");
        // Escape: the old value back, no beep, no dialog, the box closed
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!box->isVisible());
        QCOMPARE(widget<QLabel>(window, "Label2")->text(), QStringLiteral("1"));
        QCOMPARE(window.form().EditingLeftValue, 0);

        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        QTest::keyClicks(box, QStringLiteral("12abc"));
        QTest::keyClick(box, Qt::Key_Return);
        // refused: the box stays open and the hint line says why, under the
        // client area, where it covers no control
        auto* hint = window.findChild<QLabel*>(QStringLiteral("hint"));
        QVERIFY(box->isVisible());
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("数値ではありません「12abc」"));
        const QRect client(window.clientArea()->mapToGlobal(QPoint(0, 0)), window.clientArea()->size());
        QVERIFY(!QRect(hint->mapToGlobal(QPoint(0, 0)), hint->size()).intersects(client));
        QVERIFY(window.rect().contains(QRect(window.mapFromGlobal(hint->mapToGlobal(QPoint(0, 0))), hint->size())));
        for (int i = 0; i < 3; ++i) QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(!hint->isVisible());  // the next keystroke ends it
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!box->isVisible());
        QCOMPARE(widget<QLabel>(window, "Label2")->text(), QStringLiteral("12"));
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("12"));
    }

    void aHugePasteIsRefusedWholeAndQuickly() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        auto* box = widget<QLineEdit>(window, "Text2");
        QApplication::clipboard()->setText(QStringLiteral("0.") + QString(99997, QLatin1Char('0')) +
                                           QStringLiteral("1"));
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QVERIFY2(clock.elapsed() < 1000, "a paste of 100,000 characters froze the window");
        auto* hint = window.findChild<QLabel*>(QStringLiteral("hint"));
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("長すぎて入力できません（100,000 文字。1,000 文字まで）"));
        QCOMPARE(box->text(), QStringLiteral("1"));  // nothing cut, nothing taken
        QCOMPARE(window.form().Text2.Text(), u"1");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(window.form().EditingLeftValue, 0);
        QCOMPARE(widget<QLabel>(window, "Label2")->text(), QStringLiteral("1"));

        // the same paste into a unit box
        run(window, "Label3_Click");
        run(window, "MASS2_Click");
        run(window, "Label3_DblClick");
        auto* units = widget<QLineEdit>(window, "Text3");
        QVERIFY(units->isVisible());
        QApplication::clipboard()->setText(QStringLiteral("kg") + QString(99998, QChar(0xFF65)));
        clock.restart();
        QTest::keyClick(units, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(units, Qt::Key_Return);
        QVERIFY2(clock.elapsed() < 1000, "a paste of 100,000 characters froze the window");
        QCOMPARE(window.form().Label3.Caption, u"kg");
        QCOMPARE(window.form().LeftNumeratorEditOpen, 0);
    }
};

QTEST_MAIN(TypingTest)
#include "typing_test.moc"
