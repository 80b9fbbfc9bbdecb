// The window's message boxes: their texts, icons and buttons, a whole title,
// and a window that goes on with its timers while one shows.
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "qt_test_support.h"
#include "reflection.h"
#include "replay.h"

using namespace quantivex;
using namespace quantivex::qttest;

namespace {

// The window after the inputs the session recorded equals what the replay tool
// makes of the same inputs headless: every property, variable and drawn line.
void compareWithReplay(MainWindow& window, const std::vector<std::string>& inputs) {
    std::string script = "screen " + std::to_string(window.platform().screenWidth()) + " " +
                         std::to_string(window.platform().screenHeight()) + "\nForm_Load\n";
    for (const std::string& line : inputs) script += line + "\n";
    for (const std::string& line : Form1Reflection::wholeState(window.form())) script += "expect " + line + "\n";
    std::ostringstream out;
    const auto outcome = replay::runText(script, "replayed", out);
    QVERIFY2(outcome == replay::Outcome::Passed, out.str().c_str());
}

}  // namespace

class MessageBoxesTest : public WindowTest {
    Q_OBJECT

private slots:
    void convertWithoutUnitsShowsTheNotice() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command9"), Qt::LeftButton);
        const SeenMessage seen = closeOpenMessageBox();
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, QStringLiteral("単位が未設定です"));
        QCOMPARE(seen.title, QStringLiteral("メッセージ"));
        QCOMPARE(seen.icon, QMessageBox::Information);
    }

    void messageBoxesShowTheirWholeTitle() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command9"), Qt::LeftButton);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(box->windowTitle());
        // room for the title beside the frame's own icon and buttons
        QVERIFY(box->width() >= titleWidth + 150);
        box->accept();
    }

    void versionBoxShowsTheVersion() {
        MainWindow& window = *window_;
        window.menuBar()->findChild<QAction*>(QStringLiteral("VER"))->trigger();
        const SeenMessage seen = closeOpenMessageBox();
        QVERIFY(seen.seen);
        QVERIFY(seen.text.startsWith(QStringLiteral("Ver101\n")));
        QCOMPARE(seen.title, QStringLiteral("バージョン"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
    }

    void everyMessageBoxOffersOneOkAndTheErrorBoxWarns() {
        MainWindow& window = *window_;
        const QMessageBox::StandardButtons ok(QMessageBox::Ok);
        window.menuBar()->findChild<QAction*>(QStringLiteral("VER"))->trigger();
        QCOMPARE(closeOpenMessageBox().buttons, ok);
        run(window, "Command9_Click");  // no units yet: the notice
        QCOMPARE(closeOpenMessageBox().buttons, ok);
        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "MASS2_Click");
        run(window, "Label3_DblClick");
        typeAndEnter(widget<QLineEdit>(window, "Text3"), QStringLiteral("xx"));
        SeenMessage seen = closeOpenMessageBox();
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, ok);
        QTest::keyClick(widget<QLineEdit>(window, "Text3"), Qt::Key_Escape);
        // more kilograms than a double holds as pounds: the error box
        run(window, "Command9_Click");
        run(window, "Label5_MouseDown");
        run(window, "Command10_MouseDown");
        QVERIFY(chooseInOpenPopup(QStringLiteral("lb")));
        run(window, "Label2_DblClick");
        typeAndEnter(widget<QLineEdit>(window, "Text2"), QStringLiteral("1e308"));
        seen = closeOpenMessageBox();
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, QStringLiteral("エラーです"));
        QCOMPARE(seen.title, QStringLiteral("メッセージ"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, ok);
    }

    void theGuidePlaysOnWhileTheVersionBoxShows() {
        MainWindow& window = *window_;
        std::vector<std::string> inputs;
        window.session().setRecorder([&](const std::string& line) { inputs.push_back(line); });
        window.menuBar()->findChild<QAction*>(QStringLiteral("usr"))->trigger();
        window.menuBar()->findChild<QAction*>(QStringLiteral("VER"))->trigger();
        QVERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
        // no handler waits for the box: the guide's ticks come as events of their own
        QTRY_VERIFY(window.form().GuideTick >= 12);
        QVERIFY(window.form().Label9.Visible);
        QVERIFY(closeOpenMessageBox().seen);
        STOP_ON_FAILURE(compareWithReplay(window, inputs));
    }

    void theValueBoxMirrorsOnWhileTheErrorBoxOfAnOverflowShows() {
        MainWindow& window = *window_;
        std::vector<std::string> inputs;
        window.session().setRecorder([&](const std::string& line) { inputs.push_back(line); });
        // 5 kg as pounds, then more kilograms than a double holds as pounds
        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "MASS2_Click");
        run(window, "Command9_Click");
        run(window, "Label5_MouseDown");
        run(window, "Command10_MouseDown");
        QVERIFY(chooseInOpenPopup(QStringLiteral("lb")));
        run(window, "Label2_DblClick");
        auto* value = widget<QLineEdit>(window, "Text2");
        QTest::keyClicks(value, QStringLiteral("1e308"));
        QTest::keyClick(value, Qt::Key_Return);
        const auto ticksSoFar = [&] { return std::count(inputs.begin(), inputs.end(), std::string("Timer2_Timer")); };
        QVERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
        const auto beforeBox = ticksSoFar();
        QTRY_VERIFY(ticksSoFar() >= beforeBox + 5);
        QCOMPARE(window.form().EditingLeftValue, 1);  // the edit stays open on the value
        QVERIFY(closeOpenMessageBox().seen);
        STOP_ON_FAILURE(compareWithReplay(window, inputs));
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
