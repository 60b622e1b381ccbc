#include "core/chart/chart_scene.h"

#include "core/chart/text_width.h"
#include "core/chart/tick_labels.h"
#include "core/text/numbers.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dorvik {

namespace {

constexpr Rgb kWhite = 0xFFFFFF, kBlack = 0x000000, kBandFill = 0xDDE8F6, kMinorGrid = 0xE2E2E2,
              kMajorGrid = 0xB4B4B4, kMidBand = 0x404040, kLegendFrame = 0x808080;
constexpr double kSmallestText = 8; // points: readable on paper

// The text size everything is measured in: it grows with the area, so a window, a page and a file look alike.
double UnitOf(double width, double height) {
    return std::clamp(std::min(width, height) / 52.0, kSmallestText, 16.0);
}

// A control character (a TAB too) as '?': no painter can draw one, and a TAB would push the text aside.
std::string Printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text;
}

// Within what an axis can cover (NaN is not).
bool OnAxisRange(double v) {
    return v >= kLogAxisLowest && v <= kLogAxisHighest;
}

bool Drawable(const CurvePoint& p) {
    return OnAxisRange(p.FrequencyMHz) && OnAxisRange(p.Value);
}

struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = 0;
    void Add(double v) {
        if (OnAxisRange(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    LogAxis Axis() const { return high == 0 ? MakeLogAxis(1, 10) : MakeLogAxis(low, high); }
};

class SceneBuilder {
public:
    SceneBuilder(const ChartFigure& figure, double width, double height)
        : figure_(figure), u_(UnitOf(width, height)) {
        scene_.Width = width;
        scene_.Height = height;
        scene_.Title = figure.Title;
    }

    ChartScene Build() {
        Layout();
        Add(SceneBox{{0, 0, scene_.Width, scene_.Height}, kWhite, std::nullopt});
        Band();
        Grid();
        TickLabels();
        Titles();
        MidBand();
        Curves();
        Add(SceneBox{scene_.Plot, std::nullopt, SceneStroke{kBlack, 0.1 * u_, {}}});
        Legend();
        if (!scene_.Reason.empty())
            Text(scene_.Reason, {Mid(scene_.Plot), scene_.Plot.Top + scene_.Plot.Height / 2}, u_,
                 TextAnchor::Middle);
        return std::move(scene_);
    }

private:
    static double Mid(const SceneRect& r) { return r.Left + r.Width / 2; }
    std::string Number(double v) const { return FormatGeneral(v, figure_.DecimalSeparator); }
    ScenePoint Map(double f, double v) const { return MapToScene(scene_, f, v); }
    void Add(SceneItem item) { scene_.Items.push_back(std::move(item)); }
    void Line(ScenePoint a, ScenePoint b, SceneStroke stroke) {
        Add(ScenePolyline{{a, b}, std::move(stroke)});
    }
    void Text(std::string text, ScenePoint at, double size, TextAnchor anchor, bool bold = false,
              bool vertical = false, Rgb colour = kBlack) {
        Add(SceneText{std::move(text), at, size, anchor, bold, vertical, colour});
    }

    void Layout() {
        Extent xs, ys;
        for (const ChartSeries& series : figure_.Series)
            for (const CurvePoint& p : series.Points)
                if (Drawable(p)) {
                    xs.Add(p.FrequencyMHz);
                    ys.Add(p.Value);
                }
        if (figure_.QueryBand) {
            xs.Add(figure_.QueryBand->Low);
            xs.Add(figure_.QueryBand->High);
        }
        scene_.X = xs.Axis();
        scene_.Y = ys.Axis();
        if (figure_.Series.empty())
            scene_.Reason = "No line chosen";
        else if (ys.high == 0)
            scene_.Reason =
                "No curve to draw: no line chosen has a value above zero the chart can show in its band";

        double legendWidth = 0;
        for (const ChartSeries& series : figure_.Series)
            legendWidth = std::max(legendWidth, TextWidth(Printable(series.Legend), u_));
        legendWidth = std::min(legendWidth + 5 * u_, scene_.Width * 0.38);
        double labelWidth = 0;
        for (const double tick : scene_.Y.Ticks)
            labelWidth = std::max(labelWidth, TextWidth(Number(tick), u_));
        const double left = 2.2 * u_ + labelWidth + 0.8 * u_;
        const double top = 3.2 * u_;
        // Without a legend, room for half the last frequency label, which is centred on the plot's edge.
        const double lastLabel = TextWidth(Number(scene_.X.High), u_) / 2 + 0.3 * u_;
        const double right =
            scene_.Width - (figure_.Series.empty() ? std::max(u_, lastLabel) : legendWidth + 1.5 * u_);
        const double bottom = scene_.Height - 4.2 * u_;
        scene_.Plot = {left, top, std::max(right - left, u_), std::max(bottom - top, u_)};
        if (!figure_.Series.empty()) {
            const double rows = static_cast<double>(figure_.Series.size()) + 0.6;
            rowHeight_ = std::min(1.7 * u_, scene_.Plot.Height / rows);
            scene_.Legend = {scene_.Plot.Right() + u_, top, legendWidth, rows * rowHeight_};
        }
    }

    void Band() {
        if (!figure_.QueryBand)
            return;
        const double a = Map(figure_.QueryBand->Low, scene_.Y.Low).X;
        const double b = Map(figure_.QueryBand->High, scene_.Y.Low).X;
        const double from = std::max(std::min(a, b), scene_.Plot.Left);
        const double to = std::min(std::max(a, b), scene_.Plot.Right());
        // A band of one frequency still shows as a thin strip.
        const double width = std::max(to - from, 0.1 * u_);
        Add(SceneBox{{from, scene_.Plot.Top, width, scene_.Plot.Height}, kBandFill, std::nullopt});
    }

    void GridLines(const std::vector<double>& fs, const std::vector<double>& vs, const SceneStroke& stroke) {
        const LogAxis& x = scene_.X;
        const LogAxis& y = scene_.Y;
        for (const double f : fs)
            Line(Map(f, y.Low), Map(f, y.High), stroke);
        for (const double v : vs)
            Line(Map(x.Low, v), Map(x.High, v), stroke);
    }

    void Grid() {
        GridLines(scene_.X.MinorTicks, scene_.Y.MinorTicks, {kMinorGrid, 0.05 * u_, {}});
        GridLines(scene_.X.Ticks, scene_.Y.Ticks, {kMajorGrid, 0.08 * u_, {}});
    }

    void TickLabels() {
        const double gap = 0.6 * u_;
        scene_.XLabelled = ThinTickLabels(scene_.X.Ticks, [&](const std::vector<double>& ticks) {
            for (std::size_t i = 1; i < ticks.size(); ++i) {
                const double room = Map(ticks[i], 1).X - Map(ticks[i - 1], 1).X;
                if (room < (TextWidth(Number(ticks[i]), u_) + TextWidth(Number(ticks[i - 1]), u_)) / 2 + gap)
                    return false;
            }
            return true;
        });
        scene_.YLabelled = ThinTickLabels(scene_.Y.Ticks, [&](const std::vector<double>& ticks) {
            for (std::size_t i = 1; i < ticks.size(); ++i)
                if (Map(1, ticks[i - 1]).Y - Map(1, ticks[i]).Y < 1.3 * u_)
                    return false;
            return true;
        });
        for (const double f : scene_.XLabelled)
            Text(Number(f), {Map(f, 1).X, scene_.Plot.Bottom() + 1.4 * u_}, u_, TextAnchor::Middle);
        for (const double v : scene_.YLabelled)
            Text(Number(v), {scene_.Plot.Left - 0.6 * u_, Map(1, v).Y + 0.35 * u_}, u_, TextAnchor::End);
    }

    void Titles() {
        const SceneRect& plot = scene_.Plot;
        Text(figure_.XAxisLabel, {Mid(plot), plot.Bottom() + 3.3 * u_}, u_, TextAnchor::Middle);
        Text(figure_.YAxisLabel, {1.3 * u_, plot.Top + plot.Height / 2}, u_, TextAnchor::Middle, false, true);
        Text(figure_.Title, {scene_.Width / 2, 2.0 * u_}, 1.3 * u_, TextAnchor::Middle, true);
    }

    // The mid-band frequency the grid's figures are computed at.
    void MidBand() {
        if (!figure_.MidBand || !OnAxisRange(*figure_.MidBand))
            return;
        const SceneRect& plot = scene_.Plot;
        const double x = Map(*figure_.MidBand, 1).X;
        Line({x, plot.Top}, {x, plot.Bottom()}, {kMidBand, 0.1 * u_, {0.5 * u_, 0.25 * u_}});
        const double size = std::max(kSmallestText, 0.9 * u_);
        std::string label = "Mid band " + Number(*figure_.MidBand) + " MHz";
        // Beside the line, on the side where it fits.
        const bool right = x + 0.3 * u_ + TextWidth(label, size) <= plot.Right();
        Text(std::move(label), {right ? x + 0.3 * u_ : x - 0.3 * u_, plot.Top + 1.1 * u_}, size,
             right ? TextAnchor::Start : TextAnchor::End, false, false, kMidBand);
    }

    void Marker(int index, ScenePoint at) {
        SceneStroke stroke = CurveStroke(index, u_);
        stroke.Dashes.clear();
        stroke.Width *= 0.67;
        Add(SceneMarker{at, 0.8 * u_, CurveMarker(index), std::move(stroke), CurveMarkerFill(index)});
    }

    void Curves() {
        const std::size_t count = figure_.Series.size();
        for (std::size_t s = 0; s < count; ++s) {
            const int index = static_cast<int>(s);
            const std::vector<CurvePoint>& points = figure_.Series[s].Points;
            // A sample without a value on the log scale breaks the curve.
            ScenePolyline run{{}, CurveStroke(index, u_)};
            for (const CurvePoint& p : points) {
                if (Drawable(p)) {
                    run.Points.push_back(Map(p.FrequencyMHz, p.Value));
                    continue;
                }
                if (run.Points.size() > 1)
                    Add(run);
                run.Points.clear();
            }
            if (run.Points.size() > 1)
                Add(std::move(run));
            // A few markers per curve, staggered so curves that meet do not hide each other's.
            const std::size_t step = std::max<std::size_t>(1, points.size() / 4);
            for (std::size_t i = (s * step / count) % step; i < points.size(); i += step)
                if (Drawable(points[i]))
                    Marker(index, Map(points[i].FrequencyMHz, points[i].Value));
        }
    }

    // A sample of each curve's pen and marker beside its text.
    void Legend() {
        if (figure_.Series.empty())
            return;
        const SceneRect& legend = scene_.Legend;
        Add(SceneBox{legend, std::nullopt, SceneStroke{kLegendFrame, 0.07 * u_, {}}});
        for (std::size_t s = 0; s < figure_.Series.size(); ++s) {
            const int index = static_cast<int>(s);
            const double y = legend.Top + (static_cast<double>(s) + 0.8) * rowHeight_;
            Line({legend.Left + 0.5 * u_, y}, {legend.Left + 3.5 * u_, y}, CurveStroke(index, u_));
            Marker(index, {legend.Left + 2 * u_, y});
            Text(ElideText(Printable(figure_.Series[s].Legend), u_, legend.Width - 4.6 * u_),
                 {legend.Left + 4.2 * u_, y + 0.35 * u_}, u_, TextAnchor::Start);
        }
    }

    const ChartFigure& figure_;
    ChartScene scene_;
    double u_;
    double rowHeight_ = 0;
};

double Fraction(double v, const LogAxis& axis) {
    return (std::log10(v) - std::log10(axis.Low)) / (std::log10(axis.High) - std::log10(axis.Low));
}

double Unfraction(double fraction, const LogAxis& axis) {
    return std::pow(10.0, std::log10(axis.Low) + fraction * (std::log10(axis.High) - std::log10(axis.Low)));
}

// Four significant digits: a read-out, not a figure of the grid.
double Rounded(double value) {
    if (!(value > 0))
        return value;
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(value)));
    return std::round(value * scale) / scale;
}

} // namespace

ChartScene MakeChartScene(const ChartFigure& figure, double width, double height) {
    return SceneBuilder(figure, width, height).Build();
}

ScenePoint MapToScene(const ChartScene& scene, double frequency, double value) {
    const SceneRect& plot = scene.Plot;
    return {plot.Left + Fraction(frequency, scene.X) * plot.Width,
            plot.Bottom() - Fraction(value, scene.Y) * plot.Height};
}

double FrequencyAt(const ChartScene& scene, double x) {
    return Unfraction((x - scene.Plot.Left) / scene.Plot.Width, scene.X);
}

double ValueAt(const ChartScene& scene, double y) {
    return Unfraction((scene.Plot.Bottom() - y) / scene.Plot.Height, scene.Y);
}

std::optional<CurveHit> CurveAt(const ChartScene& scene, const ChartFigure& figure, ScenePoint point,
                                double tolerance) {
    if (!scene.Plot.Contains(point, tolerance))
        return std::nullopt;
    const double f = FrequencyAt(scene, point.X);
    std::optional<CurveHit> best;
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
        if (!(value > 0) || !std::isfinite(value))
            continue;
        const double distance = std::abs(MapToScene(scene, f, value).Y - point.Y);
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = CurveHit{static_cast<int>(s), f, value};
        }
    }
    return best;
}

std::string ReadOutText(const ChartFigure& figure, const CurveHit& hit) {
    const ChartSeries& series = figure.Series.at(static_cast<std::size_t>(hit.Series));
    return DecodeForDisplay(series.PartNumber) + ": " +
           FormatGeneral(Rounded(hit.FrequencyMHz), figure.DecimalSeparator) + " MHz, " +
           FormatFixed2(hit.Value, figure.DecimalSeparator) + " " + figure.ValueUnit;
}

} // namespace dorvik
