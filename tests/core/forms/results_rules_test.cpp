// Rules of the results page that a plausible slip in the fill would break without any other test noticing.
#include "core/engine/formulas.h"
#include "core/forms/main_window_fixture.h"
#include "core/text/numbers.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

class ResultsRulesTest : public MainWindowTest {
protected:
    TfrmMain& SearchBand(const std::string& vswr = "1.1") {
        auto& f = Start();
        f.cbxBeginningFrequency.SetTextByProgram("800");
        f.cbxEndingFrequency.SetTextByProgram("1000");
        f.edtVSWR.SetText(vswr);
        Search();
        return f;
    }
    TMenuItem& Item(const std::string& name) { return *form->MainMenu1.Find(name); }
};

// Column 12 derates column 11 as displayed, with the VSWR of the field. A line whose average power is 1.236
// kW (3.708 / 3.0 dB/100 ft) shows 1.24, and 1.24 is what is derated.
TEST_F(ResultsRulesTest, DeratedPowerUsesTheDisplayedAveragePowerAndTheVswrField) {
    const auto path = programFolder / "Freq_TLine_Connectors.dat";
    WriteFile(path, dorvik::testing::ReadBytes(path) +
                        "800|1000|A|TD-1|FOAM|x|1.0|0.1|0|3.708|10|N Male|0|0|0|0|NM-1||||||\r\n");
    int differing = 0;
    for (const std::string vswr : {"1.1", "1.5", "2.5", "3.7", "5"}) {
        auto& f = SearchBand(vswr);
        ASSERT_EQ(f.grdSpecs.Cell(1, 3), "TD-1");
        ASSERT_EQ(f.grdSpecs.Cell(11, 3), "1.24");
        const double factor = VswrDeratingFactor("FOAM", ReadNumber(vswr, '.'), {800, 1000}, 1.0L);
        const std::string shown = FormatFixed2(1.24 * factor, '.');
        EXPECT_EQ(f.grdSpecs.Cell(12, 3), shown) << vswr;
        if (shown != FormatFixed2(1.236 * factor, '.'))
            ++differing;
        // Not the part-number fill's fixed VSWR of 1.1: the field's.
        if (vswr != "1.1") {
            EXPECT_NE(f.grdSpecs.Cell(12, 3),
                      FormatFixed2(1.24 * VswrDeratingFactor("FOAM", 1.1, {800, 1000}, 1.0L), '.'))
                << vswr;
        }
    }
    EXPECT_GT(differing, 0); // at least one VSWR tells the displayed value from the exact one
}

// A currency change refills both part-number grids, each for the connector selected in its own list.
TEST_F(ResultsRulesTest, CurrencyChangeRefreshesBothPartNumberGrids) {
    WithRates("EUR|0.5|\r\n");
    auto& f = SearchBand();
    User([&] { f.lstConnectors2.UserClick(1); });
    ASSERT_THAT(Column(f.grdConnectors2, 1), ElementsAre("DF-1", "NOPRICE-1"));
    User([&] { Item("Euro1").Click(); });
    EXPECT_EQ(f.grdConnectors.Cell(3, 1), "EUR 90.00");
    EXPECT_EQ(f.grdConnectors.Heading(3), "Price (EUR)");
    EXPECT_EQ(f.grdConnectors2.Cell(3, 1), "EUR 120.00");
    EXPECT_EQ(f.grdConnectors2.Heading(3), "Price (EUR)");
    EXPECT_EQ(f.lstConnectors2.ItemIndex(), 1); // the selection stays
    EXPECT_THAT(Column(f.grdConnectors2, 1), ElementsAre("DF-1", "NOPRICE-1"));
}

// Each part-number grid follows its own list; connector #2's switch preselects connector #2's entry.
TEST_F(ResultsRulesTest, SecondGridShowsConnectorTwosPartNumbers) {
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    f.chkConnector2.SetChecked(true);
    f.cbxConnector2.SetItemIndex(f.cbxConnector2.IndexOfIgnoreCase("7-16 DIN Female"));
    Search();
    EXPECT_EQ(f.lstConnectors.ItemIndex(), 0);
    EXPECT_EQ(f.lstConnectors2.ItemIndex(), 1);
    EXPECT_THAT(Column(f.grdConnectors, 1), ElementsAre("NM-1", "NM-2"));
    EXPECT_THAT(Column(f.grdConnectors2, 1), ElementsAre("DF-1", "NOPRICE-1"));
    EXPECT_THAT(Row(f.grdConnectors2, 1), ElementsAre("DF-1", "7-16 DIN female connector", "USD 60.00"));
    User([&] { f.lstConnectors.UserClick(1); });
    User([&] { f.lstConnectors2.UserClick(0); });
    EXPECT_THAT(Column(f.grdConnectors, 1), ElementsAre("DF-1", "NOPRICE-1"));
    EXPECT_THAT(Row(f.grdConnectors2, 2), ElementsAre("NM-2", "N male connector, right angle", "USD 52.13"));
}

// The current rows are drawn in their colours from the first fill on, and the line grid has the focus.
TEST_F(ResultsRulesTest, CurrentRowsAreColouredFromTheFirstFill) {
    WithRates("EUR|0.5|\r\n");
    auto& f = SearchBand();
    EXPECT_EQ(f.ActiveControl, &f.grdSpecs);
    EXPECT_EQ(f.grdSpecs.RowColor(1), clYellow);
    EXPECT_EQ(f.grdSpecs.RowColor(2), kDefaultColor);
    EXPECT_EQ(f.grdConnectors.RowColor(1), clAqua);
    EXPECT_EQ(f.grdConnectors.RowColor(2), kDefaultColor);
    EXPECT_EQ(f.grdConnectors2.RowColor(1), clAqua);
    User([&] { f.grdSpecs.SetCurrentRow(2); });
    User([&] { Item("Euro1").Click(); }); // a refill keeps the current row's colour
    EXPECT_EQ(f.grdSpecs.RowColor(2), clYellow);
    EXPECT_EQ(f.grdSpecs.RowColor(1), kDefaultColor);
    EXPECT_EQ(f.grdConnectors.RowColor(1), clAqua);
    auto& g = Start({"TC-100"});
    EXPECT_EQ(g.grdSpecs.RowColor(1), clYellow);
}

// The part-number fill shows the list price in dollars with "$", whatever currency is stored or picked.
TEST_F(ResultsRulesTest, PartNumberModeNeverConvertsItsDollarPrices) {
    WithRates("EUR|0.5|\r\n");
    store.CreateKey(kSettingsKey);
    store.WriteDword(kSettingsKey, "Currency", 17);
    auto& f = Start({"TC-100|100|F"});
    EXPECT_EQ(f.GetCurrencyCode().first, "EUR");
    EXPECT_EQ(f.grdSpecs.Cell(13, 1), "$10.00");
    EXPECT_EQ(f.grdSpecs.Cell(14, 1), "$32.81");
    EXPECT_EQ(f.grdSpecs.Heading(13), "List Price Per Foot ($US)");
    EXPECT_EQ(f.grdSpecs.Heading(14), "List Price Per Meter ($US)");
    User([&] { Item("GBP1").Click(); });
    EXPECT_EQ(f.grdSpecs.Cell(13, 1), "$10.00");
    EXPECT_EQ(f.grdSpecs.Heading(13), "List Price Per Foot ($US)");
}

} // namespace
} // namespace dorvik::testing
