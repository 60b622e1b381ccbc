#pragma once
// The chart window: the lines of the last search drawn over frequency, chosen in a list with check boxes, as
// attenuation or average power, with a read-out of the curve under the mouse; saved as PNG or SVG, or
// printed.
#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/services.h"
#include "report/chart/chart_painter.h"

#include <QDialog>
#include <QWidget>

#include <filesystem>
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
    ChartFigure figure_;
    std::optional<report::ChartLayout::Hit> hit_;
};

class ChartWindow : public QDialog {
    Q_OBJECT
public:
    ChartWindow(TChartOfLines model, IPlatformServices& services, std::filesystem::path folder,
                QWidget* parent = nullptr);

    QListWidget* LineList() const { return lines_; }
    ChartWidget* Chart() const { return chart_; }
    QRadioButton* PowerButton() const { return power_; }
    QLabel* ReadOut() const { return readOut_; }
    const TChartOfLines& Model() const { return model_; }

    void SaveAs();
    void Print();

private:
    void LineChecked(QListWidgetItem* item);
    void Redraw();

    TChartOfLines model_;
    IPlatformServices& services_;
    std::filesystem::path folder_;
    QListWidget* lines_ = nullptr;
    ChartWidget* chart_ = nullptr;
    QRadioButton* attenuation_ = nullptr;
    QRadioButton* power_ = nullptr;
    QLabel* readOut_ = nullptr;
};

} // namespace dorvik::gui
