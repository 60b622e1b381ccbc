// The chart scene and its SVG from any figures. The input is text: the first line holds the query band's ends
// and its mid-band frequency, each further line one series as frequency and value pairs; numbers as strtod
// reads them (inf, nan, 1e308, 4.9e-324). Properties: no crash; the axes have finite ends with ticks between
// them; every point the scene places is finite; the SVG is made.
#include "core/chart/chart_scene.h"
#include "core/chart/chart_svg.h"
#include "core/text/text_file.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <variant>

using namespace dorvik;
using fuzz::Require;

namespace {

std::vector<double> NumbersOf(const std::string& line) {
    std::vector<double> numbers;
    const char* at = line.c_str();
    for (char* end = nullptr;; at = end) {
        const double v = std::strtod(at, &end);
        if (end == at)
            break;
        numbers.push_back(v);
    }
    return numbers;
}

void CheckAxis(const LogAxis& axis) {
    Require(std::isfinite(axis.Low) && std::isfinite(axis.High) && axis.Low > 0 && axis.Low < axis.High,
            "an axis has finite ends above 0, low below high");
    Require(axis.Ticks.size() >= 2 && axis.Ticks.front() == axis.Low && axis.Ticks.back() == axis.High,
            "an axis has its ends among its ticks");
}

bool Finite(ScenePoint p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = SplitLines(fuzz::AsText(data, size));
    ChartFigure figure{"Attenuation", "Frequency (MHz)", "dB/100 ft", "dB/100 ft", {}, {}, {}, '.'};
    for (std::size_t i = 0; i < lines.size() && i < 12; ++i) {
        const auto numbers = NumbersOf(lines[i]);
        if (i == 0) {
            if (numbers.size() >= 2)
                figure.QueryBand = FrequencyBand{numbers[0], numbers[1]};
            if (numbers.size() >= 3)
                figure.MidBand = numbers[2];
            continue;
        }
        ChartSeries series{"L" + std::to_string(i), {}, "L" + std::to_string(i)};
        for (std::size_t n = 0; n + 1 < numbers.size() && n < 400; n += 2)
            series.Points.push_back({numbers[n], numbers[n + 1]});
        figure.Series.push_back(std::move(series));
    }
    const ChartScene scene = MakeChartScene(figure, 750, 525);
    CheckAxis(scene.X);
    CheckAxis(scene.Y);
    for (const SceneItem& item : scene.Items) {
        if (const auto* line = std::get_if<ScenePolyline>(&item))
            for (const ScenePoint& p : line->Points)
                Require(Finite(p), "a line's points are finite");
        if (const auto* marker = std::get_if<SceneMarker>(&item))
            Require(Finite(marker->At), "a marker is at a finite point");
        if (const auto* text = std::get_if<SceneText>(&item))
            Require(Finite(text->At), "a text is at a finite point");
    }
    Require(!ChartSvg(scene).empty(), "the SVG is made");
    return 0;
}
