#include "line_entry_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <algorithm>

namespace quantivex {
namespace {

constexpr int kMargin = 4;  // pixels from the band's edges and between the rows

}  // namespace

LineEntryBox::LineEntryBox(QWidget* clientArea, const QFont& font, std::function<QString(const QString&)> reading)
    : QWidget(clientArea), edit_(new QLineEdit(this)), reading_(new QLabel(this)), readingOf_(std::move(reading)) {
    setObjectName(QStringLiteral("lineEntry"));
    edit_->setObjectName(QStringLiteral("lineEntryEdit"));
    edit_->setAccessibleName(QStringLiteral("式の入力"));
    edit_->setPlaceholderText(QStringLiteral("例: 5 kg/s lb/min"));
    edit_->setFont(font);
    edit_->installEventFilter(this);
    reading_->setObjectName(QStringLiteral("lineReading"));
    reading_->setFont(font);
    reading_->setTextFormat(Qt::PlainText);
    reading_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(edit_, &QLineEdit::textEdited, this, [this] { showReading(); });
    hide();
}

void LineEntryBox::open(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    if (!isVisible()) focusBefore_ = focus != nullptr && focus != edit_ ? focus : nullptr;
    edit_->setText(text);
    showReading();
    show();
    raise();
    // Not a shortcut's focus, which would select the text: the first key typed
    // must follow the one that opened the line, not replace it.
    edit_->setFocus(Qt::OtherFocusReason);
    edit_->deselect();
    edit_->setCursorPosition(static_cast<int>(text.size()));
}

void LineEntryBox::close() {
    QPointer<QWidget> back = focusBefore_;
    focusBefore_ = nullptr;
    hide();
    edit_->clear();
    reading_->clear();
    if (back != nullptr && back->isVisible()) back->setFocus(Qt::OtherFocusReason);
}

void LineEntryBox::refuse(const QString& why, int caret) {
    QPalette p = reading_->palette();
    p.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
    reading_->setPalette(p);
    reading_->setText(why);
    edit_->setAccessibleDescription(why);
    edit_->setCursorPosition(std::clamp(caret, 0, static_cast<int>(edit_->text().size())));
    edit_->setFocus(Qt::OtherFocusReason);
}

void LineEntryBox::showReading() {
    const QString reading = readingOf_(edit_->text());
    QPalette p = reading_->palette();
    p.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    reading_->setPalette(p);
    reading_->setText(reading);
    edit_->setAccessibleDescription(reading);
}

void LineEntryBox::placeIn(int top, int bottom) {
    QWidget* client = parentWidget();
    const int left = kMargin;
    const int width = std::max(0, client->width() - 2 * kMargin);
    const int editHeight = edit_->sizeHint().height();
    // One line of its font, whatever it says: the line must not jump when a
    // refusal replaces the reading.
    const int readingHeight = reading_->fontMetrics().height() + 2;
    const int height = bottom - top - 2 * kMargin;
    if (height >= editHeight + readingHeight + kMargin) {
        // Two rows: the reading under the line.
        reading_->setWordWrap(false);
        const int used = editHeight + kMargin + readingHeight;
        const int y = top + kMargin + std::max(0, (height - used) / 2);
        setGeometry(left, y, width, used);
        edit_->setGeometry(0, 0, width, editHeight);
        reading_->setGeometry(0, editHeight + kMargin, width, readingHeight);
    } else {
        // A low band (the guide texts show under the buttons): the reading
        // beside the line, over two rows where it needs them.
        reading_->setWordWrap(true);
        const int rowHeight = std::max(editHeight, bottom - top - 2);
        setGeometry(left, top + std::max(0, (bottom - top - rowHeight) / 2), width, rowHeight);
        const int editWidth = width * 2 / 5;
        edit_->setGeometry(0, (rowHeight - editHeight) / 2, editWidth, editHeight);
        reading_->setGeometry(editWidth + kMargin, 0, width - editWidth - kMargin, rowHeight);
    }
}

bool LineEntryBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            emit entered(edit_->text());
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            emit escaped();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quantivex
