#include "breakdown_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "breakdown_report.h"
#include "conversions.h"

namespace quantivex {

BreakdownWindow::BreakdownWindow(QWidget* parent) : QWidget(parent, Qt::Window), text_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("計算の内訳"));
    setObjectName(QStringLiteral("breakdown"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(text_);
    text_->setObjectName(QStringLiteral("breakdownText"));
    text_->setAccessibleName(QStringLiteral("計算の内訳"));
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setWordWrap(true);
    text_->setMinimumWidth(460);  // the exact result on one line
    text_->setFont(toQFont({u"ＭＳ Ｐゴシック", 11.25f}));
}

void BreakdownWindow::show(const BreakdownReport& report) {
    refresh(report);
    QWidget::show();
    raise();
    activateWindow();
}

void BreakdownWindow::refresh(const BreakdownReport& report) {
    const QString text = toQString(report.text());
    if (text_->text() == text) return;
    text_->setText(text);
    text_->setAccessibleDescription(text);
    adjustSize();
}

QString BreakdownWindow::text() const {
    return text_->text();
}

void BreakdownWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quantivex
