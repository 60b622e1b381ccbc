#pragma once
// The chart window, a view of its model: the lines of the last search with check boxes, attenuation or
// average power, the chart with a read-out of the curve under the mouse, and Save As, Print and Close.
#include "core/forms/chart/frm_chart.h"
#include "gui/ancillary/form_dialog.h"
#include "report/chart/chart_painter.h"

#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QRadioButton;

namespace dorvik::gui {

// Paints a figure and reports the curve under the mouse.
class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);
    void SetFigure(ChartFigure figure);
    const ChartFigure& Figure() const { return figure_; }

signals:
    void ReadOutChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The scene for the widget's size, laid out again when the figure or the size changes.
    const report::ChartLayout& Layout();

    ChartFigure figure_;
    std::optional<report::ChartLayout> layout_;
    QSize laidOutFor_;
    std::optional<report::ChartLayout::Hit> hit_;
};

class ChartWindow : public FormDialog {
    Q_OBJECT
public:
    ChartWindow(TfrmChart& form, IPlatformServices& services, IChartOutput& output,
                QWidget* parent = nullptr);
    void Refresh() override;

    QListWidget* LineList() const { return lines_; }
    ChartWidget* Chart() const { return chart_; }
    QRadioButton* PowerButton() const { return power_; }
    QLabel* ReadOut() const { return readOut_; }

    void SaveAs();
    void Print();

private:
    void LineChecked(QListWidgetItem* item);

    TfrmChart& form_;
    IChartOutput& output_;
    int shownRevision_ = -1;
    QListWidget* lines_ = nullptr;
    ChartWidget* chart_ = nullptr;
    QRadioButton* attenuation_ = nullptr;
    QRadioButton* power_ = nullptr;
    QLabel* readOut_ = nullptr;
};

} // namespace dorvik::gui
