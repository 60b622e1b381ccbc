#include "core/forms/main_window_fixture.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

class ResultsTest : public MainWindowTest {
protected:
    TfrmMain& SearchAt(const std::string& length, bool feet = true) {
        auto& f = Start();
        f.cbxBeginningFrequency.SetTextByProgram("800");
        f.cbxEndingFrequency.SetTextByProgram("1000");
        f.edtLength.SetText(length);
        (feet ? f.rbFeet : f.rbMeters).SetChecked(true);
        Search();
        return f;
    }
};

// Worked by hand: sqrt(900) * 0.1 + 900 * 0.001 = 3.9 dB/100 ft; connector pair 0.1 * sqrt(0.9).
TEST_F(ResultsTest, InteractiveFillOverFeet) {
    auto& f = SearchAt("100");
    EXPECT_THAT(Row(f.grdSpecs, 1), ElementsAre("TC-100", "800-1000", "Test foam cable 1/2 in", "900", "3.90",
                                                "12.80", "3.90", "3.99", "39.86", "10.00", "10.00", "9.94",
                                                "USD 10.00", "USD 32.81", "USD 1000.00"));
    EXPECT_EQ(f.grdSpecs.Heading(13), "List Price Per Foot (USD)");
    EXPECT_EQ(f.grdSpecs.Heading(15), "Cost Of Run (USD)");
    EXPECT_EQ(f.grdSpecs.Heading(14), "List Price Per Meter (USD)");
}

TEST_F(ResultsTest, WaveguideRowAndMeters) {
    auto& f = SearchAt("100", false);
    // ln(0.5) gives 1.7200811 dB/100 ft; 30 / 1.72 = 17.44 kW; derated 2V / (V^2 + 1).
    EXPECT_THAT(Row(f.grdSpecs, 2),
                ElementsAre("TW-300", "200-3000", "", "900", "1.72", "5.64", "5.64", "5.74", "26.68", "20.00",
                            "17.44", "17.36", "USD 0.00", "USD 0.00", "N/A"));
    EXPECT_EQ(f.grdSpecs.Cell(7, 1), "12.80");
}

TEST_F(ResultsTest, ZeroLengthGivesNotApplicable) {
    auto& f = SearchAt("0");
    for (int col : {7, 8, 9})
        EXPECT_EQ(f.grdSpecs.Cell(col, 1), "N/A");
    EXPECT_EQ(f.grdSpecs.Cell(5, 1), "3.90");
}

TEST_F(ResultsTest, ConnectorListsAndPartNumbers) {
    auto& f = SearchAt("100");
    EXPECT_THAT(f.lstConnectors.Items(), ElementsAre("N Male", "7-16 DIN Female"));
    EXPECT_EQ(f.lstConnectors.ItemIndex(), 0);
    EXPECT_THAT(Row(f.grdConnectors, 2), ElementsAre("NM-2", "N male connector, right angle", "USD 52.13"));
    EXPECT_EQ(f.grdConnectors.Heading(3), "Price (USD)");
    User([&] { f.lstConnectors.UserClick(1); });
    ASSERT_EQ(f.grdConnectors.RowCount(), 2);
    // No price line: description and price are cleared, not left from the previous connector.
    EXPECT_THAT(Row(f.grdConnectors, 2), ElementsAre("NOPRICE-1", "", ""));
}

TEST_F(ResultsTest, QueriedConnectorIsPreselected) {
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    f.chkConnector.SetChecked(true);
    f.cbxConnector.SetItemIndex(f.cbxConnector.IndexOfIgnoreCase("7-16 DIN Female"));
    Search();
    EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TC-100"));
    EXPECT_EQ(f.gbxSpecifications.Caption(), "Transmission Lines (1 Item)");
    EXPECT_EQ(f.lstConnectors.ItemIndex(), 1);
    EXPECT_EQ(f.lstConnectors2.ItemIndex(), 0);
}

TEST_F(ResultsTest, RowChangeHighlightsAndRefillsConnectors) {
    auto& f = SearchAt("100");
    User([&] { f.grdSpecs.SetCurrentRow(2); });
    EXPECT_EQ(f.grdSpecs.RowColor(2), clYellow);
    EXPECT_EQ(f.grdSpecs.RowColor(1), kDefaultColor);
    EXPECT_THAT(f.lstConnectors.Items(), ElementsAre("CPR Flange"));
    EXPECT_THAT(Column(f.grdConnectors, 1), ElementsAre("FL-1"));
}

TEST_F(ResultsTest, NewQueryKeepsThePage) {
    auto& f = SearchAt("100");
    f.ApplicationEvents1Hint(f.grdSpecs.Hint);
    f.btnNewQueryClick();
    EXPECT_EQ(f.StatusBar1.Caption(), ""); // not the results grid's hint
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(f.Caption, "Select Query Values");
    EXPECT_EQ(f.Width, 388);
    EXPECT_EQ(f.edtLength.Text(), "100");
}

TEST_F(ResultsTest, EmptyGridEmptiesConnectorLists) {
    auto& f = SearchAt("100");
    f.Hits.clear();
    f.grdSpecs.SetRowCount(0);
    f.grdSpecsClick();
    EXPECT_TRUE(f.lstConnectors.Items().empty());
    EXPECT_EQ(f.grdConnectors.RowCount(), 0);
}

TEST_F(ResultsTest, PartNumberModeWithoutFigures) {
    auto& f = Start({"TC-100"});
    EXPECT_TRUE(services.Events.empty());
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 1);
    EXPECT_THAT(Row(f.grdSpecs, 1), ElementsAre("TC-100", "800-1000", "Test foam cable 1/2 in", "", "", "",
                                                "", "", "", "", "", "", "$10.00", "$32.81", "N/A"));
    for (int col = 4; col <= 12; ++col)
        EXPECT_FALSE(f.grdSpecs.Column(col).Visible) << col;
    EXPECT_FALSE(f.grdSpecs.Column(15).Visible); // no length, no cost
    EXPECT_TRUE(f.cbxBeginningFrequency.Items().empty());
}

TEST_F(ResultsTest, PartNumberModeWithLengthAndUnit) {
    struct Case {
        std::string parameter, totalAttenuation;
    };
    for (const auto& c : {Case{"TC-100|100|M", "12.80"}, Case{"TC-100|100|m", "3.90"},
                          Case{"TC-100|100|F", "3.90"}, Case{"TC-100|0|F", "0.00"}}) {
        auto& f = Start({c.parameter});
        EXPECT_EQ(f.grdSpecs.Cell(7, 1), c.totalAttenuation) << c.parameter;
        EXPECT_EQ(f.grdSpecs.Cell(4, 1), "900");
        EXPECT_EQ(f.grdSpecs.Cell(12, 1), "9.94");
        EXPECT_TRUE(f.grdSpecs.Column(5).Visible);
    }
}

TEST_F(ResultsTest, PartNumberWithOneBarIsAConversionError) {
    Start({"TC-100|100"});
    EXPECT_THAT(services.Messages(), ElementsAre("error: '' is not a valid floating point value"));
}

} // namespace
} // namespace dorvik::testing

namespace dorvik::testing {
namespace {

// TC-100 (insertion loss 3.99 dB, a cost of run) and TW-300 (1.81 dB, no price line: no cost) over 100 ft.
TEST_F(ResultsTest, HeadingClicksSortKeepTheCurrentLineAndASearchStartsInCatalogueOrder) {
    auto& f = SearchAt("100");
    ASSERT_THAT(Column(f.grdSpecs, 1), ElementsAre("TC-100", "TW-300"));
    User([&] { f.SelectLine(2); });
    struct Click {
        int column;
        std::vector<std::string> parts;
        bool descending;
        int currentRow; // of TW-300
    };
    const Click clicks[] = {{8, {"TW-300", "TC-100"}, false, 1},
                            {8, {"TC-100", "TW-300"}, true, 2},
                            {15, {"TC-100", "TW-300"}, false, 2}, // N/A last both ways
                            {15, {"TC-100", "TW-300"}, true, 2},
                            {3, {"TW-300", "TC-100"}, false, 1}}; // the empty description first
    for (const Click& c : clicks) {
        User([&] { f.grdSpecs.OnHeadingClick(c.column); });
        EXPECT_EQ(Column(f.grdSpecs, 1), c.parts) << c.column;
        EXPECT_EQ(f.grdSpecs.SortColumn(), c.column);
        EXPECT_EQ(f.grdSpecs.SortDescending(), c.descending) << c.column;
        EXPECT_EQ(f.grdSpecs.CurrentRow(), c.currentRow) << c.column;
        EXPECT_THAT(f.lstConnectors.Items(), ElementsAre("CPR Flange")) << c.column;
        // The outputs read the grid's order.
        EXPECT_EQ(f.ListedColumns().Cell(1, 1), c.parts[0]);
        EXPECT_EQ(f.Result().Lines[0].Line->PartNumber, c.parts[0]);
    }
    EXPECT_EQ(f.StatusNote.Caption(),
              "1 line without a cost of run: TW-300 has no list price.  No cost of run: "
              "TW-300 has no list price.");
    User([&] { f.btnNewQueryClick(); });
    Search();
    EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TC-100", "TW-300"));
    EXPECT_EQ(f.grdSpecs.SortColumn(), 0);
    EXPECT_EQ(f.SortOrderShown(), SortOrder{});
}

} // namespace
} // namespace dorvik::testing
