#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/chart/frm_chart.h"

#include "core/engine/formulas.h"
#include "core/errors.h"
#include "core/forms/main_window_fixture.h"

#include <array>

namespace dorvik::testing {
namespace {

// The part numbers the lines view: "L1" to "L14".
constexpr std::array<std::string_view, 14> kPartNumbers{"L1", "L2", "L3",  "L4",  "L5",  "L6",  "L7",
                                                        "L8", "L9", "L10", "L11", "L12", "L13", "L14"};

std::vector<TTransmissionLine> Lines(int n) {
    std::vector<TTransmissionLine> lines(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        TTransmissionLine& line = lines[static_cast<std::size_t>(i)];
        line.PartNumber = kPartNumbers.at(static_cast<std::size_t>(i));
        line.CableType = "FOAM";
        line.LowFrequency = 1;
        line.HighFrequency = 2000;
        line.AttenuationK1 = 0.1;
        line.AttenuationK2 = 0.001 * (i + 1);
        line.AveragePowerConstant = 40;
        line.PeakPower = 10;
    }
    return lines;
}

std::vector<const TTransmissionLine*> Pointers(const std::vector<TTransmissionLine>& lines) {
    std::vector<const TTransmissionLine*> out;
    for (const TTransmissionLine& line : lines)
        out.push_back(&line);
    return out;
}

std::vector<int> ChosenOf(const TChartOfLines& chart) {
    std::vector<int> out;
    for (int i = 0; i < chart.Count(); ++i)
        if (chart.Chosen(i))
            out.push_back(i);
    return out;
}

TEST(ChartOfLines, ChoosesTheCurrentLineAndTheFirstOnesUpToTen) {
    const auto lines = Lines(14);
    EXPECT_EQ(ChosenOf(TChartOfLines({}, Pointers(lines), 0)),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // The current line beyond the first ten is one of the ten.
    EXPECT_EQ(ChosenOf(TChartOfLines({}, Pointers(lines), 12)),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 12}));
    const auto few = Lines(3);
    EXPECT_EQ(ChosenOf(TChartOfLines({}, Pointers(few), -1)), (std::vector<int>{0, 1, 2}));
}

TEST(ChartOfLines, NeverMoreThanTenChosen) {
    const auto lines = Lines(12);
    TChartOfLines chart({}, Pointers(lines), 0);
    EXPECT_FALSE(chart.SetChosen(11, true));
    EXPECT_FALSE(chart.Chosen(11));
    EXPECT_TRUE(chart.SetChosen(3, true)); // already chosen: no change, no refusal
    EXPECT_TRUE(chart.SetChosen(3, false));
    EXPECT_TRUE(chart.SetChosen(11, true));
    EXPECT_EQ(chart.ChosenCount(), 10);
    EXPECT_FALSE(chart.SetChosen(12, true));
    EXPECT_FALSE(chart.SetChosen(-1, false));
}

TEST(ChartOfLines, FigureHasOneSeriesPerChosenLineInUnits) {
    const auto lines = Lines(3);
    ChartQuery query;
    query.Band = FrequencyBand{800, 1000};
    query.Unit = LengthUnit::Meters;
    TChartOfLines chart(query, Pointers(lines), 0);
    chart.SetChosen(1, false);
    ChartFigure figure = chart.Figure();
    ASSERT_EQ(figure.Series.size(), 2u);
    EXPECT_EQ(figure.Series[0].PartNumber, "L1");
    EXPECT_EQ(figure.Series[1].PartNumber, "L3");
    EXPECT_EQ(figure.Series[1].Legend, "L3"); // not by loss: no budget
    EXPECT_EQ(figure.YAxisLabel, "Attenuation (dB/100 m)");
    EXPECT_EQ(figure.ValueUnit, "dB/100 m");
    ASSERT_TRUE(figure.MidBand);
    EXPECT_EQ(*figure.MidBand, 900);
    const CurvePoint p = figure.Series[1].Points[5];
    EXPECT_DOUBLE_EQ(p.Value, Attenuation(lines[2], {p.FrequencyMHz, p.FrequencyMHz}) * kFeetPerMeter);

    chart.Quantity = ChartQuantity::AveragePower;
    figure = chart.Figure();
    EXPECT_EQ(figure.YAxisLabel, "Average Power (kW)");
    const CurvePoint q = figure.Series[0].Points[7];
    EXPECT_DOUBLE_EQ(q.Value, AveragePower(lines[0], {q.FrequencyMHz, q.FrequencyMHz}));
}

TEST(ChartOfLines, LegendCarriesTheLongestRunWhenQueryingByLoss) {
    auto lines = Lines(2);
    lines[1].AttenuationK1 = 0;
    lines[1].AttenuationK2 = 0;
    ChartQuery query;
    query.Band = FrequencyBand{800, 1000};
    query.MaxLoss = 6;
    query.DecimalSeparator = ',';
    TChartOfLines chart(query, Pointers(lines), 0);
    const ChartFigure figure = chart.Figure();
    EXPECT_EQ(figure.Series[0].Legend, "L1  (151,41 ft within 6 dB)");
    EXPECT_EQ(figure.Series[1].Legend, "L2"); // no attenuation: no run, and no failed chart
    query.MaxLoss = 0.05;
    EXPECT_EQ(TChartOfLines(query, Pointers(lines), 0).Figure().Series[0].Legend,
              "L1  (connectors exceed the budget)");
    // With a length, each line's cost of run as the grid shows it.
    query.CostsOfRun = {"EUR 1.234,50", "N/A"};
    const ChartFigure costed = TChartOfLines(query, Pointers(lines), 0).Figure();
    EXPECT_EQ(costed.Series[0].Legend, "L1  (connectors exceed the budget)  cost EUR 1.234,50");
    EXPECT_EQ(costed.Series[1].Legend, "L2  (connectors exceed the budget)  cost N/A");
}

TEST(ChartOfLines, LegendReadsTheCatalogueBytesAsEveryOutputDoes) {
    auto lines = Lines(2);
    lines[0].PartNumber = "CAF\xE9-50";     // Windows-1252
    lines[1].PartNumber = "CAF\xC3\xA9-50"; // UTF-8
    const ChartFigure figure = TChartOfLines({}, Pointers(lines), 0).Figure();
    EXPECT_EQ(figure.Series[0].Legend, "CAF\xC3\xA9-50");
    EXPECT_EQ(figure.Series[1].Legend, "CAF\xC3\xA9-50");
    EXPECT_EQ(figure.Series[0].PartNumber, lines[0].PartNumber);
}

struct FakeChartOutput : IChartOutput {
    std::vector<std::filesystem::path> Saved;
    std::vector<ChartPage> Printed;
    void SavePng(const ChartFigure&, const std::filesystem::path& file) override { Saved.push_back(file); }
    void Print(const ChartFigure&, const ChartPage& page) override { Printed.push_back(page); }
};

class ChartWindowModelTest : public ::testing::Test {
protected:
    std::vector<TTransmissionLine> lines = Lines(12);
    FakeServices services;
    TFileDialog dialog;
    dorvik::testing::TempFolder folder;
    FakeChartOutput output;
};

TEST_F(ChartWindowModelTest, AnEleventhLineIsRefusedWithAMessage) {
    TfrmChart chart(TChartOfLines({}, Pointers(lines), 0), services, dialog, folder.Path());
    EXPECT_EQ(chart.Caption, "Chart Of Lines");
    EXPECT_EQ(chart.Figure().Series.size(), 10u);
    const int revision = chart.FigureRevision();
    chart.LineClickCheck(11, true);
    EXPECT_EQ(chart.Message(), "At most 10 lines are charted at once.");
    EXPECT_FALSE(chart.Lines().Chosen(11));
    EXPECT_EQ(chart.FigureRevision(), revision);
    chart.LineClickCheck(0, false);
    EXPECT_EQ(chart.Message(), "");
    chart.LineClickCheck(11, true);
    ASSERT_EQ(chart.Figure().Series.size(), 10u);
    EXPECT_EQ(chart.Figure().Series.back().PartNumber, "L12");
    chart.SetQuantity(ChartQuantity::AveragePower);
    EXPECT_EQ(chart.Figure().YAxisLabel, "Average Power (kW)");
    chart.btnCloseClick();
    EXPECT_EQ(chart.ModalResult, TModalResult::Ok);
}

TEST_F(ChartWindowModelTest, SaveProposesTheFolderUsedLastAndPrintsOnLetterInLandscape) {
    std::filesystem::create_directories(folder / "charts");
    {
        TfrmChart chart(TChartOfLines({}, Pointers(lines), 0), services, dialog, folder.Path());
        services.DialogAnswers.push_back((folder / "charts" / "lines.svg").string());
        chart.btnSaveClick(output);
        services.DialogAnswers.push_back((folder / "charts" / "lines.png").string());
        chart.btnSaveClick(output);
        services.DialogAnswers.push_back((folder / "lines.gif").string());
        EXPECT_THROW(chart.btnSaveClick(output), DorvikError);
        chart.btnPrintClick(output);
    }
    ASSERT_EQ(services.DialogsShown.size(), 3u);
    EXPECT_EQ(services.DialogsShown[0].InitialDir, folder.Path().string());
    EXPECT_EQ(services.DialogsShown[0].FileName, "chart.png");
    EXPECT_EQ(services.DialogsShown[1].InitialDir, (folder / "charts").string());
    EXPECT_EQ(services.DialogsShown[1].FileName, "lines.svg");
    EXPECT_NE(dorvik::testing::ReadBytes(folder / "charts" / "lines.svg").find("L1</text>"),
              std::string::npos);
    EXPECT_EQ(output.Saved, std::vector<std::filesystem::path>{folder / "charts" / "lines.png"});
    EXPECT_FALSE(std::filesystem::exists(folder / "lines.gif"));
    ASSERT_EQ(output.Printed.size(), 1u);
    EXPECT_EQ(output.Printed[0].WidthPt, 792);
    EXPECT_EQ(output.Printed[0].HeightPt, 612);
    // The next opening of the window proposes the folder used last; a cancelled dialog changes nothing.
    TfrmChart again(TChartOfLines({}, Pointers(lines), 0), services, dialog, folder.Path());
    services.DialogAnswers.push_back(std::nullopt);
    again.btnSaveClick(output);
    services.DialogAnswers.push_back(std::nullopt);
    again.btnSaveClick(output);
    for (std::size_t i : {3u, 4u}) {
        EXPECT_EQ(services.DialogsShown[i].InitialDir, folder.Path().string()) << i;
        EXPECT_EQ(services.DialogsShown[i].FileName, "lines.gif") << i;
    }
}

class MainWindowChartTest : public MainWindowTest {};

TEST_F(MainWindowChartTest, BuiltFromTheResultsPage) {
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    f.chkInsertionLoss.SetChecked(true);
    f.edtMaxLoss.SetText("6");
    f.edtLength.SetText("10");
    f.rbMeters.SetChecked(true);
    Search();
    ASSERT_GE(f.grdSpecs.RowCount(), 1);
    EXPECT_TRUE(f.ChartOfLines1->Visible());
    const TChartOfLines chart = f.ChartOfLines();
    EXPECT_EQ(chart.Count(), f.grdSpecs.RowCount());
    EXPECT_EQ(chart.Query().Unit, LengthUnit::Meters);
    ASSERT_TRUE(chart.Query().MaxLoss);
    EXPECT_EQ(*chart.Query().MaxLoss, 6);
    ASSERT_TRUE(chart.Query().Band);
    EXPECT_EQ(chart.Query().Band->Low, 800);
    EXPECT_EQ(chart.Query().Band->High, 1000);
    EXPECT_EQ(chart.Line(0).PartNumber, f.grdSpecs.Cell(1, 1));

    int shown = 0;
    services.OnShowModal = [&](TForm& window) {
        shown += dynamic_cast<TfrmChart*>(&window) != nullptr;
        return TModalResult::Ok;
    };
    User([&] { f.ChartOfLines1->Click(); });
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(services.ModalShown, std::vector<std::string>{"Chart Of Lines"});
    User([&] { f.btnNewQueryClick(); });
    EXPECT_FALSE(f.ChartOfLines1->Visible());
}

} // namespace
} // namespace dorvik::testing
