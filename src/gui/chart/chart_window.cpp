#include "gui/chart/chart_window.h"

#include "gui/platform/qt_text.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dorvik::gui {

namespace {

constexpr const char* kReadOutHint = "Move the mouse over a curve to read it.";

} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(560, 380);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartWidget::SetFigure(ChartFigure figure) {
    figure_ = std::move(figure);
    hit_.reset();
    emit ReadOutChanged(kReadOutHint);
    update();
}

void ChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const report::ChartLayout layout(figure_, rect(), logicalDpiY());
    report::PaintScene(painter, layout);
    if (hit_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(layout.Map(hit_->FrequencyMHz, hit_->Value), 5, 5);
    }
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const report::ChartLayout layout(figure_, rect(), logicalDpiY());
    hit_ = layout.CurveAt(figure_, event->position());
    emit ReadOutChanged(hit_ ? report::ReadOut(figure_, *hit_) : QString(kReadOutHint));
    update();
}

void ChartWidget::leaveEvent(QEvent*) {
    hit_.reset();
    emit ReadOutChanged(kReadOutHint);
    update();
}

ChartWindow::ChartWindow(TChartOfLines model, IPlatformServices& services, std::filesystem::path folder,
                         QWidget* parent)
    : QDialog(parent), model_(std::move(model)), services_(services), folder_(std::move(folder)) {
    setWindowTitle("Chart Of Lines");
    auto* layout = new QHBoxLayout(this);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel("Lines charted (at most ten):", this));
    lines_ = new QListWidget(this);
    lines_->setMaximumWidth(260);
    for (int i = 0; i < model_.Count(); ++i) {
        const TTransmissionLine& line = model_.Line(i);
        QString text = ToQString(line.PartNumber);
        if (!line.Description.empty())
            text += "  " + ToQString(line.Description);
        auto* item = new QListWidgetItem(text, lines_);
        item->setToolTip(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(model_.Chosen(i) ? Qt::Checked : Qt::Unchecked);
    }
    connect(lines_, &QListWidget::itemChanged, this, &ChartWindow::LineChecked);
    side->addWidget(lines_);
    layout->addLayout(side);

    auto* main = new QVBoxLayout;
    auto* quantities = new QHBoxLayout;
    attenuation_ = new QRadioButton("&Attenuation", this);
    power_ = new QRadioButton("Average &Power", this);
    attenuation_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(attenuation_);
    group->addButton(power_);
    connect(power_, &QRadioButton::toggled, this, [this](bool on) {
        model_.Quantity = on ? ChartQuantity::AveragePower : ChartQuantity::Attenuation;
        Redraw();
    });
    quantities->addWidget(attenuation_);
    quantities->addWidget(power_);
    quantities->addStretch();
    main->addLayout(quantities);
    chart_ = new ChartWidget(this);
    main->addWidget(chart_, 1);
    readOut_ = new QLabel(kReadOutHint, this);
    connect(chart_, &ChartWidget::ReadOutChanged, readOut_, &QLabel::setText);
    main->addWidget(readOut_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = new QPushButton("&Save As...", this);
    auto* print = new QPushButton("P&rint...", this);
    auto* close = new QPushButton("&Close", this);
    connect(save, &QPushButton::clicked, this, &ChartWindow::SaveAs);
    connect(print, &QPushButton::clicked, this, &ChartWindow::Print);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* button : {save, print, close})
        buttons->addWidget(button);
    main->addLayout(buttons);
    layout->addLayout(main, 1);
    resize(1040, 600);
    Redraw();
}

void ChartWindow::LineChecked(QListWidgetItem* item) {
    const int row = lines_->row(item);
    if (!model_.SetChosen(row, item->checkState() == Qt::Checked)) {
        const QSignalBlocker block(lines_);
        item->setCheckState(Qt::Unchecked);
        readOut_->setText(QString("At most %1 lines are charted at once.").arg(TChartOfLines::kMaxChosen));
        return;
    }
    Redraw();
}

void ChartWindow::Redraw() {
    chart_->SetFigure(model_.Figure());
}

void ChartWindow::SaveAs() {
    TFileDialog dialog;
    dialog.kind = TFileDialog::Kind::Save;
    dialog.Name = "ChartSave";
    dialog.Title = "Save The Chart";
    dialog.Filter = "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg";
    dialog.DefaultExt = "png";
    dialog.InitialDir = folder_.string();
    dialog.FileName = "chart.png";
    dialog.OverwritePrompt = true;
    if (!services_.ExecuteFileDialog(dialog))
        return;
    QString error;
    if (!report::SaveChart(chart_->Figure(), ToQString(dialog.FileName), &error))
        services_.ShowMessage(FromQString(error), MessageIcon::Error);
}

void ChartWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Chart Of Lines");
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
    QPrintPreviewDialog preview(&printer, this);
    const ChartFigure figure = chart_->Figure();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&figure](QPrinter* target) {
        QPainter painter(target);
        const QRect page = target->pageLayout().paintRectPixels(target->resolution());
        report::PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(page.size())), figure);
    });
    preview.exec();
}

} // namespace dorvik::gui
