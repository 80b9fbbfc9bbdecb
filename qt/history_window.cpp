#include "history_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "conversions.h"
#include "history_tape.h"
#include "placement.h"

namespace quantivex {

HistoryWindow::HistoryWindow(const HistoryTape& tape, std::function<void(std::size_t)> restore,
                             std::function<void()> copyTable, std::function<void()> clear, QWidget* parent)
    : SideWindow(parent),
      tape_(tape),
      restore_(std::move(restore)),
      list_(new QListWidget(this)),
      copyTable_(new CopyButton(QStringLiteral("表としてコピー"), this)),
      clear_(new QPushButton(QStringLiteral("消去"), this)) {
    setWindowTitle(QStringLiteral("計算の履歴"));
    setObjectName(QStringLiteral("history"));
    const QFont font = toQFont({u"ＭＳ Ｐゴシック", 11.25f});
    list_->setObjectName(QStringLiteral("historyList"));
    list_->setAccessibleName(QStringLiteral("計算の履歴"));
    list_->setAccessibleDescription(QStringLiteral("Enter またはダブルクリックで電卓に戻します"));
    list_->setFont(font);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumSize(
        list_->fontMetrics().horizontalAdvance(QStringLiteral("0.123456 kg･m/sec = 0.123456 lb･ft/min")),
        list_->fontMetrics().height() * 12);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemActivated, this, [this] { restoreCurrent(); });
    copyTable_->setObjectName(QStringLiteral("historyCopyTable"));
    copyTable_->setAccessibleDescription(QStringLiteral("すべての履歴を表計算に貼れる形でコピーします"));
    clear_->setObjectName(QStringLiteral("historyClear"));
    clear_->setAccessibleDescription(QStringLiteral("履歴をすべて消します"));
    connect(copyTable_, &QPushButton::clicked, this, [this, copyTable = std::move(copyTable)] {
        copyTable();
        copyTable_->confirm();
    });
    connect(clear_, &QPushButton::clicked, this, std::move(clear));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyTable_);
    buttons->addWidget(clear_);
    layout->addLayout(buttons);
}

void HistoryWindow::show(const QWidget* beside) {
    refresh();
    if (!isVisible() && beside != nullptr) {
        adjustSize();
        placeBeside(this, beside);
    }
    QWidget::show();
    raise();
    activateWindow();
    list_->setFocus(Qt::OtherFocusReason);
}

void HistoryWindow::refresh() {
    if (shownRevision_ == tape_.revision()) return;
    shownRevision_ = tape_.revision();
    list_->clear();
    for (std::size_t i = 0; i < tape_.size(); ++i) {
        const QString text = toQString(tape_.at(i).text());
        auto* item = new QListWidgetItem(text, list_);
        // A screen reader reads each row by its text.
        item->setData(Qt::AccessibleTextRole, text);
    }
    if (list_->count() > 0) list_->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    copyTable_->setEnabled(tape_.size() > 0);
    clear_->setEnabled(tape_.size() > 0);
}

void HistoryWindow::restoreCurrent() {
    const int row = list_->currentRow();
    if (row >= 0) restore_(static_cast<std::size_t>(row));
}

void HistoryWindow::copySelected() {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    if (rows.empty()) return;
    QGuiApplication::clipboard()->setText(toQString(tape_.linesText(rows)));
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelected();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            restoreCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quantivex
