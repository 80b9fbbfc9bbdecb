#include "main_window.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "catalogue.h"
#include "events.h"
#include "widgets.h"

// The front-end is a static library: its resources (icon, help document) are
// registered explicitly, outside any namespace as Qt requires.
static void registerResources() { Q_INIT_RESOURCE(resources); }

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
            p.setPen(QPen(toQColor(colour, palette()), 0));
            p.drawLine(scale_.toPixels(x1), scale_.toPixels(y1), scale_.toPixels(x2), scale_.toPixels(y2));
        };
        for (const LineControl& l : form_.Line1) {
            if (l.Visible) line(l.X1, l.Y1, l.X2, l.Y2, l.BorderColor);
        }
        for (const DrawnLine& l : form_.surface.lines()) line(l.x1, l.y1, l.x2, l.y2, l.colour);
    }

private:
    const Form1& form_;
    const TwipScale& scale_;
};

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int style) {
    switch (style & 0x0F) {
        case 1: return QMessageBox::Ok | QMessageBox::Cancel;
        case 2: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case 3: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case 4: return QMessageBox::Yes | QMessageBox::No;
        case 5: return QMessageBox::Retry | QMessageBox::Cancel;
        default: return QMessageBox::Ok;  // 0, and codes no button set stands for
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
    setWindowIcon(QIcon(QStringLiteral(":/icons/quantivex-32.png")));
    createMenuBar();
    createWidgets();
    dispatch([this] { form_->Form_Load(); });
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::clientArea() const { return client_; }

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
        const EventHandler* handler = findEventHandler(item.name + "_Click");
        connect(action, &QAction::triggered, this, [this, handler] { dispatch([&] { handler->run(*form_, 0); }); });
    }
}

void MainWindow::createWidgets() {
    client_ = new ClientArea(*form_, scale_, this);
    setBackground(client_, form_->BackColor, QPalette::Window);
    setCentralWidget(client_);
    Form1& f = *form_;

    // Labels first, so the edit boxes lie above the labels they overlay.
    for (Label* l : {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5, &f.Label6, &f.Label7, &f.Label8,
                     &f.Label9, &f.Label10, &f.Label11}) {
        auto* w = new EquationLabel(client_);
        w->setObjectName(QString::fromStdString(l->name));
        w->setFont(toQFont(l->font));
        w->setAlignment(Qt::AlignCenter);
        w->setAutoFillBackground(true);
        labels_.emplace_back(l, w);
    }
    auto label = [&](const Label& l) { return widgetNamed(l.name); };
    auto* l2 = static_cast<EquationLabel*>(label(f.Label2));
    auto* l3 = static_cast<EquationLabel*>(label(f.Label3));
    auto* l4 = static_cast<EquationLabel*>(label(f.Label4));
    auto* l5 = static_cast<EquationLabel*>(label(f.Label5));
    auto* l6 = static_cast<EquationLabel*>(label(f.Label6));
    connect(l2, &EquationLabel::clicked, this, [this] { dispatch([this] { form_->Label2_Click(); }); });
    connect(l2, &EquationLabel::doubleClicked, this, [this] { dispatch([this] { form_->Label2_DblClick(); }); });
    connect(l3, &EquationLabel::clicked, this, [this] { dispatch([this] { form_->Label3_Click(); }); });
    connect(l3, &EquationLabel::doubleClicked, this, [this] { dispatch([this] { form_->Label3_DblClick(); }); });
    connect(l4, &EquationLabel::clicked, this, [this] { dispatch([this] { form_->Label4_Click(); }); });
    connect(l4, &EquationLabel::doubleClicked, this, [this] { dispatch([this] { form_->Label4_DblClick(); }); });
    connect(l5, &EquationLabel::pressed, this, [this](int b) {
        dispatch([this, b] { form_->Label5_MouseDown(static_cast<int16_t>(b)); });
    });
    connect(l6, &EquationLabel::pressed, this, [this](int b) {
        dispatch([this, b] { form_->Label6_MouseDown(static_cast<int16_t>(b)); });
    });

    for (CommandButton* b : {&f.Command8, &f.Command9, &f.Command17}) {
        auto* w = new QPushButton(client_);
        w->setObjectName(QString::fromStdString(b->name));
        w->setText(toQString(b->Caption));
        w->setFont(toQFont(b->font));
        buttons_.emplace_back(b, w);
    }
    connect(static_cast<QPushButton*>(widgetNamed("Command8")), &QPushButton::clicked, this,
            [this] { dispatch([this] { form_->Command8_Click(); }); });
    connect(static_cast<QPushButton*>(widgetNamed("Command9")), &QPushButton::clicked, this,
            [this] { dispatch([this] { form_->Command9_Click(); }); });
    connect(static_cast<QPushButton*>(widgetNamed("Command17")), &QPushButton::clicked, this,
            [this] { dispatch([this] { form_->Command17_Click(); }); });

    for (std::size_t c = 0; c < f.categoryControls().size(); ++c) {
        const CategoryControls& row = f.categoryControls()[c];
        for (CommandButton* b : {row.leftButton, row.rightButton}) {
            auto* w = new CategoryButton(client_);
            w->setObjectName(QString::fromStdString(b->name));
            w->setText(toQString(b->Caption));
            w->setFont(toQFont(b->font));
            w->setFocusPolicy(Qt::NoFocus);
            buttons_.emplace_back(b, w);
            const bool left = b == row.leftButton;
            connect(w, &CategoryButton::mouseDown, this, [this, c, left, w](int button) {
                const CategoryControls& r = form_->categoryControls()[c];
                dispatch([&] {
                    if (left) {
                        form_->LeftCategoryButton_MouseDown(r, static_cast<int16_t>(button));
                    } else {
                        form_->RightCategoryButton_MouseDown(r, static_cast<int16_t>(button));
                    }
                });
                w->setDown(false);  // the release went to the popup menu
            });
            if (left) {
                connect(w, &CategoryButton::mouseUp, this, [this, c](int button) {
                    dispatch([&] {
                        form_->LeftCategoryButton_MouseUp(form_->categoryControls()[c], static_cast<int16_t>(button));
                    });
                });
            }
        }
    }

    for (TextBox* t : {&f.Text2, &f.Text3, &f.Text4}) {
        auto* w = new QLineEdit(client_);
        w->setObjectName(QString::fromStdString(t->name));
        w->setFont(toQFont(t->font));
        boxes_.emplace_back(t, w);
        // Typing goes to the model through the box's setter, which raises Change.
        connect(w, &QLineEdit::textEdited, this,
                [this, t](const QString& text) { dispatch([&] { t->setText(fromQString(text)); }); });
    }

    // Keyboard focus follows the controls' tab indexes.
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (auto& [model, w] : buttons_) focusOrder.emplace_back(model->TabIndex, w);
    for (auto& [model, w] : boxes_) focusOrder.emplace_back(model->TabIndex, w);
    std::sort(focusOrder.begin(), focusOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }

    const std::array<std::pair<Timer*, void (Form1::*)()>, 3> timers{
        {{&f.Timer1, &Form1::Timer1_Timer}, {&f.Timer2, &Form1::Timer2_Timer}, {&f.Timer3, &Form1::Timer3_Timer}}};
    for (std::size_t i = 0; i < timers.size(); ++i) {
        auto* qt = new QTimer(this);
        qt->setObjectName(QString::fromStdString(timers[i].first->name));
        const auto tick = timers[i].second;
        connect(qt, &QTimer::timeout, this, [this, tick] { dispatch([this, tick] { ((*form_).*tick)(); }); });
        timers_[i] = {timers[i].first, qt};
    }
}

QWidget* MainWindow::widgetNamed(const std::string& name) const {
    return client_->findChild<QWidget*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
}

void MainWindow::dispatch(const std::function<void()>& handler) {
    handler();
    sync();
    afterHandler();
}

void MainWindow::afterHandler() {
    if (const auto focus = platform_.takeFocus()) {
        if (QWidget* w = widgetNamed(*focus)) w->setFocus(Qt::OtherFocusReason);
    }
    // Message boxes and the popup menu come after the handler has returned.
    for (const PendingMessage& m : platform_.takeMessages()) showMessage(m);
    if (const auto popup = platform_.takePopup()) showPopup(*popup);
}

void MainWindow::showMessage(const PendingMessage& message) {
    QString text = toQString(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(iconOf(message.style), toQString(message.title), text, buttonsOf(message.style), this);
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
        action->setData(static_cast<qulonglong>(i));
    }
    QAction* chosen = menu.exec(QCursor::pos());
    if (chosen == nullptr) return;  // dismissed: nothing changes
    const std::size_t index = chosen->data().toULongLong();
    dispatch([&] { form_->UnitItem_Click(*row->category, row->category->units[index]); });
}

void MainWindow::sync() {
    for (auto& [model, w] : labels_) {
        setGeometryFrom(w, *model, scale_);
        const QString text = toQString(model->Caption);
        if (w->text() != text) w->setText(text);
        setBackground(w, model->BackColor, QPalette::Window);
    }
    for (auto& [model, w] : buttons_) setGeometryFrom(w, *model, scale_);
    for (auto& [model, w] : boxes_) {
        setGeometryFrom(w, *model, scale_);
        const QString text = toQString(model->Text());
        if (w->text() != text) w->setText(text);
        setBackground(w, model->BackColor, QPalette::Base);
    }
    for (auto& [model, qt] : timers_) {
        if (model->Enabled && (!qt->isActive() || qt->interval() != model->Interval)) {
            qt->start(model->Interval);
        } else if (!model->Enabled && qt->isActive()) {
            qt->stop();
        }
    }
    const Form1& f = *form_;
    const QSize client(scale_.toPixels(f.Width - kFrameWidth), scale_.toPixels(kClientHeight));
    if (client_->size() != client) {
        client_->setFixedSize(client);
        adjustSize();
    }
    if (!placed_ || f.Left != placedLeft_ || f.Top != placedTop_) {
        move(scale_.toPixels(f.Left), scale_.toPixels(f.Top));
        placedLeft_ = f.Left;
        placedTop_ = f.Top;
        placed_ = true;
    }
    client_->update();
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
