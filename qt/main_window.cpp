#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <unordered_map>

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <variant>

#include "breakdown_report.h"
#include "breakdown_window.h"
#include "events.h"
#include "form1_table.h"
#include "widgets.h"

// The front-end is a static library: its resources (icon, help document) are
// registered explicitly, outside any namespace as Qt requires.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

namespace quantivex {

// The window's client area: silver, with the separator lines and everything the
// form has drawn on its surface.
class ClientArea : public QWidget {
public:
    ClientArea(const Form1& form, const TwipScale& scale, QWidget* parent)
        : QWidget(parent), form_(form), scale_(scale) {
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        auto line = [&](float x1, float y1, float x2, float y2, uint32_t colour) {
            // One logical pixel, so lines grow with the screen's scale instead of
            // staying hairlines of one device pixel.
            QPen pen(toQColor(colour, palette()));
            pen.setWidthF(1);
            pen.setCosmetic(false);
            p.setPen(pen);
            p.drawLine(scale_.toPixels(x1), scale_.toPixels(y1), scale_.toPixels(x2), scale_.toPixels(y2));
        };
        for (const LineControl& l : form_.Line1) {
            if (l.Visible) line(l.X1, l.Y1, l.X2, l.Y2, l.BorderColor);
        }
        for (const DrawnLine& l : form_.surface.lines()) {
            // A line drawn across the whole window spans the client area, which
            // may be a little wider than the window's own width.
            const bool across = l.x1 == 0 && l.x2 == form_.Width && l.y1 == l.y2;
            line(l.x1, l.y1, across ? static_cast<float>(scale_.toTwips(width())) : l.x2, l.y2, l.colour);
        }
    }

private:
    const Form1& form_;
    const TwipScale& scale_;
};

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style) {
    switch (style & 0x0F) {
        case 1:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case 2:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case 3:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case 4:
            return QMessageBox::Yes | QMessageBox::No;
        case 5:
            return QMessageBox::Retry | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;  // 0, and codes no button set stands for
    }
}

template <typename W>
void setGeometryFrom(W* widget, const Control& c, const TwipScale& s) {
    const QRect r(s.toPixels(c.Left), s.toPixels(c.Top), s.toPixels(c.Width), s.toPixels(c.Height));
    if (widget->geometry() != r) widget->setGeometry(r);
    if (widget->isVisibleTo(widget->parentWidget()) != c.Visible) widget->setVisible(c.Visible);
    if (widget->isEnabled() != c.Enabled) widget->setEnabled(c.Enabled);
}

void setBackground(QWidget* widget, uint32_t colour, QPalette::ColorRole role) {
    QPalette p = widget->palette();
    const QColor c = toQColor(colour, QApplication::palette());
    if (p.color(role) == c) return;
    p.setColor(role, c);
    widget->setPalette(p);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), platform_(this), form_(std::make_unique<Form1>(platform_)) {
    registerResources();
    if (const QScreen* s = screen()) scale_ = TwipScale(s->logicalDotsPerInchX());
    setWindowTitle(toQString(form_->Caption));
    // Every window of the program (help, message boxes) carries its icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quantivex-32.png")));
    setWindowIcon(QApplication::windowIcon());
    // The window's size is the equation's business: no resizing, no maximising.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createMenuBar();
    createWidgets();
    createActions();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    dispatch(*findEvent("Form", EventKind::Load), 0);
    // The first thing to do is 単位の設定: the keyboard starts there.
    if (QWidget* first = widgetNamed("Command8")) first->setFocus(Qt::OtherFocusReason);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::clientArea() const {
    return client_;
}

void MainWindow::createMenuBar() {
    QMenu* help = menuBar()->addMenu(toQString(form_->HLP.Caption));
    help->setObjectName(QString::fromStdString(form_->HLP.name));
    for (const MenuItem& item : form_->HLP.items) {
        if (item.isSeparator()) {
            help->addSeparator();
            continue;
        }
        QAction* action = help->addAction(toQString(item.Caption));
        action->setObjectName(QString::fromStdString(item.name));
        bind(action, &QAction::triggered, item.name, EventKind::Click);
    }
}

namespace {

// What each control is, for screen readers: the equation's parts by their role,
// the two rows of category buttons apart. Buttons not listed are named by
// their captions, the guide labels by their texts.
QString accessibleNameOf(std::string_view control, const std::u16string& caption) {
    static const std::unordered_map<std::string_view, QString> kNames = {
        {"Label2", QStringLiteral("左辺の数値")},
        {"Label3", QStringLiteral("左辺の分子")},
        {"Label4", QStringLiteral("左辺の分母")},
        {"Label1", QStringLiteral("右辺の数値")},
        {"Label5", QStringLiteral("右辺の分子")},
        {"Label6", QStringLiteral("右辺の分母")},
        {"Label7", QStringLiteral("等号")},
        {"Text2", QStringLiteral("左辺の数値の入力")},
        {"Text3", QStringLiteral("左辺の分子の入力")},
        {"Text4", QStringLiteral("左辺の分母の入力")},
    };
    if (const auto it = kNames.find(control); it != kNames.end()) return it->second;
    return toQString(caption);
}

// The mouse button a signal carries as its int argument; other arguments carry none.
template <typename T>
int16_t buttonArgument(const T& value) {
    if constexpr (std::is_same_v<T, int>) {
        return static_cast<int16_t>(value);
    } else {
        return 0;
    }
}

}  // namespace

// What the view offers beyond the window's own events, by key and from the
// background's right-click menu: undo, redo, copying the equation, the breakdown.
void MainWindow::createActions() {
    auto add = [this](const char* name, const QString& text, QList<QKeySequence> keys, auto run) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, run] { afterInput(run); });
        addAction(action);
        return action;
    };
    undo_ = add("undo", QStringLiteral("元に戻す"), {QKeySequence::Undo}, [this] { session_.undo(); });
    redo_ = add("redo", QStringLiteral("やり直し"),
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                [this] { session_.redo(); });
    copy_ = add("copyEquation", QStringLiteral("式をコピー"), {QKeySequence::Copy}, [this] { session_.copy(); });
    breakdown_ = add("breakdown", QStringLiteral("計算の内訳"), {QKeySequence(Qt::CTRL | Qt::Key_B)}, [this] {
        if (breakdownWindow_ == nullptr) breakdownWindow_ = new BreakdownWindow(this);
        breakdownWindow_->show(breakdownReport(*form_), this);
    });
    client_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showContextMenu(client_->mapToGlobal(at)); });
    // From the keyboard the same menu opens at the focused control.
    add("contextMenu", QStringLiteral("メニュー"), {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)},
        [this] {
            const QWidget* at = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : client_;
            showContextMenu(at->mapToGlobal(at->rect().center()));
        });
    // F1 opens the help, as on most desktops.
    add("help", QStringLiteral("ヘルプ"), {QKeySequence(Qt::Key_F1)},
        [this] { session_.run(*findEvent("usr2", EventKind::Click)); });
}

void MainWindow::showContextMenu(const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu"));
    menu.addActions({undo_, redo_});
    menu.addSeparator();
    menu.addActions({copy_, breakdown_});
    menu.exec(at);
}

// Each action is enabled only when it applies, in its menu and by its keys.
void MainWindow::syncActions() {
    if (undo_ == nullptr) return;
    undo_->setEnabled(session_.canUndo());
    redo_->setEnabled(session_.canRedo());
    copy_->setEnabled(session_.equationText().has_value());
    breakdown_->setEnabled(form_->Label2.Visible);
    if (breakdownWindow_ != nullptr && breakdownWindow_->isVisible())
        breakdownWindow_->refresh(breakdownReport(*form_));
}

// Connects a widget's signal to the form's event of that control and kind, if
// the window has one.
template <typename Sender, typename Signal>
void MainWindow::bind(Sender* sender, Signal signal, std::string_view control, EventKind kind) {
    const EventHandler* handler = findEvent(control, kind);
    if (handler == nullptr) return;
    connect(sender, signal, this, [this, handler](const auto&... args) {
        int16_t button = 0;
        ((button = std::max(button, buttonArgument(args))), ...);
        dispatch(*handler, button);
    });
}

void MainWindow::createWidgets() {
    client_ = new ClientArea(*form_, scale_, this);
    setBackground(client_, form_->BackColor, QPalette::Window);
    setCentralWidget(client_);
    Form1& f = *form_;

    for (const ControlRow& row : controlRows()) {
        const QString name = QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size()));
        std::visit(
            [&](auto member) {
                using M = decltype(member);
                if constexpr (std::is_same_v<M, Label Form1State::*>) {
                    auto* w = new EquationLabel(client_);
                    w->setObjectName(name);
                    w->setFont(toQFont((f.*member).font));
                    w->setAlignment(Qt::AlignCenter);
                    w->setAutoFillBackground(true);
                    w->setContextMenuPolicy(Qt::PreventContextMenu);  // a right press is the window's MouseDown
                    w->setAccessibleName(accessibleNameOf(row.name, (f.*member).Caption));
                    bind(w, &EquationLabel::clicked, row.name, EventKind::Click);
                    bind(w, &EquationLabel::doubleClicked, row.name, EventKind::DblClick);
                    bind(w, &EquationLabel::pressed, row.name, EventKind::MouseDown);
                    bindKeys(w, row.name);
                    labels_.emplace_back(&(f.*member), w);
                } else if constexpr (std::is_same_v<M, CommandButton Form1State::*>) {
                    buttons_.emplace_back(&(f.*member), createButton(f.*member, row.name));
                } else if constexpr (std::is_same_v<M, TextBox Form1State::*>) {
                    TextBox* model = &(f.*member);
                    auto* w = new EditBox(client_);
                    w->setObjectName(name);
                    w->setFont(toQFont(model->font));
                    w->setAccessibleName(accessibleNameOf(row.name, {}));
                    // Qt would cut a longer paste without a word; the session refuses it whole.
                    w->setMaxLength(std::numeric_limits<int>::max());
                    // Typing goes to the model through the session, which screens it
                    // and sets the box's text (raising Change).
                    connect(w, &QLineEdit::textEdited, this, [this, model](const QString& text) {
                        afterInput([&] { session_.type(*model, fromQString(text)); });
                    });
                    connect(w, &QLineEdit::returnPressed, this,
                            [this, model] { afterInput([&] { session_.enter(*model); }); });
                    connect(w, &EditBox::escapePressed, this,
                            [this, model] { afterInput([&] { session_.escape(*model); }); });
                    boxes_.emplace_back(model, w);
                } else if constexpr (std::is_same_v<M, Timer Form1State::*>) {
                    auto* qt = new QTimer(this);
                    qt->setObjectName(name);
                    bind(qt, &QTimer::timeout, row.name, EventKind::Timer);
                    timers_.emplace_back(&(f.*member), qt);
                }
                // Lines are painted by the client area.
            },
            row.member);
    }
    // The window stacks its controls in creation order from the top down: the
    // edit boxes lie above the labels they overlay, the guide texts above the
    // empty unit labels.
    const QObjectList created = client_->children();
    for (auto it = created.rbegin(); it != created.rend(); ++it) {
        if (auto* w = qobject_cast<QWidget*>(*it)) w->raise();
    }
    hint_ = new QLabel(client_);
    hint_->setObjectName(QStringLiteral("hint"));
    hint_->setAccessibleName(QStringLiteral("入力の注意"));
    hint_->setFrameShape(QFrame::Box);
    hint_->setMargin(1);
    hint_->setAutoFillBackground(true);
    hint_->setPalette(QToolTip::palette());
    hint_->setFont(toQFont(f.Text2.font));
    hint_->hide();

    // Keyboard focus follows the controls' tab indexes: the workflow buttons in
    // the workflow's order, the equation labels and the category buttons (when
    // they show) at their own places in the chain.
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (auto& [model, w] : buttons_) focusOrder.emplace_back(model->TabIndex, w);
    for (auto& [model, w] : boxes_) focusOrder.emplace_back(model->TabIndex, w);
    for (auto& [model, w] : labels_) {
        if (w->focusPolicy() != Qt::NoFocus) focusOrder.emplace_back(model->TabIndex, w);
    }
    std::sort(focusOrder.begin(), focusOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }
}

// The keys of a focused equation label (which takes the focus by Tab only, so
// mouse clicks behave as before): on a left label Space clicks and Enter or F2
// double-clicks; on a right unit label Space and Enter press it.
bool MainWindow::isEquationLabel(std::string_view name) {
    static constexpr std::string_view kEquation[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
    return std::find(std::begin(kEquation), std::end(kEquation), name) != std::end(kEquation);
}

void MainWindow::bindKeys(EquationLabel* w, std::string_view name) {
    if (!isEquationLabel(name)) return;
    w->setFocusPolicy(Qt::TabFocus);
    const EventHandler* click = findEvent(name, EventKind::Click);
    const EventHandler* doubleClick = findEvent(name, EventKind::DblClick);
    const EventHandler* press = findEvent(name, EventKind::MouseDown);
    connect(w, &EquationLabel::keyClick, this, [this, click, press] {
        if (click != nullptr) dispatch(*click, 0);
        if (press != nullptr) dispatch(*press, 1);
    });
    connect(w, &EquationLabel::keyDoubleClick, this, [this, click, doubleClick, press] {
        // As the mouse gives it: Click, then DblClick.
        if (doubleClick != nullptr) {
            dispatch(*click, 0);
            dispatch(*doubleClick, 0);
        }
        if (press != nullptr) dispatch(*press, 1);
    });
}

// A workflow button reports its click; a category button its press and release,
// and the popup menu it opens takes the release. Space, Enter and a screen
// reader's Press click a category button, which then opens its menu beside it.
QPushButton* MainWindow::createButton(const CommandButton& model, std::string_view name) {
    QPushButton* w = nullptr;
    if (const EventHandler* down = findEvent(name, EventKind::MouseDown)) {
        auto* category = new CategoryButton(client_);
        category->setFocusPolicy(Qt::TabFocus);
        bind(category, &CategoryButton::mouseDown, name, EventKind::MouseDown);
        connect(category, &CategoryButton::mouseDown, category, [category] { category->setDown(false); });
        bind(category, &CategoryButton::mouseUp, name, EventKind::MouseUp);
        const EventHandler* up = findEvent(name, EventKind::MouseUp);
        connect(category, &QPushButton::clicked, this, [this, category, down, up] {
            popupAnchor_ = category;
            dispatch(*down, 1);
            popupAnchor_ = nullptr;
            if (up != nullptr) dispatch(*up, 1);
        });
        w = category;
    } else {
        w = new WindowButton(client_);
        bind(w, &QPushButton::clicked, name, EventKind::Click);
    }
    w->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    w->setContextMenuPolicy(Qt::PreventContextMenu);
    w->setText(toQString(model.Caption));
    QString accessible = accessibleNameOf(name, model.Caption);
    for (const CategoryControls& c : form_->categoryControls()) {
        // The two rows carry the same captions: say which side each one serves.
        if (c.leftButton == &model) accessible += QStringLiteral("（左辺の単位）");
        if (c.rightButton == &model) accessible += QStringLiteral("（右辺の単位）");
    }
    w->setAccessibleName(accessible);
    w->setFont(toQFont(model.font));
    return w;
}

QWidget* MainWindow::widgetNamed(const std::string& name) const {
    return client_->findChild<QWidget*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
}

void MainWindow::dispatch(const EventHandler& handler, int16_t button) {
    afterInput([&] { session_.run(handler, button); });
}

void MainWindow::afterInput(const std::function<void()>& input) {
    input();
    sync();
    afterHandler();
}

void MainWindow::afterHandler() {
    if (const auto focus = platform_.takeFocus()) {
        if (QWidget* w = widgetNamed(*focus)) w->setFocus(Qt::OtherFocusReason);
    }
    if (const auto hint = platform_.takeHint()) showHint(hint->first, hint->second);
    // Message boxes and the popup menu come after the handler has returned.
    for (const PendingMessage& m : platform_.takeMessages()) showMessage(m);
    if (const auto popup = platform_.takePopup()) showPopup(*popup);
}

// The hint sits just above or just under the control it speaks of, inside the
// window, where it covers no other control that shows; under it otherwise.
void MainWindow::showHint(const std::string& control, const std::u16string& text) {
    if (text.empty()) {
        hint_->hide();
        return;
    }
    hint_->setText(toQString(text));
    hint_->setAccessibleDescription(hint_->text());
    hint_->adjustSize();
    const int width = std::min(hint_->width(), client_->width());
    hint_->resize(width, hint_->height());
    const QWidget* near = widgetNamed(control);
    const QRect box = near != nullptr ? near->geometry() : QRect();
    auto placed = [&](int top) {
        const int left = std::clamp(box.left(), 0, std::max(0, client_->width() - width));
        return QRect(QPoint(left, std::clamp(top, 0, std::max(0, client_->height() - hint_->height()))), hint_->size());
    };
    // What a place would cover: 2 for a part of the equation, 1 for another control.
    auto covers = [&](const QRect& r) {
        int worst = 0;
        for (const QObject* o : client_->children()) {
            const auto* w = qobject_cast<const QWidget*>(o);
            if (w == nullptr || w == hint_ || w == near || !w->isVisible() || !w->geometry().intersects(r)) continue;
            worst = std::max(worst, qobject_cast<const EquationLabel*>(w) != nullptr ? 2 : 1);
        }
        return worst;
    };
    const QRect above = placed(box.top() - hint_->height() - 1);
    const QRect below = placed(box.bottom() + 2);
    hint_->move((covers(above) < covers(below) ? above : below).topLeft());
    hint_->show();
    hint_->raise();
}

void MainWindow::showMessage(const PendingMessage& message) {
    QString text = toQString(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(iconOf(message.style), toQString(message.title), text, buttonsOf(message.style), this);
    // A short text makes a narrow box, and the window manager then cuts its
    // title: keep the box wide enough for the title and the frame's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + 160;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    box.exec();
}

void MainWindow::showPopup(const std::string& menuName) {
    const CategoryControls* row = form_->categoryOfMenu(menuName);
    if (row == nullptr) return;
    QMenu menu(this);
    menu.setObjectName(QString::fromStdString(menuName));
    for (std::size_t i = 0; i < row->menu->items.size(); ++i) {
        const MenuItem& item = row->menu->items[i];
        if (!item.Visible) continue;
        if (item.isSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(toQString(item.Caption));
        action->setObjectName(QString::fromStdString(item.name));
        action->setEnabled(item.Enabled && row->menu->Enabled);
    }
    // At the pointer, as the window opens it; from the keyboard, under the button.
    const QPoint at =
        popupAnchor_ != nullptr ? popupAnchor_->mapToGlobal(QPoint(0, popupAnchor_->height())) : QCursor::pos();
    QAction* chosen = menu.exec(at);
    // Back from the keyboard's menu, the focus is where it was, on the button.
    if (popupAnchor_ != nullptr) popupAnchor_->setFocus(Qt::PopupFocusReason);
    if (chosen == nullptr) return;  // dismissed: nothing changes
    dispatch(*findEvent(chosen->objectName().toStdString(), EventKind::Click), 0);
}

void MainWindow::sync() {
    for (auto& [model, w] : labels_) {
        setGeometryFrom(w, *model, scale_);
        const QString text = toQString(model->Caption);
        if (w->text() != text) {
            w->setText(text);
            w->setAccessibleDescription(text);  // a screen reader reads the label's text with its name
        }
        fitText(w, *model);
        setBackground(w, model->BackColor, QPalette::Window);
        // An equation label takes the Tab only while the eye can see it: an
        // empty one in the window's own colour is no stop.
        if (isEquationLabel(model->name)) {
            const bool seen = !model->Caption.empty() || model->BackColor != form_->BackColor;
            w->setFocusPolicy(seen ? Qt::TabFocus : Qt::NoFocus);
        }
    }
    for (auto& [model, w] : buttons_) setGeometryFrom(w, *model, scale_);
    for (auto& [model, w] : boxes_) {
        const QString text = toQString(model->Text());
        if (w->text() != text) w->setText(text);
        const bool opening = model->Visible && !w->isVisibleTo(client_);
        const bool closingWithFocus = !model->Visible && w->isVisibleTo(client_) && w->hasFocus();
        setGeometryFrom(w, *model, scale_);
        // A box that closes hands the focus back to its label, not to whatever
        // control comes next (which could be クリヤ).
        if (closingWithFocus) {
            if (QWidget* label = widgetNamed(std::string(labelEditedBy(model->name))))
                label->setFocus(Qt::OtherFocusReason);
        }
        // A box grows with its text as the window says, but never past the
        // window: beyond that it scrolls with the caret.
        const QRect inside = w->geometry().intersected(client_->rect());
        if (inside.isValid() && inside != w->geometry()) w->setGeometry(inside);
        // A box opens with its whole text selected, so the first key replaces it.
        if (opening) w->selectAll();
        setBackground(w, model->BackColor, QPalette::Base);
    }
    for (auto& [model, qt] : timers_) {
        if (model->Enabled && (!qt->isActive() || qt->interval() != model->Interval)) {
            qt->start(model->Interval);
        } else if (!model->Enabled && qt->isActive()) {
            qt->stop();
        }
    }
    syncClientSize();
    syncActions();
    const Form1& f = *form_;
    if (!placed_ || f.Left != placedLeft_ || f.Top != placedTop_) {
        move(scale_.toPixels(f.Left), scale_.toPixels(f.Top));
        placedLeft_ = f.Left;
        placedTop_ = f.Top;
        placed_ = true;
    }
    client_->update();
}

// The window's width is its outer width; the client area is what the window
// system's frame leaves of it, measured, not assumed. A widened equation can
// reach a few twips past that width; the client area then grows by as much as
// keeps the right fraction clear of the edge, the equation's places unchanged.
void MainWindow::syncClientSize() {
    const int frame = std::max(0, frameGeometry().width() - geometry().width());
    int width = scale_.toPixels(form_->Width) - frame;
    for (const auto& [model, w] : labels_) {
        if (model->Visible) width = std::max(width, w->geometry().right() + 1 + kEquationMargin);
    }
    const QSize client(width, scale_.toPixels(kClientHeight));
    if (client_->size() != client) client_->setFixedSize(client);
}

// A caption wider than its label is drawn in a smaller size of its font, so no
// caption is ever cut; the label keeps the width the window gave it.
void MainWindow::fitText(QLabel* label, const Label& model) {
    QFont font = toQFont(model.font);
    const double available = label->width() - 2 * label->margin() - 2;
    const double base = font.pointSizeF();
    double size = base;
    for (int step = 0; step < 64 && size > kSmallestPointSize; ++step) {
        const double width = QFontMetricsF(font).horizontalAdvance(label->text());
        if (width <= available) break;
        // Straight to the size that should fit, then down in small steps, as
        // the width of a text does not follow its size exactly.
        size = std::max(kSmallestPointSize, std::min(size - 0.25, size * available / width));
        font.setPointSizeF(size);
    }
    if (label->font() != font) label->setFont(font);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The frame arrives from the window manager once the window is shown. The
    // size follows later, from the event loop: resized inside the window
    // manager's own reply, the window would be put where Qt last heard it was.
    if (client_ != nullptr && event->type() == QEvent::ActivationChange) {
        QMetaObject::invokeMethod(this, &MainWindow::syncClientSize, Qt::QueuedConnection);
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager's frame also comes as a move.
    if (client_ != nullptr) QMetaObject::invokeMethod(this, &MainWindow::syncClientSize, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    int16_t cancel = 0;
    form_->Form_Unload(cancel);
    if (cancel != 0) {
        event->ignore();
    } else {
        event->accept();
    }
}

}  // namespace quantivex
