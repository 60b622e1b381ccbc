#include "report/chart/chart_painter.h"

#include "core/text/numbers.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace dorvik::report {

namespace {

// Colours that stay apart for the colour-blind, each with a dash pattern of its own.
constexpr std::array<QRgb, 10> kColours{0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7, 0x000000,
                                        0xE69F00, 0x56B4E9, 0x8C564B, 0x7F7F7F, 0xB2182B};
const std::array<QList<qreal>, 10> kDashes{{{},
                                            {6, 3},
                                            {1.5, 2.5},
                                            {6, 2.5, 1.5, 2.5},
                                            {10, 3},
                                            {3, 3},
                                            {6, 2.5, 1.5, 2.5, 1.5, 2.5},
                                            {12, 3, 3, 3},
                                            {1.5, 5},
                                            {9, 2.5, 1.5, 2.5, 1.5, 2.5, 1.5, 2.5}}};

// The text unit of a layout: everything scales with the area, so the window, a page and a file look alike.
double Unit(const QRectF& area) {
    return std::clamp(std::min(area.width(), area.height()) / 58.0, 7.0, 40.0);
}

QFont ChartFont(double unit, bool bold = false) {
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(unit))));
    font.setBold(bold);
    return font;
}

QString Number(double value, char separator) {
    return QString::fromStdString(FormatGeneral(value, separator));
}

// Four significant digits: a read-out, not a figure of the grid.
double Rounded(double value) {
    if (!(value > 0))
        return value;
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(value)));
    return std::round(value * scale) / scale;
}

struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = 0;
    void Add(double v) {
        if (v > 0 && std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    bool Empty() const { return high == 0; }
};

void DrawMarker(QPainter& painter, int index, const QPointF& at, double size) {
    const double r = size / 2;
    QPolygonF shape;
    switch (index % 5) {
    case 0:
        painter.drawEllipse(at, r, r);
        return;
    case 1:
        painter.drawRect(QRectF(at.x() - r, at.y() - r, size, size));
        return;
    case 2:
        shape << QPointF(at.x(), at.y() - r) << QPointF(at.x() + r, at.y() + r)
              << QPointF(at.x() - r, at.y() + r);
        break;
    case 3:
        shape << QPointF(at.x(), at.y() - r) << QPointF(at.x() + r, at.y()) << QPointF(at.x(), at.y() + r)
              << QPointF(at.x() - r, at.y());
        break;
    default:
        shape << QPointF(at.x(), at.y() + r) << QPointF(at.x() + r, at.y() - r)
              << QPointF(at.x() - r, at.y() - r);
        break;
    }
    painter.drawPolygon(shape);
}

// Markers filled on the first five curves, hollow on the next five: ten shapes for ten curves.
void MarkerBrush(QPainter& painter, int index) {
    painter.setBrush(index < 5 ? QBrush(QColor(kColours[static_cast<std::size_t>(index) % kColours.size()]))
                               : QBrush(Qt::white));
}

} // namespace

QPen CurvePen(int index) {
    const std::size_t i = static_cast<std::size_t>(index) % kColours.size();
    QPen pen{QColor(kColours[i])};
    pen.setWidthF(1.8);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (!kDashes[i].isEmpty())
        pen.setDashPattern(kDashes[i]);
    return pen;
}

ChartLayout::ChartLayout(const ChartFigure& figure, const QRectF& area) : area_(area) {
    Extent xs, ys;
    for (const ChartSeries& series : figure.Series)
        for (const CurvePoint& p : series.Points) {
            xs.Add(p.FrequencyMHz);
            ys.Add(p.Value);
        }
    if (figure.QueryBand) {
        xs.Add(figure.QueryBand->From);
        xs.Add(figure.QueryBand->To);
    }
    x_ = xs.Empty() ? MakeLogAxis(1, 10) : MakeLogAxis(xs.low, xs.high);
    y_ = ys.Empty() ? MakeLogAxis(1, 10) : MakeLogAxis(ys.low, ys.high);

    const double u = Unit(area);
    const QFontMetricsF metrics(ChartFont(u));
    double legendWidth = 0;
    for (const ChartSeries& series : figure.Series)
        legendWidth = std::max(legendWidth, metrics.horizontalAdvance(QString::fromStdString(series.Legend)));
    legendWidth = std::min(legendWidth + 5 * u, area.width() * 0.38);
    double labelWidth = 0;
    for (const double tick : y_.Ticks)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(Number(tick, figure.DecimalSeparator)));
    const double left = area.left() + 2.2 * u + labelWidth + 0.8 * u;
    const double top = area.top() + 3.2 * u;
    const double right = area.right() - (figure.Series.empty() ? u : legendWidth + 1.5 * u);
    const double bottom = area.bottom() - 4.2 * u;
    plot_ = QRectF(QPointF(left, top), QPointF(std::max(right, left + u), std::max(bottom, top + u)));
    const double legendHeight = (figure.Series.size() + 0.6) * 1.7 * u;
    legend_ = QRectF(plot_.right() + u, plot_.top(), legendWidth, std::min(legendHeight, plot_.height()));
}

QPointF ChartLayout::Map(double frequency, double value) const {
    const auto fraction = [](double v, const LogAxis& axis) {
        return (std::log10(v) - std::log10(axis.Low)) / (std::log10(axis.High) - std::log10(axis.Low));
    };
    return {plot_.left() + fraction(frequency, x_) * plot_.width(),
            plot_.bottom() - fraction(value, y_) * plot_.height()};
}

double ChartLayout::FrequencyAt(double x) const {
    const double fraction = (x - plot_.left()) / plot_.width();
    return std::pow(10.0, std::log10(x_.Low) + fraction * (std::log10(x_.High) - std::log10(x_.Low)));
}

double ChartLayout::ValueAt(double y) const {
    const double fraction = (plot_.bottom() - y) / plot_.height();
    return std::pow(10.0, std::log10(y_.Low) + fraction * (std::log10(y_.High) - std::log10(y_.Low)));
}

std::optional<ChartLayout::Hit> ChartLayout::CurveAt(const ChartFigure& figure, const QPointF& point,
                                                     double tolerance) const {
    if (!plot_.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(point))
        return std::nullopt;
    const double f = FrequencyAt(point.x());
    std::optional<Hit> best;
    double bestDistance = tolerance;
    for (std::size_t s = 0; s < figure.Series.size(); ++s) {
        const std::vector<CurvePoint>& points = figure.Series[s].Points;
        const auto after = std::lower_bound(points.begin(), points.end(), f,
                                            [](const CurvePoint& p, double v) { return p.FrequencyMHz < v; });
        if (after == points.end() || (after == points.begin() && after->FrequencyMHz > f))
            continue;
        double value = after->Value;
        if (after != points.begin() && after->FrequencyMHz != f) {
            const CurvePoint& a = *(after - 1);
            const double t = std::log(f / a.FrequencyMHz) / std::log(after->FrequencyMHz / a.FrequencyMHz);
            value = std::exp(std::log(a.Value) + t * (std::log(after->Value) - std::log(a.Value)));
        }
        const double distance = std::abs(Map(f, value).y() - point.y());
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = Hit{static_cast<int>(s), f, value};
        }
    }
    return best;
}

QString ReadOut(const ChartFigure& figure, const ChartLayout::Hit& hit) {
    const ChartSeries& series = figure.Series.at(static_cast<std::size_t>(hit.Series));
    return QString::fromStdString(
        series.PartNumber + ": " + FormatGeneral(Rounded(hit.FrequencyMHz), figure.DecimalSeparator) +
        " MHz, " + FormatFixed2(hit.Value, figure.DecimalSeparator) + " " + figure.ValueUnit);
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartFigure& figure) {
    const ChartLayout layout(figure, area);
    const QRectF& plot = layout.Plot();
    const double u = Unit(area);
    const char sep = figure.DecimalSeparator;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);

    // The query band, then the grid over it.
    if (figure.QueryBand) {
        const QPointF a = layout.Map(figure.QueryBand->From, layout.YAxis().Low);
        const QPointF b = layout.Map(figure.QueryBand->To, layout.YAxis().High);
        painter.fillRect(QRectF(a, b).normalized().intersected(plot).adjusted(0, 0, std::max(0.0, 1.0), 0),
                         QColor(0xDD, 0xE8, 0xF6));
    }
    painter.setPen(QPen(QColor(0xE2, 0xE2, 0xE2), 0.6));
    for (const double f : layout.XAxis().MinorTicks)
        painter.drawLine(QLineF(layout.Map(f, layout.YAxis().Low), layout.Map(f, layout.YAxis().High)));
    for (const double v : layout.YAxis().MinorTicks)
        painter.drawLine(QLineF(layout.Map(layout.XAxis().Low, v), layout.Map(layout.XAxis().High, v)));
    painter.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 0.9));
    for (const double f : layout.XAxis().Ticks)
        painter.drawLine(QLineF(layout.Map(f, layout.YAxis().Low), layout.Map(f, layout.YAxis().High)));
    for (const double v : layout.YAxis().Ticks)
        painter.drawLine(QLineF(layout.Map(layout.XAxis().Low, v), layout.Map(layout.XAxis().High, v)));

    // Tick labels and axis titles.
    painter.setFont(ChartFont(u));
    painter.setPen(Qt::black);
    for (const double f : layout.XAxis().Ticks) {
        const QPointF at = layout.Map(f, layout.YAxis().Low);
        painter.drawText(QRectF(at.x() - 4 * u, at.y() + 0.4 * u, 8 * u, 1.4 * u),
                         Qt::AlignHCenter | Qt::AlignTop, Number(f, sep));
    }
    for (const double v : layout.YAxis().Ticks) {
        const QPointF at = layout.Map(layout.XAxis().Low, v);
        painter.drawText(QRectF(area.left(), at.y() - 0.8 * u, at.x() - 0.6 * u - area.left(), 1.6 * u),
                         Qt::AlignRight | Qt::AlignVCenter, Number(v, sep));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 2 * u, plot.width(), 1.8 * u), Qt::AlignCenter,
                     QString::fromStdString(figure.XAxisLabel));
    painter.save();
    painter.translate(area.left() + 0.2 * u, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), 1.6 * u), Qt::AlignCenter,
                     QString::fromStdString(figure.YAxisLabel));
    painter.restore();
    painter.setFont(ChartFont(1.3 * u, true));
    painter.drawText(QRectF(area.left(), area.top() + 0.5 * u, area.width(), 2 * u), Qt::AlignCenter,
                     QString::fromStdString(figure.Title));

    // The mid-band frequency the grid's figures are computed at.
    painter.setFont(ChartFont(0.9 * u));
    if (figure.MidBand) {
        const double x = layout.Map(*figure.MidBand, layout.YAxis().Low).x();
        QPen pen(QColor(0x40, 0x40, 0x40), 1.0, Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(QLineF(x, plot.top(), x, plot.bottom()));
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(QRectF(x + 0.3 * u, plot.top() + 0.2 * u, 12 * u, 1.3 * u),
                         Qt::AlignLeft | Qt::AlignTop, "Mid band " + Number(*figure.MidBand, sep) + " MHz");
    }

    // The curves, clipped to the plot.
    painter.save();
    painter.setClipRect(plot);
    for (std::size_t s = 0; s < figure.Series.size(); ++s) {
        const std::vector<CurvePoint>& points = figure.Series[s].Points;
        QPainterPath path;
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (!(points[i].Value > 0))
                continue;
            const QPointF at = layout.Map(points[i].FrequencyMHz, points[i].Value);
            path.elementCount() == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        painter.setPen(CurvePen(static_cast<int>(s)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        QPen markerPen = CurvePen(static_cast<int>(s));
        markerPen.setStyle(Qt::SolidLine);
        markerPen.setWidthF(1.2);
        painter.setPen(markerPen);
        MarkerBrush(painter, static_cast<int>(s));
        // A few markers per curve, staggered so curves that meet do not hide each other's.
        const std::size_t step = std::max<std::size_t>(1, points.size() / 4);
        for (std::size_t i = (s * step / figure.Series.size()) % step; i < points.size(); i += step)
            if (points[i].Value > 0)
                DrawMarker(painter, static_cast<int>(s), layout.Map(points[i].FrequencyMHz, points[i].Value),
                           0.8 * u);
    }
    painter.restore();
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    // The legend: a sample of each curve's pen and marker beside its text.
    if (!figure.Series.empty()) {
        const QRectF& legend = layout.Legend();
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0.8));
        painter.drawRect(legend);
        painter.setFont(ChartFont(u));
        const QFontMetricsF metrics(painter.font());
        for (std::size_t s = 0; s < figure.Series.size(); ++s) {
            const double y = legend.top() + (s + 0.8) * 1.7 * u;
            if (y > legend.bottom())
                break;
            painter.setPen(CurvePen(static_cast<int>(s)));
            painter.drawLine(QLineF(legend.left() + 0.5 * u, y, legend.left() + 3.5 * u, y));
            QPen markerPen = CurvePen(static_cast<int>(s));
            markerPen.setStyle(Qt::SolidLine);
            painter.setPen(markerPen);
            MarkerBrush(painter, static_cast<int>(s));
            DrawMarker(painter, static_cast<int>(s), QPointF(legend.left() + 2 * u, y), 0.8 * u);
            painter.setPen(Qt::black);
            const QRectF textBox(legend.left() + 4.2 * u, y - 0.85 * u, legend.width() - 4.6 * u, 1.7 * u);
            painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(QString::fromStdString(figure.Series[s].Legend),
                                                Qt::ElideRight, textBox.width()));
        }
    }
    if (figure.Series.empty()) {
        painter.setFont(ChartFont(u));
        painter.setPen(Qt::black);
        painter.drawText(plot, Qt::AlignCenter, "No line chosen");
    }
    painter.restore();
}

bool SaveChart(const ChartFigure& figure, const QString& path, QString* error, QSize size) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (suffix != "svg" && suffix != "png")
        return fail(QString("Cannot write %1: the chart is saved as .svg or .png").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QString("Unable to write to %1").arg(path));
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(QString::fromStdString(figure.Title));
        svg.setDescription(QString::fromStdString(figure.YAxisLabel + " against " + figure.XAxisLabel));
        QPainter painter(&svg);
        PaintChart(painter, area, figure);
    } else {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintChart(painter, area, figure);
        }
        if (!image.save(&file, "PNG"))
            return fail(QString("Unable to write to %1").arg(path));
    }
    if (!file.commit())
        return fail(QString("Unable to write to %1").arg(path));
    return true;
}

} // namespace dorvik::report
