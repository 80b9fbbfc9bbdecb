// What the eye sees at either scale: every caption legible in its label,
// lines that grow with the screen, a window that keeps its size.
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "control_widgets.h"
#include "events.h"
#include "qt_test_support.h"
#include "widgets.h"

using namespace quantivex;
using namespace quantivex::qttest;

namespace {

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

class FittingTest : public WindowTest {
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(FittingTest)
#include "fitting_test.moc"
