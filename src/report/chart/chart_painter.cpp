#include "report/chart/chart_painter.h"

#include "core/chart/chart_svg.h"
#include "core/errors.h"
#include "core/text/text_file.h"
#include "report/report_fonts.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace dorvik::report {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kScreenDpi = 96;

QColor ColourOf(Rgb rgb) {
    return QColor(static_cast<QRgb>(rgb));
}

QPen PenOf(const SceneStroke& stroke, double scale) {
    QPen pen(ColourOf(stroke.Colour), stroke.Width * scale);
    pen.setJoinStyle(Qt::RoundJoin);
    if (!stroke.Dashes.empty()) {
        // Qt counts dashes in pen widths.
        QList<qreal> pattern;
        for (const double length : stroke.Dashes)
            pattern.append(length / stroke.Width);
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(pattern);
    }
    return pen;
}

// Draws one item of the scene.
class ItemPainter {
public:
    ItemPainter(QPainter& painter, const ChartLayout& layout) : painter_(painter), layout_(layout) {}

    void operator()(const SceneBox& box) const {
        const QRectF rect = layout_.ToDevice(box.Rect);
        if (box.Fill)
            painter_.fillRect(rect, ColourOf(*box.Fill));
        if (box.Stroke) {
            painter_.setPen(Pen(*box.Stroke));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(rect);
        }
    }

    void operator()(const ScenePolyline& line) const {
        QPolygonF points;
        for (const ScenePoint p : line.Points)
            points << layout_.ToDevice(p);
        painter_.setPen(Pen(line.Stroke));
        painter_.drawPolyline(points);
    }

    void operator()(const SceneMarker& marker) const {
        const QPointF at = layout_.ToDevice(marker.At);
        const double r = layout_.ToDevice(marker.Size / 2);
        painter_.setPen(Pen(marker.Stroke));
        painter_.setBrush(marker.Fill ? QBrush(ColourOf(*marker.Fill)) : QBrush(Qt::NoBrush));
        switch (marker.Shape) {
        case MarkerShape::Circle:
            painter_.drawEllipse(at, r, r);
            return;
        case MarkerShape::Square:
            painter_.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
            return;
        case MarkerShape::TriangleUp:
            painter_.drawPolygon(QPolygonF{at + QPointF(0, -r), at + QPointF(r, r), at + QPointF(-r, r)});
            return;
        case MarkerShape::Diamond:
            painter_.drawPolygon(
                QPolygonF{at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)});
            return;
        case MarkerShape::TriangleDown:
            painter_.drawPolygon(QPolygonF{at + QPointF(0, r), at + QPointF(r, -r), at + QPointF(-r, -r)});
            return;
        }
    }

    void operator()(const SceneText& text) const {
        // Point sizes: the device's resolution turns them into its units, as the layout's scale does.
        const QFont font = ReportFont(text.Size, text.Bold);
        const QString string = QString::fromStdString(text.Text);
        const double width = QFontMetricsF(font, painter_.device()).horizontalAdvance(string);
        const double shift = text.Anchor == TextAnchor::Start    ? 0
                             : text.Anchor == TextAnchor::Middle ? width / 2
                                                                 : width;
        painter_.save();
        painter_.setFont(font);
        painter_.setPen(ColourOf(text.Colour));
        painter_.translate(layout_.ToDevice(text.At));
        if (text.Vertical)
            painter_.rotate(-90);
        painter_.drawText(QPointF(-shift, 0), string);
        painter_.restore();
    }

private:
    QPen Pen(const SceneStroke& stroke) const { return PenOf(stroke, layout_.ToDevice(1.0)); }

    QPainter& painter_;
    const ChartLayout& layout_;
};

double DpiOf(const QPaintDevice* device) {
    return device ? device->logicalDpiY() : kScreenDpi;
}

} // namespace

QPen CurvePen(int index) {
    return PenOf(CurveStroke(index, 12), 1);
}

ChartLayout::ChartLayout(const ChartFigure& figure, const QRectF& area, double dpi)
    : origin_(area.topLeft()), scale_(std::max(dpi, 1.0) / kPointsPerInch) {
    scene_ = MakeChartScene(figure, area.width() / scale_, area.height() / scale_);
}

QPointF ChartLayout::ToDevice(ScenePoint point) const {
    return origin_ + QPointF(point.X, point.Y) * scale_;
}

QRectF ChartLayout::ToDevice(const SceneRect& rect) const {
    return {ToDevice(ScenePoint{rect.Left, rect.Top}), QSizeF(rect.Width, rect.Height) * scale_};
}

std::optional<ChartLayout::Hit> ChartLayout::CurveAt(const ChartFigure& figure, const QPointF& point,
                                                     double tolerance) const {
    const QPointF at = (point - origin_) / scale_;
    return dorvik::CurveAt(scene_, figure, {at.x(), at.y()}, tolerance / scale_);
}

void PaintScene(QPainter& painter, const ChartLayout& layout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const ItemPainter paint(painter, layout);
    for (const SceneItem& item : layout.Scene().Items)
        std::visit(paint, item);
    painter.restore();
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartFigure& figure) {
    PaintScene(painter, ChartLayout(figure, area, DpiOf(painter.device())));
}

QString ReadOut(const ChartFigure& figure, const ChartLayout::Hit& hit) {
    return QString::fromStdString(ReadOutText(figure, hit));
}

bool SaveChart(const ChartFigure& figure, const QString& path, QString* error, QSize size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const std::filesystem::path file = path.toStdString();
    try {
        if (suffix == QStringLiteral("svg")) {
            WriteChartSvg(figure, file, size.width() * kPointsPerInch / kScreenDpi,
                          size.height() * kPointsPerInch / kScreenDpi);
            return true;
        }
        if (suffix != QStringLiteral("png"))
            throw DorvikError("Cannot write " + file.string() + ": the chart is saved as .svg or .png");
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), figure);
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            throw FileError("Unable to write to " + file.string());
        WriteFileAtomically(
            file, std::string_view(buffer.data().constData(), static_cast<std::size_t>(buffer.size())));
        return true;
    } catch (const DorvikError& failure) {
        if (error)
            *error = QString::fromStdString(failure.what());
        return false;
    }
}

QPageLayout ChartPageLayout(const ChartPage& page) {
    const QSizeF portrait(std::min(page.WidthPt, page.HeightPt), std::max(page.WidthPt, page.HeightPt));
    return QPageLayout(QPageSize(portrait, QPageSize::Point),
                       page.WidthPt > page.HeightPt ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(page.MarginMm, page.MarginMm, page.MarginMm, page.MarginMm),
                       QPageLayout::Millimeter);
}

void PaintChartPage(QPainter& painter, QPagedPaintDevice& device, const ChartFigure& figure) {
    const QRect printable = device.pageLayout().paintRectPixels(device.logicalDpiY());
    PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(printable.size())), figure);
}

void WriteChartPdf(const ChartFigure& figure, const ChartPage& page, const std::filesystem::path& file) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(ChartPageLayout(page));
        writer.setTitle(QString::fromStdString(page.DocumentName));
        QPainter painter;
        if (!painter.begin(&writer))
            throw FileError("Unable to write to " + file.string());
        PaintChartPage(painter, writer, figure);
    }
    WriteFileAtomically(file,
                        std::string_view(buffer.data().constData(), static_cast<std::size_t>(buffer.size())));
}

} // namespace dorvik::report
