#include "side_window.h"

#include <QKeyEvent>
#include <QTimer>
#include <algorithm>

namespace quantivex {
namespace {
const QString kCopied = QStringLiteral("コピーしました");
constexpr int kConfirmMs = 1500;
}  // namespace

void SideWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

CopyButton::CopyButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent), caption_(caption) {}

QSize CopyButton::sizeHint() const {
    QSize size = QPushButton::sizeHint();
    size.setWidth(std::max(size.width(), fontMetrics().horizontalAdvance(kCopied) + 24));
    return size;
}

QSize CopyButton::minimumSizeHint() const {
    return sizeHint();
}

void CopyButton::confirm() {
    setText(kCopied);
    QTimer::singleShot(kConfirmMs, this, [this] { setText(caption_); });
}

}  // namespace quantivex
