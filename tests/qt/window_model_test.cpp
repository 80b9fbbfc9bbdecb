// The window draws its model: at start-up, after a click, along the whole
// road of a conversion by mouse, and until closing the window ends the program.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "qt_test_support.h"

using namespace quantivex;
using namespace quantivex::qttest;

class WindowModelTest : public WindowTest {
    Q_OBJECT

private slots:
    void startUpShowsTheModel() {
        MainWindow& window = *window_;
        QCOMPARE(window.windowTitle(), QStringLiteral("QUANTIVEX"));
        QTRY_VERIFY(!window.windowIcon().isNull());  // set once the first frame is up
        QCOMPARE(window.scale().toPixels(15), 1);
        STOP_ON_FAILURE(compareWidgetsWithModel(window));
        QVERIFY(widget<QLabel>(window, "Label8")->isVisible());
        QVERIFY(widget<QLabel>(window, "Label2") == nullptr);  // made when it first shows
    }

    void setUnitsClickSyncsEveryWidget() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QCOMPARE(window.form().GuideShown, 0);
        STOP_ON_FAILURE(compareWidgetsWithModel(window));
        QVERIFY(widget<QLabel>(window, "Label2")->isVisible());
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("1"));
        QVERIFY(!window.form().surface.lines().empty());
    }

    void convertsFiveKilogramsPerSecondOnTheRealWidgets() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command8"), Qt::LeftButton);
        QTest::mouseClick(widget<QLabel>(window, "Label3"), Qt::LeftButton);
        pressCategoryButton(window, "Command1");
        QVERIFY(chooseInOpenPopup(QStringLiteral("kg")));
        QCOMPARE(widget<QLabel>(window, "Label3")->text(), QStringLiteral("kg"));
        QTest::mouseClick(widget<QLabel>(window, "Label4"), Qt::LeftButton);
        pressCategoryButton(window, "Command5");
        QVERIFY(chooseInOpenPopup(QStringLiteral("sec")));
        QCOMPARE(widget<QLabel>(window, "Label6")->text(), QStringLiteral("sec"));

        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        auto* valueBox = widget<QLineEdit>(window, "Text2");
        QVERIFY(valueBox->isVisible());
        // Focus needs an active window, which a display without a window manager
        // never gives: the keys below go to the box itself.
        if (QApplication::activeWindow() == &window) QVERIFY(valueBox->hasFocus());
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
        pressCategoryButton(window, "Command10");
        QVERIFY(chooseInOpenPopup(QStringLiteral("lb")));
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("11.0231"));
        QTest::mouseClick(widget<QLabel>(window, "Label6"), Qt::LeftButton);
        pressCategoryButton(window, "Command14");
        QVERIFY(chooseInOpenPopup(QStringLiteral("min")));
        QCOMPARE(widget<QLabel>(window, "Label1")->text(), QStringLiteral("661.386"));
        QCOMPARE(widget<QLabel>(window, "Label5")->text(), QStringLiteral("lb"));
        QCOMPARE(widget<QLabel>(window, "Label6")->text(), QStringLiteral("min"));
        STOP_ON_FAILURE(compareWidgetsWithModel(window));
    }

    void closingTheWindowEndsTheProgram() {
        MainWindow& window = *window_;
        run(window, "Command8_Click");
        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        window.close();
        QVERIFY(window.platform().endRequested());
    }
};

QTEST_MAIN(WindowModelTest)
#include "window_model_test.moc"
