#pragma once
// The chart scene painted with QPainter on any device: the scene is laid out for the device's area in points
// and scaled by the device's resolution, so the window, a PNG, the printed page and a PDF have the same
// proportions and the printed text its size in points. SVG comes from the core's writer of the same scene.
#include "core/chart/chart_figure.h"
#include "core/chart/chart_page.h"
#include "core/chart/chart_scene.h"

#include <QPageLayout>
#include <QPen>
#include <QRectF>
#include <QString>

#include <filesystem>
#include <optional>

class QPainter;
class QPagedPaintDevice;

namespace dorvik::report {

// The pen of the n-th curve (colour, width, dash pattern) at the window's usual size.
QPen CurvePen(int index);

// The scene of a figure in an area of a device of `dpi` logical dots per inch, and the mapping between the
// two.
class ChartLayout {
public:
    using Hit = CurveHit;
    ChartLayout(const ChartFigure& figure, const QRectF& area, double dpi = 96);

    const ChartScene& Scene() const { return scene_; }
    QRectF Plot() const { return ToDevice(scene_.Plot); }
    QRectF Legend() const { return ToDevice(scene_.Legend); }
    const LogAxis& XAxis() const { return scene_.X; }
    const LogAxis& YAxis() const { return scene_.Y; }
    QPointF Map(double frequency, double value) const {
        return ToDevice(MapToScene(scene_, frequency, value));
    }
    QPointF ToDevice(ScenePoint point) const;
    QRectF ToDevice(const SceneRect& rect) const;
    double ToDevice(double length) const { return length * scale_; }

    // The curve under a point of the area; none when no curve passes within `tolerance` device units.
    std::optional<Hit> CurveAt(const ChartFigure& figure, const QPointF& point, double tolerance = 6) const;

private:
    ChartScene scene_;
    QPointF origin_;
    double scale_; // device units per point
};

// The figure in the area of the painter's device, at the device's resolution.
void PaintChart(QPainter& painter, const QRectF& area, const ChartFigure& figure);
void PaintScene(QPainter& painter, const ChartLayout& layout);

// "PN: 900 MHz, 3.90 dB/100 ft", as the window's read-out shows a hit.
QString ReadOut(const ChartFigure& figure, const ChartLayout::Hit& hit);

// Writes the chart as SVG or PNG, chosen by the file's extension (".svg", ".png"), replacing the file only
// once it is complete; false with a message naming the file on failure. `size` in pixels at 96 dots per inch.
bool SaveChart(const ChartFigure& figure, const QString& path, QString* error, QSize size = {1000, 700});

// The page the chart is printed on, and the chart on the printable area of a page of a printer or PDF writer.
QPageLayout ChartPageLayout(const ChartPage& page);
void PaintChartPage(QPainter& painter, QPagedPaintDevice& device, const ChartFigure& figure);
// The chart as the Print command prints it, written as a PDF file; FileError naming the file on failure.
void WriteChartPdf(const ChartFigure& figure, const ChartPage& page, const std::filesystem::path& file);

} // namespace dorvik::report
