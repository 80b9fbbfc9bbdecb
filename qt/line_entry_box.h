// 式の入力 as the view shows it: a one-line entry in the free band between the
// workflow buttons and the equation, with the line's reading in grey under it
// (or beside it, where the band is too low for two rows). Made when it first
// opens; Enter and Escape are the main window's to handle.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>

namespace quantivex {

class LineEntryBox : public QWidget {
    Q_OBJECT
public:
    // `reading` says how a text reads, or an empty text while it does not.
    LineEntryBox(QWidget* clientArea, const QFont& font, std::function<QString(const QString&)> reading);

    // Shows the line with `text` typed and the caret after it, and takes the focus.
    void open(const QString& text);
    // Hides it, empty, and gives the focus back to where it was before it opened.
    void close();
    // A refusal in the reading's place, the caret at the fault.
    void refuse(const QString& why, int caret);
    // Inside the band between `top` and `bottom` (client pixels), across the window.
    void placeIn(int top, int bottom);

    QLineEdit* edit() const { return edit_; }
    QLabel* readingLabel() const { return reading_; }

signals:
    void entered(const QString& text);
    void escaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showReading();

    QLineEdit* edit_;
    QLabel* reading_;
    std::function<QString(const QString&)> readingOf_;
    QWidget* focusBefore_ = nullptr;
};

}  // namespace quantivex
