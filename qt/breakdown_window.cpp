#include "breakdown_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "breakdown_report.h"
#include "conversions.h"
#include "placement.h"

namespace quantivex {

namespace {
const QString kCopyCaption = QStringLiteral("コピー");

// A line laid out to a width, broken only where a reader expects it: before
// " = ", " × ", " ÷ " and a bracket, after "、" and ": ". A number or a unit
// is never cut. Continuation lines are indented.
QStringList wrappedLine(const QString& line, const QFontMetrics& metrics, int width) {
    QStringList pieces;
    int start = 0;
    for (int i = 1; i < line.size(); ++i) {
        const QStringView rest = QStringView(line).mid(i);
        const bool before = rest.startsWith(u" = ") || rest.startsWith(u" \u00D7 ") || rest.startsWith(u" \u00F7 ") ||
                            rest.startsWith(u" (") || rest.startsWith(u"\uFF08");
        const bool after = line[i - 1] == u'\u3001' || (line[i - 1] == u' ' && i >= 2 && line[i - 2] == u':');
        if (before || after) {
            pieces << line.mid(start, i - start);
            start = i;
        }
    }
    pieces << line.mid(start);
    QStringList lines;
    QString current;
    for (const QString& piece : pieces) {
        const QString indent = lines.isEmpty() ? QString() : QStringLiteral("  ");
        if (!current.isEmpty() && metrics.horizontalAdvance(indent + current + piece) > width) {
            lines << indent + current;
            current = piece.trimmed().isEmpty() ? QString() : QString(piece).remove(0, piece.startsWith(u' ') ? 1 : 0);
        } else {
            current += piece;
        }
    }
    lines << (lines.isEmpty() ? QString() : QStringLiteral("  ")) + current;
    return lines;
}
// The text's width where there is room for it, and the narrowest it gets to fit beside the calculator.
constexpr int kTextWidth = 480;
constexpr int kLeastTextWidth = 300;
}  // namespace

BreakdownWindow::BreakdownWindow(QWidget* parent)
    : SideWindow(parent), text_(new QTextBrowser(this)), copy_(new CopyButton(kCopyCaption, this)) {
    setWindowTitle(QStringLiteral("計算の内訳"));
    setObjectName(QStringLiteral("breakdown"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(text_);
    text_->setObjectName(QStringLiteral("breakdownText"));
    text_->setAccessibleName(QStringLiteral("計算の内訳"));
    text_->setFrameShape(QFrame::NoFrame);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lines are broken where a reader expects it (refresh); one that still does
    // not fit (a long unit that cannot be paired) is broken anywhere rather
    // than widening the window.
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setFont(toQFont({u"ＭＳ Ｐゴシック", 11.25f}));
    QPalette p = text_->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Window));
    text_->setPalette(p);
    text_->setFixedWidth(kTextWidth);

    // The text can be selected and copied in part; the button takes all of it, for a note or a report.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    layout->addLayout(buttons);
    copy_->setObjectName(QStringLiteral("breakdownCopy"));
    copy_->setAccessibleName(QStringLiteral("内訳をコピー"));
    copy_->setAccessibleDescription(QStringLiteral("計算の内訳の全文をクリップボードに入れます"));
    copy_->setFont(toQFont({u"ＭＳ Ｐゴシック", 9}));
    connect(copy_, &QPushButton::clicked, this, &BreakdownWindow::copyText);
}

void BreakdownWindow::copyText() {
    QGuiApplication::clipboard()->setText(copyText_);
    copy_->confirm();
}

void BreakdownWindow::show(const BreakdownReport& report, const QWidget* beside) {
    if (!isVisible() && beside != nullptr) {
        // As wide as the room beside the calculator allows, so it need not cover it.
        const QMargins frame = frameOf(beside);
        const QMargins inner = layout()->contentsMargins();
        const int chrome = frame.left() + frame.right() + inner.left() + inner.right();
        const QSize fits = sizeBeside(beside->frameGeometry(), QSize(kTextWidth + chrome, QWIDGETSIZE_MAX),
                                      QSize(kLeastTextWidth + chrome, 0), roomFor(beside));
        const int width = std::clamp(fits.width() - chrome, kLeastTextWidth, kTextWidth);
        if (text_->width() != width) {
            text_->setFixedWidth(width);
            text_->clear();  // laid out again at the new width below
        }
    }
    refresh(report);
    if (!isVisible() && beside != nullptr) placeBeside(this, beside);
    QWidget::show();
    raise();
    activateWindow();
}

void BreakdownWindow::refresh(const BreakdownReport& report) {
    copyText_ = toQString(report.copyText());
    const QString whole = toQString(report.text());
    // Laid out here, to the width the text has, so no line breaks inside a figure.
    const QFontMetrics metrics(text_->font());
    const int width = text_->viewport()->width() - 2 * static_cast<int>(text_->document()->documentMargin()) - 8;
    QStringList shown;
    for (const QString& line : whole.split(u'\n')) shown << wrappedLine(line, metrics, width);
    const QString text = shown.join(u'\n');
    if (text_->toPlainText() == text) return;
    text_->setPlainText(text);
    text_->setAccessibleDescription(whole);
    // As tall as the text, no scrolling.
    text_->document()->setTextWidth(text_->viewport()->width());
    text_->setFixedHeight(static_cast<int>(text_->document()->size().height()) + 4);
    adjustSize();
    // Grown with a longer report, it stays wholly on the screen.
    keepOnScreen(this, parentWidget());
}

QString BreakdownWindow::text() const {
    return text_->toPlainText();
}

}  // namespace quantivex
