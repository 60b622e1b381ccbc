#include "gui/main_window/main_window_view.h"

#include "gui/chart/chart_hookup.h"
#include "gui/grid/grid_table_model.h"
#include "gui/main_window/bindings.h"
#include "gui/main_window/logo.h"
#include "gui/main_window/radio_group.h"
#include "gui/main_window/shortcut_priority.h"
#include "gui/platform/designed_font.h"
#include "gui/platform/qt_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>

namespace dorvik::gui {

namespace {
constexpr const char* kHintProperty = "dorvikHint";

template <typename W> W* Place(QWidget* parent, const TBounds& b) {
    auto* widget = new W(parent);
    widget->setGeometry(b.Left, b.Top, b.Width, b.Height);
    return widget;
}

QLabel* Label(QWidget* parent, const QString& text, int left, int top, int width = 140, int height = 17) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(left, top, width, height);
    return label;
}

// The logo: a picture that behaves as a link.
class LogoLabel : public QLabel {
public:
    LogoLabel(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        onClick_();
    }

private:
    std::function<void()> onClick_;
};
} // namespace

MainWindowView::MainWindowView(TfrmMain& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    setObjectName(QStringLiteral("frmMain"));
    UseDesignedFont(*this);
    setProperty(kHintProperty, ToQString(kMakerNotice));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(BuildQueryPage());
    pages_->addWidget(BuildResultsPage());
    setCentralWidget(pages_);
    statusText_ = new QLabel(this);
    statusBar()->addWidget(statusText_, 1);
    statusNote_ = new QLabel(this);
    statusNote_->setObjectName(QStringLiteral("StatusNote"));
    statusBar()->addPermanentWidget(statusNote_);
    statusNote_->hide();
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setProperty(kHintProperty, ToQString(kMakerNotice));
    BuildMenu();
    new MenuShortcutPriority(*this, form_.MainMenu1);
    // Hints come from the mouse entering and leaving this window's widgets; activations of the program's
    // other windows decide whether the next activation of this one counts (changeEvent).
    qApp->installEventFilter(this);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        // A move of the focus while redrawing (a page that hides the focused widget hands the focus on) is
        // no choice of the user's: the model's request, followed at the end of the redraw, stands.
        if (!refreshing_)
            MirrorFocus(now);
    });
    ConnectChartOfLines(form_, *this);
    Refresh();
}

MainWindowView::~MainWindowView() {
    // ~QWidget closes the window, which moves the focus: by then this is no longer a MainWindowView.
    disconnect(focusWatch_);
    qApp->removeEventFilter(this);
    // The pages go while this is still one: a field that loses the focus then completes nothing.
    destroying_ = true;
    delete pages_;
}

void MainWindowView::Register(TControl& control, QWidget& widget) {
    widget.setObjectName(QString::fromStdString(control.Name));
    if (!control.Hint.empty()) {
        widget.setProperty(kHintProperty, ToQString(control.Hint));
        widget.setToolTip(ToQString(control.Hint));
    }
    if (!control.TabStop)
        widget.setFocusPolicy(Qt::ClickFocus);
    widgets_[&control] = &widget;
    controls_[&widget] = &control;
}

QWidget* MainWindowView::WidgetOf(const TControl& control) const {
    const auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

GridTableModel* MainWindowView::GridModel(const TGrid& grid) const {
    const auto it = gridModels_.find(&grid);
    return it == gridModels_.end() ? nullptr : it->second;
}

QWidget* MainWindowView::BuildQueryPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsQueryValues"));
    page->setProperty(kHintProperty, ToQString(kMakerNotice));
    const Action act = [this](const std::function<void()>& action) { Act(action); };
    auto add = [this](TControl& control, QWidget* widget, Refresher refresher) {
        Register(control, *widget);
        refreshers_.push_back(std::move(refresher));
    };

    auto* queryBy = Label(page, QStringLiteral("Query\nBy"), 6, 4, 40, 30);
    queryBy->setAlignment(Qt::AlignCenter);
    queryBy->setObjectName(QStringLiteral("Label7"));

    auto* chkFrequency = Place<QCheckBox>(page, {16, 44, 18, 18});
    add(form_.chkFrequency, chkFrequency, BindCheckBox(form_.chkFrequency, *chkFrequency, act));
    Label(page, QStringLiteral("Beginning Frequency"), 48, 44, 130);
    auto* cbxBegin = Place<QComboBox>(page, {186, 40, 110, 22});
    add(form_.cbxBeginningFrequency, cbxBegin, BindComboBox(form_.cbxBeginningFrequency, *cbxBegin, act));
    Label(page, QStringLiteral("MHz"), 302, 44, 40);
    Label(page, QStringLiteral("Ending Frequency"), 48, 72, 130);
    auto* cbxEnd = Place<QComboBox>(page, {186, 68, 110, 22});
    add(form_.cbxEndingFrequency, cbxEnd, BindComboBox(form_.cbxEndingFrequency, *cbxEnd, act));
    Label(page, QStringLiteral("MHz"), 302, 72, 40);

    auto* chkLoss = Place<QCheckBox>(page, {16, 110, 18, 18});
    add(form_.chkInsertionLoss, chkLoss, BindCheckBox(form_.chkInsertionLoss, *chkLoss, act));
    Label(page, QStringLiteral("Maximum Insertion Loss:"), 48, 110, 138);
    auto* edtMaxLoss = Place<QLineEdit>(page, {186, 106, 70, 22});
    add(form_.edtMaxLoss, edtMaxLoss, BindEdit(form_.edtMaxLoss, *edtMaxLoss, act));
    Label(page, QStringLiteral("dB"), 262, 110, 30);
    Label(page, QStringLiteral("Length:"), 48, 138, 130);
    auto* edtLength = Place<QLineEdit>(page, {186, 134, 70, 22});
    add(form_.edtLength, edtLength, BindEdit(form_.edtLength, *edtLength, act));
    auto* rbMeters = Place<QRadioButton>(page, {262, 128, 80, 18});
    rbMeters->setText(ToQString(form_.rbMeters.Caption));
    add(form_.rbMeters, rbMeters, BindRadioButton(form_.rbMeters, *rbMeters, act));
    auto* rbFeet = Place<QRadioButton>(page, {262, 146, 80, 18});
    rbFeet->setText(ToQString(form_.rbFeet.Caption));
    add(form_.rbFeet, rbFeet, BindRadioButton(form_.rbFeet, *rbFeet, act));
    auto* units = new RadioGroupKeys({rbMeters, rbFeet}, page);
    refreshers_.push_back([units] { units->SyncTabStop(); });

    auto* chkConnector = Place<QCheckBox>(page, {16, 184, 18, 18});
    add(form_.chkConnector, chkConnector, BindCheckBox(form_.chkConnector, *chkConnector, act));
    Label(page, QStringLiteral("Connector #1"), 48, 184, 80);
    auto* cbxConnector = Place<QComboBox>(page, {130, 180, 150, 22});
    add(form_.cbxConnector, cbxConnector, BindComboBox(form_.cbxConnector, *cbxConnector, act));
    auto* chkConnector2 = Place<QCheckBox>(page, {16, 214, 18, 18});
    add(form_.chkConnector2, chkConnector2, BindCheckBox(form_.chkConnector2, *chkConnector2, act));
    Label(page, QStringLiteral("Connector #2"), 48, 214, 80);
    auto* cbxConnector2 = Place<QComboBox>(page, {130, 210, 150, 22});
    add(form_.cbxConnector2, cbxConnector2, BindComboBox(form_.cbxConnector2, *cbxConnector2, act));
    auto* image1 = new LogoLabel(page, [this] { Act([this] { form_.Image1Click(); }); });
    image1->setGeometry(290, 176, 82, 60);
    image1->setPixmap(MakerLogo(82, 60));
    Register(form_.Image1, *image1);

    Label(page, QStringLiteral("VSWR"), 48, 250, 80);
    auto* edtVSWR = Place<QLineEdit>(page, {130, 246, 60, 22});
    add(form_.edtVSWR, edtVSWR, BindEdit(form_.edtVSWR, *edtVSWR, act));

    auto* groupBox1 = Place<QGroupBox>(page, {8, 280, 364, 50});
    groupBox1->setTitle(ToQString(form_.GroupBox1.Caption));
    Register(form_.GroupBox1, *groupBox1);
    int left = 12;
    for (TCheckBox* box : {&form_.chkAir, &form_.chkFoam, &form_.chkWaveguide}) {
        auto* widget = Place<QCheckBox>(groupBox1, {left, 22, box == &form_.chkWaveguide ? 140 : 100, 18});
        widget->setText(ToQString(box->Caption));
        add(*box, widget, BindCheckBox(*box, *widget, act));
        left += 110;
    }

    auto* btnSearch = Place<QPushButton>(page, {8, 340, 364, 28});
    add(form_.btnSearch, btnSearch, BindButton(form_.btnSearch, *btnSearch, act));
    btnSearch->setDefault(true);
    auto* progress = Place<QProgressBar>(page, {8, 376, 270, 16});
    progress->setTextVisible(false);
    add(form_.ProgressBar1, progress, BindProgressBar(form_.ProgressBar1, *progress));
    auto* btnClose = Place<QPushButton>(page, {292, 372, 80, 24});
    add(form_.btnClose, btnClose, BindButton(form_.btnClose, *btnClose, act));

    QWidget::setTabOrder(cbxBegin, cbxEnd);
    QWidget::setTabOrder(cbxEnd, edtMaxLoss);
    QWidget::setTabOrder(edtMaxLoss, edtLength);
    QWidget::setTabOrder(edtLength, rbMeters);
    QWidget::setTabOrder(rbMeters, rbFeet);
    QWidget::setTabOrder(rbFeet, cbxConnector);
    QWidget::setTabOrder(cbxConnector, cbxConnector2);
    QWidget::setTabOrder(cbxConnector2, btnSearch);
    QWidget::setTabOrder(btnSearch, edtVSWR);
    return page;
}

void MainWindowView::BindGrid(TGrid& grid, QTableView& view) {
    auto* model = new GridTableModel(grid, &view);
    view.setModel(model);
    ConfigureGridView(view, grid);
    gridModels_[&grid] = model;
    QObject::connect(view.selectionModel(), &QItemSelectionModel::currentRowChanged, &view,
                     [this, &grid](const QModelIndex& current) {
                         if (!refreshing_ && current.isValid() && current.row() + 1 != grid.CurrentRow())
                             Act([&grid, row = current.row() + 1] { grid.SetCurrentRow(row); });
                     });
    QObject::connect(&view, &QTableView::clicked, &view, [this, &grid](const QModelIndex& index) {
        if (index.isValid())
            Act([&grid, row = index.row() + 1] { grid.UserClick(row); });
    });
    refreshers_.push_back([model, &view, &grid, scrolled = grid.ScrollRevision]() mutable {
        model->Sync();
        SyncGridView(view, grid);
        if (grid.ScrollRevision != scrolled && grid.CurrentRow() >= 1) {
            scrolled = grid.ScrollRevision;
            view.scrollTo(model->index(grid.CurrentRow() - 1, 0));
        }
    });
}

QWidget* MainWindowView::BuildResultsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsResults"));
    page->setProperty(kHintProperty, ToQString(kMakerNotice));
    const Action act = [this](const std::function<void()>& action) { Act(action); };

    auto group = [this, page](TStatic& model, bool bold) {
        auto* box = Place<QGroupBox>(page, model.Bounds);
        if (bold) {
            QFont font = box->font();
            font.setBold(true);
            box->setFont(font);
        }
        Register(model, *box);
        refreshers_.push_back(BindGroupBox(model, *box));
        return box;
    };
    auto grid = [this](TGrid& model, QWidget* parent) {
        auto* view = Place<QTableView>(parent, model.Bounds);
        QFont font = parent->font();
        font.setBold(false);
        view->setFont(font);
        Register(model, *view);
        BindGrid(model, *view);
        return view;
    };
    auto list = [this, act](TListBox& model, QWidget* parent) {
        auto* view = Place<QListWidget>(parent, model.Bounds);
        Register(model, *view);
        refreshers_.push_back(BindListBox(model, *view, act));
    };
    grid(form_.grdSpecs, group(form_.gbxSpecifications, true));
    list(form_.lstConnectors, group(form_.gbxConnector, false));
    list(form_.lstConnectors2, group(form_.GroupBox2, false));
    grid(form_.grdConnectors, group(form_.gbxPartNumbers, false));
    grid(form_.grdConnectors2, group(form_.GroupBox3, false));
    for (TButton* button : {&form_.btnPrint, &form_.btnClipboard, &form_.btnNewQuery, &form_.Button1}) {
        auto* widget = Place<QPushButton>(page, button->Bounds);
        Register(*button, *widget);
        refreshers_.push_back(BindButton(*button, *widget, act));
    }
    auto* image2 = new LogoLabel(page, [this] { Act([this] { form_.Image1Click(); }); });
    image2->setGeometry(form_.Image2.Bounds.Left, form_.Image2.Bounds.Top, 120, 50);
    image2->setPixmap(MakerLogo(120, 50));
    Register(form_.Image2, *image2);
    return page;
}

void MainWindowView::Act(const std::function<void()>& action) {
    if (acting_ || refreshing_ || destroying_)
        return;
    {
        const QScopedValueRollback guard(acting_, true);
        form_.Dispatch(action);
    }
    Refresh();
}

void MainWindowView::Refresh() {
    if (refreshing_)
        return;
    const QScopedValueRollback guard(refreshing_, true);
    for (const auto& refresh : refreshers_)
        refresh();
    if (pages_->currentIndex() != form_.PageControl1.ActivePageIndex())
        pages_->setCurrentIndex(form_.PageControl1.ActivePageIndex());
    if (windowTitle() != ToQString(form_.Caption))
        setWindowTitle(ToQString(form_.Caption));
    if (statusText_->text() != ToQString(form_.StatusBar1.Caption))
        statusText_->setText(ToQString(form_.StatusBar1.Caption));
    if (statusNote_->text() != ToQString(form_.StatusNote.Caption)) {
        statusNote_->setText(ToQString(form_.StatusNote.Caption));
        statusNote_->setToolTip(statusNote_->text());
        statusNote_->setVisible(!statusNote_->text().isEmpty());
    }
    ApplyWindowGeometry();
    FollowActiveControl();
    if (form_.Closed && isVisible())
        close();
}

void MainWindowView::MirrorFocus(const QWidget* focused) {
    if (focused == nullptr || focused->window() != this)
        return;
    for (const QWidget* widget = focused; widget; widget = widget->parentWidget())
        if (const auto it = controls_.find(widget); it != controls_.end()) {
            form_.ActiveControl = it->second;
            return;
        }
}

void MainWindowView::FollowActiveControl() {
    // The model's active control mirrors the focus (see the constructor), so a difference is a request.
    QWidget* widget = form_.ActiveControl ? WidgetOf(*form_.ActiveControl) : nullptr;
    if (widget == nullptr || !widget->isVisibleTo(this) || !widget->isEnabled()) {
        // Nothing the focus can go to: the model mirrors where it is.
        MirrorFocus(focusWidget());
        return;
    }
    if (focusWidget() != widget && !widget->isAncestorOf(focusWidget()))
        widget->setFocus(Qt::OtherFocusReason);
}

void MainWindowView::ApplyWindowGeometry() {
    if (form_.Width == width_ && form_.Height == height_ && form_.CenterRevision == centerRevision_)
        return;
    width_ = form_.Width;
    height_ = form_.Height;
    // The model's sizes are outer sizes of a window with a thin frame and a caption (8 and 46 pixels).
    const int menuHeight = menuBar()->isVisible() || !isVisible() ? menuBar()->sizeHint().height() : 0;
    setFixedSize(form_.Width - 8, form_.Height - 46 + menuHeight);
    if (form_.CenterRevision != centerRevision_) {
        centerRevision_ = form_.CenterRevision;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
}

void MainWindowView::setVisible(bool visible) {
    if (visible && !shownOnce_) {
        shownOnce_ = true;
        // The window takes the active page's size and caption, and the menu shows that page's items.
        const int page = form_.PageControl1.ActivePageIndex();
        Act([this, page] {
            const auto& handlers = form_.PageControl1.OnShow;
            if (page >= 0 && page < static_cast<int>(handlers.size()) &&
                handlers[static_cast<std::size_t>(page)])
                handlers[static_cast<std::size_t>(page)]();
        });
    }
    QMainWindow::setVisible(visible);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    form_.Close();
    event->accept();
}

void MainWindowView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // The main window "becomes the active window" when it first shows and when another window of the
    // program (a dialog of its own) hands the activation back; not when a message box or a file dialog
    // closes, nor when the user comes back from another program. A reminder check that reports an error would
    // otherwise open its message again each time the previous one closed.
    const bool activate = !activatedOnce_ || ownWindowWasActive_;
    activatedOnce_ = true;
    ownWindowWasActive_ = false;
    if (activate)
        QMetaObject::invokeMethod(
            this, [this] { Act([this] { form_.FormActivate(); }); }, Qt::QueuedConnection);
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    const auto inThisWindow = [this](const QObject* object) {
        return object->isWidgetType() && static_cast<const QWidget*>(object)->window() == this;
    };
    switch (event->type()) {
    case QEvent::Enter:
        if (inThisWindow(watched))
            ShowHintOf(watched);
        break;
    case QEvent::Leave:
        if (!inThisWindow(watched))
            break;
        // Leaving a control for the one around it: the hint becomes that one's.
        if (const QWidget* under = QApplication::widgetAt(QCursor::pos()); under && under->window() == this)
            ShowHintOf(under);
        break;
    case QEvent::WindowActivate:
        if (watched != this && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            ownWindowWasActive_ =
                !qobject_cast<QMessageBox*>(watched) && !qobject_cast<QFileDialog*>(watched);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

std::string MainWindowView::HintFor(const QObject* object) const {
    // A control without a hint of its own shows the hint of the nearest control around it.
    for (; object; object = object->parent()) {
        const QVariant hint = object->property(kHintProperty);
        if (hint.isValid())
            return FromQString(hint.toString());
    }
    return {};
}

void MainWindowView::ShowHintOf(const QObject* object) {
    const std::string text = HintFor(object);
    if (!text.empty() && text != form_.StatusBar1.Caption)
        Act([this, text] { form_.ApplicationEvents1Hint(text); });
}

} // namespace dorvik::gui
