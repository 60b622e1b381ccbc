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
#include <QHeaderView>
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

#include <algorithm>

namespace dorvik::gui {

namespace {
constexpr const char* kHintProperty = "dorvikHint";
// The frame the model's outer sizes were designed with: a thin border and a caption.
constexpr int kDesignedFrameWidth = 8;
constexpr int kDesignedFrameHeight = 46;
// The status bar's frame around its text, top and bottom together.

template <typename W> W* Place(QWidget* parent, const TBounds& b) {
    auto* widget = new W(parent);
    widget->setGeometry(b.Left, b.Top, b.Width, b.Height);
    return widget;
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
    // One line: the maker's notice is wider than the query page, and is cut with its whole text in the
    // tooltip rather than growing the bar over the page.
    statusText_ = new ElidedLabel(this);
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

QWidget* MainWindowView::BuildQueryPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsQueryValues"));
    page->setProperty(kHintProperty, ToQString(kMakerNotice));
    const Action act = [this](const std::function<void()>& action) { Act(action); };
    auto add = [this](TControl& control, QWidget* widget, Refresher refresher) {
        Register(control, *widget);
        refreshers_.push_back(std::move(refresher));
    };

    auto* queryBy = Place<QLabel>(page, form_.Label7.Bounds);
    queryBy->setText(ToQString(form_.Label7.Caption()));
    queryBy->setAlignment(Qt::AlignCenter);
    queryBy->setObjectName(QStringLiteral("Label7"));
    for (const TStatic* label : form_.QueryPageLabels()) {
        auto* widget = Place<QLabel>(page, label->Bounds);
        widget->setText(ToQString(label->Caption()));
        widget->setObjectName(ToQString(label->Name));
    }
    const auto control = [&](auto& model, auto* widget, QWidget* parent, auto bind) {
        using W = std::remove_pointer_t<decltype(widget)>;
        auto* placed = Place<W>(parent, model.Bounds);
        add(model, placed, bind(model, *placed, act));
        return placed;
    };
    const auto checkBox = [&](TCheckBox& model, QWidget* parent = nullptr) {
        auto* widget = control(model, static_cast<QCheckBox*>(nullptr), parent ? parent : page, BindCheckBox);
        widget->setText(ToQString(model.Caption()));
        return widget;
    };
    const auto combo = [&](TComboBox& model) {
        return control(model, static_cast<QComboBox*>(nullptr), page, BindComboBox);
    };
    const auto edit = [&](TEdit& model) {
        return control(model, static_cast<QLineEdit*>(nullptr), page, BindEdit);
    };
    const auto radio = [&](TRadioButton& model) {
        auto* widget = control(model, static_cast<QRadioButton*>(nullptr), page, BindRadioButton);
        widget->setText(ToQString(model.Caption()));
        return widget;
    };
    const auto button = [&](TButton& model) {
        return control(model, static_cast<QPushButton*>(nullptr), page, BindButton);
    };

    checkBox(form_.chkFrequency);
    auto* cbxBegin = combo(form_.cbxBeginningFrequency);
    auto* cbxEnd = combo(form_.cbxEndingFrequency);
    checkBox(form_.chkInsertionLoss);
    auto* edtMaxLoss = edit(form_.edtMaxLoss);
    auto* edtLength = edit(form_.edtLength);
    auto* rbMeters = radio(form_.rbMeters);
    auto* rbFeet = radio(form_.rbFeet);
    auto* units = new RadioGroupKeys({rbMeters, rbFeet}, page);
    refreshers_.push_back([units] { units->SyncTabStop(); });
    checkBox(form_.chkConnector);
    auto* cbxConnector = combo(form_.cbxConnector);
    checkBox(form_.chkConnector2);
    auto* cbxConnector2 = combo(form_.cbxConnector2);
    auto* image1 = new LogoLabel(page, [this] { Act([this] { form_.Image1Click(); }); });
    const TBounds& logo = form_.Image1.Bounds;
    image1->setGeometry(logo.Left, logo.Top, logo.Width, logo.Height);
    image1->setPixmap(MakerLogo(logo.Width, logo.Height));
    Register(form_.Image1, *image1);
    auto* edtVSWR = edit(form_.edtVSWR);

    auto* groupBox1 = Place<QGroupBox>(page, form_.GroupBox1.Bounds);
    groupBox1->setTitle(ToQString(form_.GroupBox1.Caption()));
    Register(form_.GroupBox1, *groupBox1);
    for (TCheckBox* box : {&form_.chkAir, &form_.chkFoam, &form_.chkWaveguide})
        checkBox(*box, groupBox1);

    auto* btnSearch = button(form_.btnSearch);
    btnSearch->setDefault(true);
    auto* progress = Place<QProgressBar>(page, form_.ProgressBar1.Bounds);
    progress->setTextVisible(false);
    add(form_.ProgressBar1, progress, BindProgressBar(form_.ProgressBar1, *progress));
    button(form_.btnClose);

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
    QObject::connect(view.selectionModel(), &QItemSelectionModel::currentRowChanged, &view,
                     [this, &grid](const QModelIndex& current) {
                         if (!refreshing_ && current.isValid() && current.row() + 1 != grid.CurrentRow())
                             Act([&grid, row = current.row() + 1] { grid.SetCurrentRow(row); });
                     });
    QObject::connect(&view, &QTableView::clicked, &view, [this, &grid](const QModelIndex& index) {
        if (index.isValid())
            Act([&grid, row = index.row() + 1] { grid.UserClick(row); });
    });
    if (grid.OnHeadingClick) {
        view.horizontalHeader()->setSectionsClickable(true);
        QObject::connect(
            view.horizontalHeader(), &QHeaderView::sectionClicked, &view,
            [this, &grid](int section) { Act([&grid, col = section + 1] { grid.OnHeadingClick(col); }); });
    }
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
    const TBounds& logo = form_.Image2.Bounds;
    image2->setGeometry(logo.Left, logo.Top, logo.Width, logo.Height);
    image2->setPixmap(MakerLogo(logo.Width, logo.Height));
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
    if (statusText_->FullText() != ToQString(form_.StatusBar1.Caption()))
        statusText_->SetFullText(ToQString(form_.StatusBar1.Caption()));
    if (statusNote_->text() != ToQString(form_.StatusNote.Caption())) {
        statusNote_->setText(ToQString(form_.StatusNote.Caption()));
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
    // The model's sizes are outer sizes of a window with a thin frame and a caption.
    const int menuHeight = menuBar()->isVisible() || !isVisible() ? menuBar()->sizeHint().height() : 0;
    setFixedSize(form_.Width - kDesignedFrameWidth, form_.Height - kDesignedFrameHeight + menuHeight);
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
    if (!text.empty() && text != form_.StatusBar1.Caption())
        Act([this, text] { form_.ApplicationEvents1Hint(text); });
}

} // namespace dorvik::gui
