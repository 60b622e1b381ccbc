#include "report/chart/chart_painter.h"

#include "core/engine/formulas.h"
#include "core/forms/chart/chart_of_lines.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dorvik::report {
namespace {

std::vector<TTransmissionLine> Lines() {
    std::vector<TTransmissionLine> lines(3);
    const char* names[] = {"VF4-50", "VF7-50<&>", "VE60-A"};
    for (int i = 0; i < 3; ++i) {
        TTransmissionLine& line = lines[static_cast<std::size_t>(i)];
        line.PartNumber = names[i];
        line.CableType = i == 2 ? "EW" : "FOAM";
        line.LowFrequency = i == 2 ? 700 : 1;
        line.HighFrequency = i == 2 ? 1500 : 3000;
        line.AttenuationK1 = i == 2 ? 600 : 0.1 / (i + 1);
        line.AttenuationK2 = i == 2 ? 1500 : 0.001;
        line.AveragePowerConstant = 40;
        line.PeakPower = 10;
    }
    return lines;
}

ChartFigure Figure(const std::vector<TTransmissionLine>& lines, bool byLoss = true) {
    ChartQuery query;
    query.Band = FrequencyBand{800, 1000};
    if (byLoss)
        query.MaxLoss = 6;
    std::vector<const TTransmissionLine*> pointers;
    for (const TTransmissionLine& line : lines)
        pointers.push_back(&line);
    return TChartOfLines(query, pointers, 0).Figure();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ChartPainter, SvgHoldsACurveAndTheNameOfEveryLine) {
    const auto lines = Lines();
    const ChartFigure figure = Figure(lines);
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.svg");
    QString error;
    ASSERT_TRUE(SaveChart(figure, path, &error)) << error.toStdString();
    const QByteArray svg = ReadAll(path);
    EXPECT_TRUE(svg.startsWith("<?xml"));
    EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
    EXPECT_TRUE(svg.contains("VF4-50"));
    EXPECT_TRUE(svg.contains("VF7-50&lt;&amp;&gt;")); // escaped, so the file stays well-formed
    EXPECT_TRUE(svg.contains("VE60-A"));
    EXPECT_TRUE(svg.contains("Frequency (MHz)"));
    EXPECT_TRUE(svg.contains("151.41 ft within 6 dB"));
    // Each curve is a path in the pen's own colour.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(svg.contains(("stroke=\"" + CurvePen(i).color().name()).toUtf8())) << i;
}

TEST(ChartPainter, PngOfTheAskedSize) {
    const auto lines = Lines();
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.PNG");
    ASSERT_TRUE(SaveChart(Figure(lines), path, nullptr, {640, 480}));
    QDir().mkpath(DORVIK_ARTIFACTS);
    QFile::remove(DORVIK_ARTIFACTS "/chart.png");
    QFile::copy(path, DORVIK_ARTIFACTS "/chart.png"); // to look at
    QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(640, 480));
    // Something other than the white background was drawn in the plot.
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            coloured += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(coloured, 100);
}

TEST(ChartPainter, RefusesOtherExtensionsAndLeavesNoFile) {
    const auto lines = Lines();
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(SaveChart(Figure(lines), dir.filePath("chart.pdf"), &error));
    EXPECT_TRUE(error.contains("chart.pdf"));
    EXPECT_FALSE(QFile::exists(dir.filePath("chart.pdf")));
    EXPECT_FALSE(SaveChart(Figure(lines), dir.filePath("missing/chart.svg"), &error));
    EXPECT_TRUE(error.contains("Unable to write to"));
}

TEST(ChartPainter, PensDifferInColourAndDash) {
    for (int i = 0; i < 10; ++i)
        for (int j = i + 1; j < 10; ++j) {
            EXPECT_NE(CurvePen(i).color(), CurvePen(j).color()) << i << " " << j;
            EXPECT_NE(CurvePen(i).dashPattern(), CurvePen(j).dashPattern()) << i << " " << j;
        }
}

TEST(ChartLayout, ReadsTheCurveUnderThePoint) {
    const auto lines = Lines();
    const ChartFigure figure = Figure(lines, false);
    const ChartLayout layout(figure, QRectF(0, 0, 1000, 700));
    const double f = 900;
    const double value = Attenuation(lines[1], {f, f});
    const QPointF at = layout.Map(f, value);
    EXPECT_TRUE(layout.Plot().contains(at));
    const auto hit = layout.CurveAt(figure, at + QPointF(0, 2));
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Series, 1);
    EXPECT_NEAR(hit->FrequencyMHz, f, f * 0.002);
    EXPECT_NEAR(hit->Value, value, value * 0.01);
    EXPECT_EQ(ReadOut(figure, *hit).left(12), "VF7-50<&>: 9");
    // Far from every curve, and outside the plot: nothing.
    EXPECT_FALSE(layout.CurveAt(figure, layout.Map(f, value * 40)));
    EXPECT_FALSE(layout.CurveAt(figure, QPointF(-50, -50)));
    // Outside the waveguide's band its curve is not read.
    const auto below = layout.CurveAt(figure, layout.Map(600, Attenuation(lines[0], {600, 600})));
    ASSERT_TRUE(below);
    EXPECT_EQ(below->Series, 0);
}

TEST(ChartLayout, AxesCoverEveryCurveAndTheQueryBand) {
    const auto lines = Lines();
    const ChartFigure figure = Figure(lines);
    const ChartLayout layout(figure, QRectF(0, 0, 800, 600));
    EXPECT_LE(layout.XAxis().Low, 1);
    EXPECT_GE(layout.XAxis().High, 3000);
    for (const ChartSeries& series : figure.Series)
        for (const CurvePoint& p : series.Points) {
            EXPECT_GE(p.Value, layout.YAxis().Low);
            EXPECT_LE(p.Value, layout.YAxis().High);
        }
    EXPECT_FALSE(layout.Plot().intersects(layout.Legend()));
}

} // namespace
} // namespace dorvik::report
