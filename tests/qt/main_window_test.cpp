// The real window under the offscreen platform: widgets are clicked and typed
// into with QTest, and checked against the model they draw.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "breakdown_window.h"
#include "control_widgets.h"
#include "conversions.h"
#include "events.h"
#include "help_window.h"
#include "main_window.h"
#include "placement.h"
#include "reflection.h"
#include "replay.h"
#include "widgets.h"

using namespace quantivex;

namespace {

double modelNumber(const Form1& form, const QString& name) {
    return Form1Reflection::get(form, name.toStdString())->number;
}

QString modelText(const Form1& form, const QString& name) {
    return toQString(Form1Reflection::get(form, name.toStdString())->text);
}

// A helper that checks with QCOMPARE returns from itself only: the test stops too.
#define STOP_ON_FAILURE(call)                   \
    do {                                        \
        call;                                   \
        if (QTest::currentTestFailed()) return; \
    } while (false)

// Every widget of the client area against its control in the model; a control
// that shows has its widget (a widget is made when its control first shows).
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

// A press on a category button opens its menu; the release goes to the menu,
// which takes the mouse, so none is sent to the button.
void pressCategoryButton(MainWindow& window, const char* name) {
    QTest::mousePress(widget<QPushButton>(window, name), Qt::LeftButton);
}

// Picks an item of the popup menu showing now, with the keys a person would
// use; false when no menu shows or it has no such item.
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

// The message box showing now, read and closed.
struct SeenMessage {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
    QMessageBox::StandardButtons buttons;
};
SeenMessage closeOpenMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return {};
    SeenMessage seen{box->text(), box->windowTitle(), box->icon(), true, box->standardButtons()};
    box->accept();
    return seen;
}

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

// kg picked for the left numerator, then its box opened by a double click;
// the box once it holds the keyboard, else null.
QLineEdit* openNumeratorBoxOnKg(MainWindow& window) {
    for (const char* event : {"Command8_Click", "Label3_Click", "MASS2_Click", "Label3_DblClick"}) {
        window.dispatch(*findEventHandler(event), 1);
    }
    auto* box = window.clientArea()->findChild<QLineEdit*>(QStringLiteral("Text3"));
    return box != nullptr && QTest::qWaitFor([box] { return box->hasFocus(); }) ? box : nullptr;
}

// Runs one event of the window by its name, as the view does.
void run(MainWindow& window, const char* event) {
    window.dispatch(*findEventHandler(event), 1);
}

// Commits a text typed into an edit box through the real widget, with Enter.
void typeAndEnter(QLineEdit* box, const QString& text) {
    box->selectAll();  // the box opened with its text selected; after a refusal it is not
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// The caption of every visible equation label fits inside the label.
// Every visible equation label draws its text legibly inside itself: whole, or
// its end after a leading "…", never below four fifths of its font's size.
void checkCaptionsFit(MainWindow& window, const char* what) {
    for (const auto& [row, model, label] : window.widgets().labels()) {
        if (row->role != Role::EquationPart || !label->isVisible() || label->text().isEmpty()) continue;
        const QString name = QString::fromLatin1(row->name.data(), static_cast<qsizetype>(row->name.size()));
        const QString shown = label->shownText();
        // the digits drawn fit; a leading "…" may give up some of its width to them
        const double textWidth =
            QFontMetricsF(label->font()).horizontalAdvance(shown == label->text() ? shown : shown.mid(1));
        QVERIFY2(textWidth <= label->contentsRect().width(),
                 qPrintable(QStringLiteral("%1: %2 \"%3\" is %4 px wide in a %5 px label")
                                .arg(QString::fromLatin1(what), name, shown)
                                .arg(textWidth)
                                .arg(label->contentsRect().width())));
        QVERIFY2(label->font().pointSizeF() >= 0.8 * model->font.size - 1e-9,
                 qPrintable(QStringLiteral("%1: %2 drawn at %3 pt")
                                .arg(QString::fromLatin1(what), name)
                                .arg(label->font().pointSizeF())));
        if (shown != label->text()) {
            QVERIFY2(shown.startsWith(QChar(0x2026)) && label->text().endsWith(shown.mid(1)),
                     qPrintable(QStringLiteral("%1: %2 shows \"%3\" of \"%4\"")
                                    .arg(QString::fromLatin1(what), name, shown, label->text())));
        }
        QCOMPARE(label->accessibleDescription(), label->text());
        QVERIFY2(
            label->geometry().right() + 6 < window.clientArea()->width(),
            qPrintable(QStringLiteral("%1: %2 runs up to the window's edge").arg(QString::fromLatin1(what), name)));
    }
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

    void convertWithoutUnitsShowsTheNotice() {
        MainWindow& window = *window_;
        QTest::mouseClick(widget<QPushButton>(window, "Command9"), Qt::LeftButton);
        const SeenMessage seen = closeOpenMessageBox();
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, QStringLiteral("単位が未設定です"));
        QCOMPARE(seen.title, QStringLiteral("メッセージ"));
        QCOMPARE(seen.icon, QMessageBox::Information);
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
        // refused: the box stays open and a hint beside it says why
        auto* hint = window.clientArea()->findChild<QLabel*>(QStringLiteral("hint"));
        QVERIFY(box->isVisible());
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QStringLiteral("数値ではありません「12abc」"));
        // beside the box, inside the window, over no equation label
        QVERIFY(hint->geometry().top() >= box->geometry().bottom() ||
                hint->geometry().bottom() <= box->geometry().top());
        QVERIFY(window.clientArea()->rect().contains(hint->geometry()));
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QVERIFY(!hint->geometry().intersects(widget<QLabel>(window, name)->geometry()));
        }
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
        auto* hint = window.clientArea()->findChild<QLabel*>(QStringLiteral("hint"));
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

    void everyCaptionFitsItsLabel() {
        MainWindow& window = *window_;
        Form1& form = window.form();
        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "MASS2_Click");  // the pick arrives as its own event, after the popup
        for (const char* text : {"-4.535929e+304", "0.13607785", "22046200000000", "-2.20462E-07", "88888888"}) {
            run(window, "Label2_DblClick");
            typeAndEnter(widget<QLineEdit>(window, "Text2"), QString::fromLatin1(text));
            QCOMPARE(form.EditingLeftValue, 0);
            STOP_ON_FAILURE(checkCaptionsFit(window, text));
        }
        // right values written by the display formats, then seven units on a side
        run(window, "Command9_Click");
        window.dispatch(*findEventHandler("Label5_MouseDown"), 1);
        pressCategoryButton(window, "Command10");
        QVERIFY(chooseInOpenPopup(QStringLiteral("lb")));
        STOP_ON_FAILURE(checkCaptionsFit(window, "a converted value"));
        run(window, "Label3_Click");
        run(window, "Label3_DblClick");
        typeAndEnter(widget<QLineEdit>(window, "Text3"), QStringLiteral("kg･μm･Å･Kg/cm2･mmHg･kWhr･year"));
        QCOMPARE(form.LeftNumeratorDims, u"MLLPPJT");
        run(window, "Label4_Click");
        run(window, "TIM5_Click");
        run(window, "Label4_DblClick");
        typeAndEnter(widget<QLineEdit>(window, "Text4"), QStringLiteral("Lb/in2･mH2O･ft3･gal･in2･dyn･kcal"));
        QCOMPARE(form.LeftDenominatorDims, u"PPBBSFJ");
        STOP_ON_FAILURE(checkCaptionsFit(window, "seven units on a side"));
        // twenty digits typed: the label that mirrors them stays legible and shows the last ones
        run(window, "Label2_DblClick");
        QTest::keyClicks(widget<QLineEdit>(window, "Text2"), QStringLiteral("12345678901234567890"));
        QTRY_COMPARE(widget<QLabel>(window, "Label2")->text(), QStringLiteral("12345678901234567890"));
        STOP_ON_FAILURE(checkCaptionsFit(window, "twenty digits typed"));
        const QString shown = widget<EquationLabel>(window, "Label2")->shownText();
        QVERIFY(shown.startsWith(QChar(0x2026)) && shown.endsWith(QStringLiteral("7890")));
    }

    void linesGrowWithTheScreensScale() {
        MainWindow& window = *window_;
        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "MASS2_Click");
        // The fraction bar under the left numerator, in device pixels.
        const QImage image = window.clientArea()->grab().toImage();
        const double ratio = image.devicePixelRatio();
        const auto* numerator = widget<QLabel>(window, "Label3");
        const int x = qRound((numerator->geometry().center().x()) * ratio);
        const int barY = qRound(window.scale().toPixels(2000) * ratio);
        int dark = 0;
        for (int y = barY - 4; y <= barY + 4; ++y) {
            if (y >= 0 && y < image.height() && qGray(image.pixel(x, y)) < 64) ++dark;
        }
        QCOMPARE(dark, qRound(ratio));  // one logical pixel: two device pixels at scale 2, not a hairline
    }

    void theWindowKeepsItsSize() {
        MainWindow& window = *window_;
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QSize before = window.size();
        window.resize(before + QSize(200, 100));
        QCOMPARE(window.size(), before);
        // it still widens as the equation asks
        run(window, "Command8_Click");
        run(window, "Label2_DblClick");
        typeAndEnter(widget<QLineEdit>(window, "Text2"), QString(25, QLatin1Char('7')));
        QTRY_VERIFY(window.width() > before.width());
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

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
        QCOMPARE(offered.texts, (QStringList{QStringLiteral("元に戻す"), QStringLiteral("やり直し"),
                                             QStringLiteral("式をコピー"), QStringLiteral("計算の内訳")}));
        QCOMPARE(offered.enabled, (QList<bool>{false, false, false, false}));  // nothing to undo, copy or explain
        QCOMPARE(offered.shortcuts[0], QKeySequence(QKeySequence::Undo).toString());
        QCOMPARE(offered.shortcuts[2], QKeySequence(QKeySequence::Copy).toString());

        run(window, "Command8_Click");
        run(window, "Label3_Click");
        run(window, "MASS2_Click");
        openMenu(client);
        QCOMPARE(offered.enabled, (QList<bool>{true, false, true, true}));
        window.findChild<QAction*>(QStringLiteral("undo"))->trigger();
        QCOMPARE(window.form().Label3.Caption, u"");
        openMenu(client);
        QCOMPARE(offered.enabled, (QList<bool>{true, true, false, true}));

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
        QCOMPARE(QApplication::clipboard()->text(), breakdown->text());
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
        QVERIFY(breakdown->text().contains(QStringLiteral("in: 表では 1 km = 39370 in、定義では 39370.1 in")));
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
        QCOMPARE(chain(),
                 (QStringList{QStringLiteral("Command8"), QStringLiteral("Command9"), QStringLiteral("Command17")}));
        QVERIFY(QApplication::focusWidget() == nullptr ||
                QApplication::focusWidget() == widget<QPushButton>(window, "Command8"));
        run(window, "Command8_Click");
        run(window, "Label3_Click");  // the left row of category buttons shows
        // the workflow, the equation as it reads, the buttons as they stand (圧力 before 熱量)
        QCOMPARE(chain(),
                 (QStringList{QStringLiteral("Command8"), QStringLiteral("Command9"), QStringLiteral("Command17"),
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
                 (QStringList{QStringLiteral("Command8"), QStringLiteral("Command9"), QStringLiteral("Command17"),
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
        window.menuBar()->findChild<QAction*>(QStringLiteral("usr2"))->trigger();
        HelpWindow* help = window.platform().helpWindow();
        QVERIFY(help->isVisible());
        QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));
        QVERIFY(!help->windowIcon().isNull());
        QCOMPARE(help->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        QTest::keyClick(help->browser(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
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
                const QRect placed(besideMainWindow(calculator, size, room, gap), size);
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
        QCOMPARE(besideMainWindow(calculator, QSize(300, 200), QRect(0, 0, 1920, 1080), gap), QPoint(1182, 400));
        QCOMPARE(besideMainWindow(calculator, QSize(300, 200), QRect(0, 0, 1300, 1080), gap), QPoint(396, 400));
        QCOMPARE(besideMainWindow(calculator, QSize(800, 200), QRect(0, 0, 1300, 1080), gap), QPoint(500, 720));
    }

    void closingTheWindowEndsTheProgram() {
        MainWindow& window = *window_;
        run(window, "Command8_Click");
        QTest::mouseDClick(widget<QLabel>(window, "Label2"), Qt::LeftButton);
        window.close();
        QVERIFY(window.platform().endRequested());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
