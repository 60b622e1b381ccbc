#pragma once
// The chart of lines painted with QPainter: log-log axes with 1-2-5 ticks, the query band shaded, the
// mid-band frequency marked, one curve per line in a colour and a dash pattern of its own (so black-and-white
// prints tell them apart), and a legend. The same code paints the window, the printed page, SVG and PNG
// files.
#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/chart/log_axis.h"

#include <QPen>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace dorvik::report {

// The pen of the n-th curve (colour, width, dash pattern).
QPen CurvePen(int index);

// Where things go when a figure is painted into an area: the plot rectangle and the value-to-point mapping.
class ChartLayout {
public:
    ChartLayout(const ChartFigure& figure, const QRectF& area);

    const QRectF& Plot() const { return plot_; }
    const QRectF& Legend() const { return legend_; }
    const LogAxis& XAxis() const { return x_; }
    const LogAxis& YAxis() const { return y_; }
    QPointF Map(double frequency, double value) const;
    double FrequencyAt(double x) const;
    double ValueAt(double y) const;

    // The curve under a point of the plot: its index and the curve's value at the point's frequency (read on
    // the log-log line between the neighbouring samples); none when no curve passes within `tolerance`
    // points.
    struct Hit {
        int Series = -1;
        double FrequencyMHz = 0;
        double Value = 0;
    };
    std::optional<Hit> CurveAt(const ChartFigure& figure, const QPointF& point, double tolerance = 6) const;

private:
    QRectF area_, plot_, legend_;
    LogAxis x_, y_;
};

void PaintChart(QPainter& painter, const QRectF& area, const ChartFigure& figure);

// "PN: 900 MHz, 3.90 dB/100 ft", as the window's read-out shows a hit.
QString ReadOut(const ChartFigure& figure, const ChartLayout::Hit& hit);

// Writes the chart as SVG or PNG, chosen by the file's extension (".svg", ".png"), through a temporary file
// so no partial file is left; false with a message naming the file on failure.
bool SaveChart(const ChartFigure& figure, const QString& path, QString* error, QSize size = {1000, 700});

} // namespace dorvik::report
