#include "breakdown_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "breakdown_report.h"
#include "conversions.h"

namespace quantivex {

namespace {
const QString kCopyCaption = QStringLiteral("コピー");
}

BreakdownWindow::BreakdownWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), text_(new QTextBrowser(this)), copy_(new QPushButton(kCopyCaption, this)) {
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
    // A long unit that cannot be paired is broken anywhere rather than widening the window.
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setFont(toQFont({u"ＭＳ Ｐゴシック", 11.25f}));
    QPalette p = text_->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Window));
    text_->setPalette(p);
    text_->setFixedWidth(480);

    // The text can be selected and copied in part; the button takes all of it, for a note or a report.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy_);
    layout->addLayout(buttons);
    copy_->setObjectName(QStringLiteral("breakdownCopy"));
    copy_->setAccessibleName(QStringLiteral("内訳をコピー"));
    copy_->setAccessibleDescription(QStringLiteral("計算の内訳の全文をクリップボードに入れます"));
    copy_->setFont(toQFont({u"ＭＳ Ｐゴシック", 9}));
    // Wide enough for the confirmation too, so the button does not jump.
    copy_->setMinimumWidth(copy_->fontMetrics().horizontalAdvance(QStringLiteral("コピーしました")) + 24);
    connect(copy_, &QPushButton::clicked, this, &BreakdownWindow::copyText);
}

void BreakdownWindow::copyText() {
    QGuiApplication::clipboard()->setText(text());
    copy_->setText(QStringLiteral("コピーしました"));
    QTimer::singleShot(1500, copy_, [button = copy_] { button->setText(kCopyCaption); });
}

void BreakdownWindow::show(const BreakdownReport& report, const QWidget* beside) {
    refresh(report);
    if (!isVisible() && beside != nullptr) {
        // Beside the calculator, on its right where there is room, else on its left.
        const QRect main = beside->frameGeometry();
        const QRect room = beside->screen() != nullptr ? beside->screen()->availableGeometry() : QRect();
        QPoint at(main.right() + 8, main.top());
        if (room.isValid() && at.x() + width() > room.right())
            at.setX(std::max(room.left(), main.left() - width() - 8));
        move(at);
    }
    QWidget::show();
    raise();
    activateWindow();
}

void BreakdownWindow::refresh(const BreakdownReport& report) {
    const QString text = toQString(report.text());
    if (text_->toPlainText() == text) return;
    text_->setPlainText(text);
    text_->setAccessibleDescription(text);
    // As tall as the text, no scrolling.
    text_->document()->setTextWidth(text_->viewport()->width());
    text_->setFixedHeight(static_cast<int>(text_->document()->size().height()) + 4);
    adjustSize();
}

QString BreakdownWindow::text() const {
    return text_->toPlainText();
}

void BreakdownWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quantivex
