#pragma once
// The chart of lines as plain geometry, computed once for a size in points: the plot rectangle, the axes with
// their 1-2-5 ticks and labels, the shaded query band, the mid-band marker, each curve as polylines, the
// legend, and the reason when no curve can be drawn. Painters (Qt, SVG, the web page) only draw its items in
// order, scaled to their device.
#include "core/chart/chart_figure.h"
#include "core/chart/log_axis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace dorvik {

using Rgb = std::uint32_t; // 0xRRGGBB

struct ScenePoint {
    double X = 0, Y = 0;
};

struct SceneRect {
    double Left = 0, Top = 0, Width = 0, Height = 0;
    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
    bool Contains(ScenePoint p, double margin = 0) const {
        return p.X >= Left - margin && p.X <= Right() + margin && p.Y >= Top - margin &&
               p.Y <= Bottom() + margin;
    }
    bool Intersects(const SceneRect& other) const {
        return Left < other.Right() && other.Left < Right() && Top < other.Bottom() && other.Top < Bottom();
    }
};

struct SceneStroke {
    Rgb Colour = 0;
    double Width = 1;
    std::vector<double> Dashes; // dash and gap lengths in the scene's unit; empty: solid
};

struct SceneBox {
    SceneRect Rect;
    std::optional<Rgb> Fill;
    std::optional<SceneStroke> Stroke;
};

struct ScenePolyline {
    std::vector<ScenePoint> Points;
    SceneStroke Stroke;
};

enum class MarkerShape { Circle, Square, TriangleUp, Diamond, TriangleDown };

struct SceneMarker {
    ScenePoint At;
    double Size = 0;
    MarkerShape Shape = MarkerShape::Circle;
    SceneStroke Stroke;
    std::optional<Rgb> Fill; // none: hollow
};

enum class TextAnchor { Start, Middle, End };

struct SceneText {
    std::string Text; // UTF-8
    ScenePoint At;    // on the baseline, at the anchor
    double Size = 10;
    TextAnchor Anchor = TextAnchor::Start;
    bool Bold = false;
    bool Vertical = false; // turned a quarter to the left about At, reading upwards
    Rgb Colour = 0;
};

using SceneItem = std::variant<SceneBox, ScenePolyline, SceneMarker, SceneText>;

struct ChartScene {
    double Width = 0, Height = 0; // points
    SceneRect Plot;
    SceneRect Legend; // empty without series
    LogAxis X, Y;
    std::vector<double> XLabelled, YLabelled; // the ticks that carry a label
    std::string Title;
    std::string Reason;           // why no curve is drawn; empty when one is
    std::vector<SceneItem> Items; // in painting order
};

// The scene of the figure in an area of width x height points.
ChartScene MakeChartScene(const ChartFigure& figure, double width, double height);

// Where a frequency and a value fall in the scene, and back.
ScenePoint MapToScene(const ChartScene& scene, double frequency, double value);
double FrequencyAt(const ChartScene& scene, double x);
double ValueAt(const ChartScene& scene, double y);

// The curve under a point of the plot: its series and its value at the point's frequency (read on the log-log
// line between neighbouring samples); none when no curve passes within `tolerance`.
struct CurveHit {
    int Series = -1;
    double FrequencyMHz = 0;
    double Value = 0;
};
std::optional<CurveHit> CurveAt(const ChartScene& scene, const ChartFigure& figure, ScenePoint point,
                                double tolerance);

// The n-th curve's look at the text size `unit`: a colour, a width and a dash pattern of its own, so
// black-and- white prints tell the curves apart; markers filled on the first five curves, hollow on the next
// five.
SceneStroke CurveStroke(int index, double unit);
MarkerShape CurveMarker(int index);
std::optional<Rgb> CurveMarkerFill(int index);

// "PN: 900 MHz, 3.90 dB/100 ft", as the window's read-out shows a hit.
std::string ReadOutText(const ChartFigure& figure, const CurveHit& hit);

} // namespace dorvik
