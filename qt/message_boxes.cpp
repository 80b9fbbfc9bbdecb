#include "message_boxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

#include "conversions.h"
#include "form1_table.h"
#include "placement.h"

namespace quantivex {
namespace {

// The window asks for four styles: 0 (no icon), 48 (exclamation), 64
// (information) and 62, the exclamation with button code 14, which names no
// set of buttons. Every one of them shows a single OK.
QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

MessageBoxes::MessageBoxes(QWidget* window) : QObject(window), window_(window) {}

void MessageBoxes::show(const PendingMessage& message) {
    queue_.push_back(message);
    if (current_ == nullptr) showNext();
}

void MessageBoxes::showNext() {
    if (queue_.empty()) return;
    const PendingMessage message = queue_.front();
    queue_.pop_front();
    QString text = toQString(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* box = new QMessageBox(iconOf(message.style), toQString(message.title), text, QMessageBox::Ok, window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A message may quote what a person typed, in any script.
    box->setFont(toQFont(Font{kDefaultFont.name, kDefaultFont.size}, FontText::Typed));
    // A short text makes a narrow box, and the window manager then cuts its
    // title: keep the box wide enough for the title and the frame's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(box->windowTitle()) + 160;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    // The answer is never used: whatever closes the box shows the next one.
    connect(box, &QDialog::finished, this, [this] {
        current_ = nullptr;
        showNext();
    });
    current_ = box;
    // Beside the calculator, not over it. The box settles its size as it shows;
    // the size it takes now is near enough, and a little taller if anything.
    box->adjustSize();
    placeBeside(box, window_);
    box->open();
}

}  // namespace quantivex
