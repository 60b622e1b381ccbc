#include "core/chart/chart_scene.h"

#include "core/chart/chart_svg.h"
#include "core/chart/text_width.h"
#include "core/text/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "support/test_files.h"

namespace dorvik {
namespace {

// A series whose values run as the frequency over [from, to] MHz, sampled at each decade and its halves.
ChartSeries Series(std::string name, double from, double to, double scale = 1) {
    ChartSeries series{name, {}, name};
    for (double f = from; f <= to * 1.0001; f *= std::sqrt(10.0))
        series.Points.push_back({f, f * scale});
    return series;
}

ChartFigure Figure(std::vector<ChartSeries> series) {
    ChartFigure figure;
    figure.Title = "Attenuation Of The Lines Found";
    figure.XAxisLabel = "Frequency (MHz)";
    figure.YAxisLabel = "Attenuation (dB/100 ft)";
    figure.Series = std::move(series);
    return figure;
}

template <typename T> std::vector<T> ItemsOf(const ChartScene& scene) {
    std::vector<T> out;
    for (const SceneItem& item : scene.Items)
        if (const T* element = std::get_if<T>(&item))
            out.push_back(*element);
    return out;
}

// The tick labels under the plot (x) or left of it (y), in order.
std::vector<SceneText> TickLabels(const ChartScene& scene, bool x) {
    std::vector<SceneText> out;
    for (const SceneText& text : ItemsOf<SceneText>(scene)) {
        const bool under = text.Anchor == TextAnchor::Middle && text.At.Y > scene.Plot.Bottom() &&
                           text.At.Y < scene.Plot.Bottom() + 2 * text.Size;
        if (x ? under : text.Anchor == TextAnchor::End)
            out.push_back(text);
    }
    std::sort(out.begin(), out.end(),
              [](const SceneText& a, const SceneText& b) { return a.At.X + a.At.Y < b.At.X + b.At.Y; });
    return out;
}

bool IsPowerOfTen(double v) {
    return std::abs(std::log10(v) - std::round(std::log10(v))) < 1e-9;
}

TEST(ChartScene, TickLabelsThinOutOverManyDecadesAndNeverOverlap) {
    struct Case {
        double from, to, width, height;
        bool allLabelled; // every 1-2-5 tick has room
    };
    for (const Case c : {Case{100, 2000, 1000, 700, true}, Case{1e-3, 1e7, 500, 350, false},
                         Case{1e-3, 1e7, 1000, 700, false}, Case{3700, 4200, 300, 200, true}}) {
        const ChartScene scene = MakeChartScene(Figure({Series("A", c.from, c.to)}), c.width, c.height);
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to) + " in " +
                     std::to_string(c.width));
        ASSERT_GE(scene.XLabelled.size(), 2u);
        ASSERT_GE(scene.YLabelled.size(), 2u);
        EXPECT_EQ(scene.XLabelled.size() == scene.X.Ticks.size(), c.allLabelled);
        for (const double tick : scene.XLabelled)
            EXPECT_TRUE(std::count(scene.X.Ticks.begin(), scene.X.Ticks.end(), tick)) << tick;
        // Over many decades the labels that stay are round: whole decades.
        if (c.to / c.from > 1e6) {
            for (const double tick : scene.XLabelled)
                EXPECT_TRUE(IsPowerOfTen(tick)) << tick;
        }
        const std::vector<SceneText> xs = TickLabels(scene, true), ys = TickLabels(scene, false);
        EXPECT_EQ(xs.size(), scene.XLabelled.size());
        EXPECT_EQ(ys.size(), scene.YLabelled.size());
        for (std::size_t i = 1; i < xs.size(); ++i)
            EXPECT_GT(xs[i].At.X - xs[i - 1].At.X,
                      (TextWidth(xs[i].Text, xs[i].Size) + TextWidth(xs[i - 1].Text, xs[i - 1].Size)) / 2)
                << xs[i].Text;
        for (std::size_t i = 1; i < ys.size(); ++i)
            EXPECT_GT(std::abs(ys[i].At.Y - ys[i - 1].At.Y), ys[i].Size) << ys[i].Text;
    }
}

TEST(ChartScene, BandMidBandAndCurvesInsideThePlot) {
    ChartFigure figure = Figure({Series("A", 10, 5000), Series("B", 10, 5000, 3)});
    figure.QueryBand = FrequencyBand{800, 1000};
    figure.MidBand = 900;
    // A sample without a value on a log scale breaks its curve in two.
    figure.Series[1].Points[3].Value = 0;
    const ChartScene scene = MakeChartScene(figure, 800, 600);
    EXPECT_TRUE(scene.Reason.empty());
    const auto boxes = ItemsOf<SceneBox>(scene);
    const auto band =
        std::find_if(boxes.begin(), boxes.end(), [](const SceneBox& b) { return b.Fill == Rgb{0xDDE8F6}; });
    ASSERT_NE(band, boxes.end());
    EXPECT_NEAR(band->Rect.Left, MapToScene(scene, 800, 1).X, 1e-9);
    EXPECT_NEAR(band->Rect.Right(), MapToScene(scene, 1000, 1).X, 1e-9);
    EXPECT_EQ(band->Rect.Top, scene.Plot.Top);
    EXPECT_EQ(band->Rect.Height, scene.Plot.Height);
    const auto texts = ItemsOf<SceneText>(scene);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const SceneText& t) { return t.Text == "Mid band 900 MHz"; }));

    std::vector<ScenePolyline> curves;
    for (const ScenePolyline& line : ItemsOf<ScenePolyline>(scene))
        if (line.Stroke.Width == CurveStroke(0, 600 / 52.0).Width && scene.Plot.Contains(line.Points[0]))
            curves.push_back(line);
    ASSERT_EQ(curves.size(), 3u); // A whole, B in two runs
    EXPECT_EQ(curves[1].Points.size() + curves[2].Points.size(), figure.Series[1].Points.size() - 1);
    for (const ScenePolyline& curve : curves)
        for (const ScenePoint p : curve.Points)
            EXPECT_TRUE(scene.Plot.Contains(p, 1e-9)) << p.X << " " << p.Y;
    // The read-out finds the curve drawn at a sample.
    const CurvePoint& sample = figure.Series[0].Points[2];
    const auto hit = CurveAt(scene, figure, MapToScene(scene, sample.FrequencyMHz, sample.Value), 2);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Series, 0);
    EXPECT_NEAR(hit->Value, sample.Value, sample.Value * 1e-6);
}

TEST(ChartScene, SaysWhyNoCurveIsDrawn) {
    const ChartScene none = MakeChartScene(Figure({}), 800, 600);
    EXPECT_EQ(none.Reason, "No line chosen");
    ChartSeries flat = Series("FLAT", 10, 1000, 0);
    const ChartScene zero = MakeChartScene(Figure({flat, ChartSeries{"EMPTY", {}, "EMPTY"}}), 800, 600);
    EXPECT_NE(zero.Reason.find("No curve to draw"), std::string::npos);
    for (const ChartScene* scene : {&none, &zero}) {
        const auto texts = ItemsOf<SceneText>(*scene);
        const auto reason = std::find_if(texts.begin(), texts.end(),
                                         [&](const SceneText& t) { return t.Text == scene->Reason; });
        ASSERT_NE(reason, texts.end());
        EXPECT_TRUE(scene->Plot.Contains(reason->At));
        EXPECT_FALSE(scene->X.Ticks.empty());
    }
    // Without a legend, the last frequency label (centred on the plot's edge) still fits the scene.
    ChartFigure band = Figure({});
    band.QueryBand = FrequencyBand{30, 1000};
    for (const double width : {300.0, 800.0}) {
        const ChartScene empty = MakeChartScene(band, width, width * 0.7);
        for (const SceneText& label : TickLabels(empty, true))
            EXPECT_LE(label.At.X + TextWidth(label.Text, label.Size) / 2, empty.Width) << label.Text;
    }
    // The lines are still named in the legend.
    const auto texts = ItemsOf<SceneText>(zero);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const SceneText& t) { return t.Text == "FLAT"; }));
}

TEST(ChartScene, LegendBesideThePlotWithLongEntriesShortened) {
    std::vector<ChartSeries> series;
    for (int i = 0; i < 10; ++i)
        series.push_back(Series("L" + std::to_string(i), 10, 1000, i + 1));
    series[3].Legend = "L3  (151.41 ft within 6 dB)";
    series[7].Legend = std::string(300, 'W');
    for (const double width : {560.0, 792.0, 1400.0}) {
        const ChartScene scene = MakeChartScene(Figure(series), width, width * 0.7);
        EXPECT_FALSE(scene.Plot.Intersects(scene.Legend));
        EXPECT_LE(scene.Legend.Right(), width);
        EXPECT_LE(scene.Legend.Bottom(), scene.Plot.Bottom());
        std::vector<SceneText> entries;
        for (const SceneText& text : ItemsOf<SceneText>(scene))
            if (scene.Legend.Contains(text.At))
                entries.push_back(text);
        ASSERT_EQ(entries.size(), 10u);
        EXPECT_EQ(entries[3].Text, "L3  (151.41 ft within 6 dB)");
        EXPECT_EQ(entries[7].Text.substr(entries[7].Text.size() - 3), "\xE2\x80\xA6");
        for (const SceneText& entry : entries) {
            EXPECT_LE(entry.At.X + TextWidth(entry.Text, entry.Size), scene.Legend.Right());
            EXPECT_GE(entry.Size, 8);
        }
        for (std::size_t i = 1; i < entries.size(); ++i)
            EXPECT_GE(entries[i].At.Y - entries[i - 1].At.Y, entries[i].Size);
    }
}

TEST(ChartScene, EveryTextReadableAtAnySize) {
    ChartFigure figure = Figure({Series("A", 10, 5000)});
    figure.MidBand = 900;
    for (const auto& [w, h] : {std::pair{200.0, 150.0}, {525.0, 285.0}, {756.0, 576.0}, {3000.0, 2000.0}})
        for (const SceneText& text : ItemsOf<SceneText>(MakeChartScene(figure, w, h)))
            EXPECT_GE(text.Size, 8) << text.Text << " at " << w;
}

TEST(ChartSvg, WellFormedWhateverThePartNumbersHold) {
    // A control character, markup, and a Windows-1252 e acute (0xE9) in part numbers.
    ChartFigure figure = Figure({Series("VF\x01-<&>\"", 10, 1000), Series("CAF\xE9-50", 10, 1000, 2)});
    figure.Series[0].Legend = figure.Series[0].PartNumber;
    figure.Series[1].Legend = figure.Series[1].PartNumber;
    figure.Title = "A \xEF\xBF\xBF title";
    const std::string svg = ChartSvg(MakeChartScene(figure, 750, 525));
    EXPECT_EQ(svg.find('\x01'), std::string::npos);
    EXPECT_EQ(svg.find("\xEF\xBF\xBF"), std::string::npos);
    EXPECT_NE(svg.find(">VF?-&lt;&amp;&gt;&quot;</text>"), std::string::npos); // as in PNG and PDF
    EXPECT_NE(svg.find(">CAF\xC3\xA9-50</text>"), std::string::npos);
    EXPECT_NE(svg.find("width=\"750.00pt\""), std::string::npos);
    dorvik::testing::TempFolder folder;
    WriteChartSvg(figure, folder / "chart.svg");
    ASSERT_EQ(std::system("command -v xmllint >/dev/null"), 0)
        << "xmllint is missing: scripts/setup-deps installs it";
    EXPECT_EQ(std::system(("xmllint --noout '" + (folder / "chart.svg").string() + "'").c_str()), 0);
}

} // namespace
} // namespace dorvik
