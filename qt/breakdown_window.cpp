#include "breakdown_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "breakdown_report.h"
#include "conversions.h"

namespace quantivex {

BreakdownWindow::BreakdownWindow(QWidget* parent) : QWidget(parent, Qt::Window), text_(new QTextBrowser(this)) {
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
