#include "gui/chart/chart_window.h"

#include "gui/platform/qt_text.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dorvik::gui {

namespace {

QString ReadOutHint() {
    return QStringLiteral("Move the mouse over a curve to read it.");
}

} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(560, 380);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartWidget::SetFigure(ChartFigure figure) {
    figure_ = std::move(figure);
    layout_.reset();
    hit_.reset();
    emit ReadOutChanged(ReadOutHint());
    update();
}

const report::ChartLayout& ChartWidget::Layout() {
    if (!layout_ || size() != laidOutFor_) {
        layout_.emplace(figure_, rect(), logicalDpiY());
        laidOutFor_ = size();
    }
    return *layout_;
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const report::ChartLayout& layout = Layout();
    report::PaintScene(painter, layout);
    if (hit_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(layout.Map(hit_->FrequencyMHz, hit_->Value), 5, 5);
    }
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    hit_ = Layout().CurveAt(figure_, event->position());
    emit ReadOutChanged(hit_ ? report::ReadOut(figure_, *hit_) : ReadOutHint());
    update();
}

void ChartWidget::leaveEvent(QEvent*) {
    hit_.reset();
    emit ReadOutChanged(ReadOutHint());
    update();
}

ChartWindow::ChartWindow(TfrmChart& form, IPlatformServices& services, IChartOutput& output, QWidget* parent)
    : FormDialog(form, services, parent), form_(form), output_(output) {
    // Unlike the designed dialogs, the chart grows with its window.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    auto* layout = new QHBoxLayout(this);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Lines charted (at most ten):"), this));
    lines_ = new QListWidget(this);
    lines_->setMaximumWidth(260);
    const TChartOfLines& model = form_.Lines();
    for (int i = 0; i < model.Count(); ++i) {
        const TTransmissionLine& line = model.Line(i);
        QString text = ToQString(line.PartNumber);
        if (!line.Description.empty())
            text += QStringLiteral("  ") + ToQString(line.Description);
        auto* item = new QListWidgetItem(text, lines_);
        item->setToolTip(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    }
    connect(lines_, &QListWidget::itemChanged, this, &ChartWindow::LineChecked);
    side->addWidget(lines_);
    layout->addLayout(side);

    auto* main = new QVBoxLayout;
    auto* quantities = new QHBoxLayout;
    attenuation_ = new QRadioButton(QStringLiteral("&Attenuation"), this);
    power_ = new QRadioButton(QStringLiteral("Average &Power"), this);
    auto* group = new QButtonGroup(this);
    group->addButton(attenuation_);
    group->addButton(power_);
    connect(power_, &QRadioButton::toggled, this, [this](bool on) {
        Act([this, on] { form_.SetQuantity(on ? ChartQuantity::AveragePower : ChartQuantity::Attenuation); });
    });
    quantities->addWidget(attenuation_);
    quantities->addWidget(power_);
    quantities->addStretch();
    main->addLayout(quantities);
    chart_ = new ChartWidget(this);
    main->addWidget(chart_, 1);
    readOut_ = new QLabel(ReadOutHint(), this);
    connect(chart_, &ChartWidget::ReadOutChanged, readOut_, &QLabel::setText);
    main->addWidget(readOut_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton(QStringLiteral("&Save As..."), this);
    auto* print = new QPushButton(QStringLiteral("P&rint..."), this);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(save, &QPushButton::clicked, this, &ChartWindow::SaveAs);
    connect(print, &QPushButton::clicked, this, &ChartWindow::Print);
    connect(close, &QPushButton::clicked, this, [this] { Act([this] { form_.btnCloseClick(); }); });
    for (QPushButton* button : {save, print, close})
        buttons->addWidget(button);
    main->addLayout(buttons);
    layout->addLayout(main, 1);
    resize(1040, 600);
    Refresh();
}

void ChartWindow::Refresh() {
    {
        const QSignalBlocker block(lines_);
        for (int i = 0; i < lines_->count(); ++i)
            lines_->item(i)->setCheckState(form_.Lines().Chosen(i) ? Qt::Checked : Qt::Unchecked);
    }
    {
        const QSignalBlocker block(power_);
        (form_.Quantity() == ChartQuantity::AveragePower ? power_ : attenuation_)->setChecked(true);
    }
    if (shownRevision_ != form_.FigureRevision()) {
        shownRevision_ = form_.FigureRevision();
        chart_->SetFigure(form_.Figure());
    }
    if (!form_.Message().empty())
        readOut_->setText(ToQString(form_.Message()));
}

void ChartWindow::LineChecked(QListWidgetItem* item) {
    Act([this, row = lines_->row(item), on = item->checkState() == Qt::Checked] {
        form_.LineClickCheck(row, on);
    });
}

void ChartWindow::SaveAs() {
    Act([this] { form_.btnSaveClick(output_); });
}

void ChartWindow::Print() {
    Act([this] { form_.btnPrintClick(output_); });
}

} // namespace dorvik::gui
