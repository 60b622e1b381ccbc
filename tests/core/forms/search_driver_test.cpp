#include "core/forms/main_window_fixture.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kNoLines =
    "info: Sorry, no Transmission Lines available for this query.\r\rPlease try again.";
constexpr const char* kLoss =
    "warning: You must enter a maximum insertion loss and a length\rwhen querying by insertion loss";
constexpr const char* kCableType = "error: Please select a cable type.";

class SearchDriverTest : public MainWindowTest {
protected:
    TfrmMain& StartAt(const std::string& begin, const std::string& end) {
        auto& f = Start();
        f.cbxBeginningFrequency.SetTextByProgram(begin);
        f.cbxEndingFrequency.SetTextByProgram(end);
        return f;
    }
};

TEST_F(SearchDriverTest, SearchWithHitsTurnsToResults) {
    auto& f = StartAt("800", "1000");
    Search();
    EXPECT_TRUE(services.Events.empty());
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 1);
    EXPECT_EQ(f.Caption, "Query Results");
    EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TC-100", "TW-300"));
    EXPECT_EQ(f.gbxSpecifications.Caption(), "Transmission Lines (2 Items)");
    EXPECT_EQ(f.ProgressBar1.Position, 0);
    EXPECT_EQ(f.Hits[0]->Description, "Test foam cable 1/2 in");
    EXPECT_DOUBLE_EQ(f.Hits[0]->ListPrice, 10.0);
    EXPECT_EQ(f.ActiveControl, &f.grdSpecs);
}

TEST_F(SearchDriverTest, NoHitsShowsTheNoLinesMessage) {
    auto& f = StartAt("5000", "6000");
    Search();
    EXPECT_THAT(services.Events, ElementsAre("beep", kNoLines));
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 0);
    EXPECT_TRUE(f.Hits.empty());
}

TEST_F(SearchDriverTest, MessageSequences) {
    struct Case {
        const char* name;
        std::function<void(TfrmMain&)> setup;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases{
        {"invalid frequency",
         [](TfrmMain& f) { f.cbxEndingFrequency.SetTextByProgram("abc"); },
         {"info: One or both frequency values contain invalid values.\r\rPlease check your frequency values.",
          "beep", kNoLines}},
        {"no cable type",
         [](TfrmMain& f) {
             f.chkAir.SetChecked(false);
             f.chkFoam.SetChecked(false);
             f.chkWaveguide.SetChecked(false);
         },
         {"beep", kCableType}},
        {"loss without length and no cable type",
         [](TfrmMain& f) {
             f.chkInsertionLoss.SetChecked(true);
             f.edtMaxLoss.SetText("3");
             f.chkAir.SetChecked(false);
             f.chkFoam.SetChecked(false);
             f.chkWaveguide.SetChecked(false);
         },
         {"beep", kLoss, "beep", kCableType}},
    };
    for (const auto& c : cases) {
        services.Events.clear();
        auto& f = StartAt("800", "1000");
        services.Events.clear();
        c.setup(f);
        Search();
        EXPECT_EQ(services.Events, c.events) << c.name;
        EXPECT_EQ(f.PageControl1.ActivePageIndex(), 0) << c.name;
    }
}

TEST_F(SearchDriverTest, LossCheckMovesFocusAndLeavesHitsAlone) {
    auto& f = StartAt("800", "1000");
    Search();
    const auto previous = f.Hits;
    f.btnNewQueryClick();
    f.chkInsertionLoss.SetChecked(true);
    Search();
    EXPECT_EQ(f.ActiveControl, &f.edtLength); // both "0": the focus ends on the length
    EXPECT_EQ(f.Hits, previous);
}

TEST_F(SearchDriverTest, EmptyFieldsBecomeZero) {
    auto& f = StartAt("800", "1000");
    f.edtLength.SetText("");
    f.edtVSWR.SetText("");
    Search();
    EXPECT_EQ(f.edtLength.Text(), "0");
    EXPECT_EQ(f.edtVSWR.Text(), "0");
}

TEST_F(SearchDriverTest, LossFilterUsesOnlyTheCableLoss) {
    auto& f = StartAt("800", "1000");
    f.chkInsertionLoss.SetChecked(true);
    f.edtLength.SetText("100");
    f.edtMaxLoss.SetText("3.9"); // TC-100 loses exactly 3.9 dB over 100 ft: passes
    Search();
    EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TC-100", "TW-300"));
    f.btnNewQueryClick();
    f.edtMaxLoss.SetText("3.8");
    Search();
    EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TW-300"));
}

TEST_F(SearchDriverTest, PointIsReadWhereTheLocaleWritesComma) {
    auto& f = Start({}, ',');
    f.chkFrequency.SetChecked(false); // the frequency check reads the page as it stands
    f.edtLength.SetText("100,5");
    f.cbxBeginningFrequency.SetTextByProgram("800.5");
    f.cbxEndingFrequency.SetTextByProgram("900,5");
    Search();
    EXPECT_TRUE(services.Messages().empty()) << services.Messages().front();
    EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TC-100", "TA-200", "TW-300"));
    EXPECT_EQ(f.grdSpecs.Cell(4, 1), "850,5");
}

TEST_F(SearchDriverTest, WaveguideBelowCutoffIsListedWithNA) {
    // 100 to 300 MHz, the page's defaults: the waveguide's cutoff is 600 MHz.
    auto& f = Start();
    f.edtLength.SetText("100");
    User([&] { f.chkFrequency.SetChecked(false); });
    Search();
    EXPECT_TRUE(services.Events.empty());
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 1);
    ASSERT_THAT(Column(f.grdSpecs, 1), ElementsAre("TC-100", "TA-200", "TW-300"));
    for (const int col : {5, 6, 7, 8, 9, 11, 12}) {
        EXPECT_EQ(f.grdSpecs.Cell(col, 3), "N/A") << col;
        EXPECT_NE(f.grdSpecs.Cell(col, 2), "N/A") << col;
    }
    EXPECT_EQ(f.grdSpecs.Cell(2, 3), "200-3000");
    EXPECT_EQ(f.grdSpecs.Cell(4, 3), "200");
    EXPECT_EQ(f.grdSpecs.Cell(10, 3), "20.00");
    EXPECT_EQ(f.StatusNote.Caption(),
              "1 line shows N/A: Cannot compute the attenuation of TW-300 at 200 MHz: the "
              "frequency is at or below its cutoff of 600 MHz.  1 line without a cost of run: TW-300 has no "
              "list price.  Cost of run: 100 ft of TC-100");
    // The hint line is another panel: hints do not hide the count.
    User([&] { f.ApplicationEvents1Hint("Exit"); });
    EXPECT_FALSE(f.StatusNote.Caption().empty());
}

TEST_F(SearchDriverTest, MissingPriceLineIsTriedAgain) {
    auto& f = StartAt("800", "1000");
    Search();
    EXPECT_EQ(f.Hits[1]->Description, "");
    EXPECT_EQ(f.grdSpecs.Cell(13, 2), "USD 0.00");
}

TEST_F(SearchDriverTest, MenuItemRunsTheDriverWhenFilesAreMissing) {
    std::filesystem::remove(programFolder / "Freq_TLine_Connectors.dat");
    auto& f = Start();
    services.Events.clear();
    User([&] { f.GetTransmissionLines1->Click(); });
    EXPECT_EQ(services.Events.back(), kNoLines);
}

} // namespace
} // namespace dorvik::testing

namespace dorvik::testing {
namespace {

// A negative length or maximum loss would give efficiencies above 100 %: the search refuses it with a message
// and searches nothing; the no-lines message does not follow.
TEST_F(SearchDriverTest, NegativeLengthOrMaximumLossIsRefused) {
    struct Case {
        std::string maxLoss, length;
        std::vector<std::string> events;
        bool refused;
    };
    const std::string length = "warning: The length cannot be negative.";
    const std::string loss = "warning: The maximum insertion loss cannot be negative.";
    const std::vector<Case> cases{
        {"0", "-5", {"beep", length}, true},
        {"0", "-0.5", {"beep", length}, true}, // '.' read as in the search
        {"-1", "100", {"beep", loss}, true},
        {"-1", "-1", {"beep", loss, "beep", length}, true},
        {"0", "-0", {}, false},
        {"0", "5", {}, false},
    };
    for (const auto& c : cases) {
        services.Events.clear();
        auto& f = StartAt("800", "1000");
        f.edtMaxLoss.SetText(c.maxLoss);
        f.edtLength.SetText(c.length);
        Search();
        EXPECT_EQ(services.Events, c.events) << c.maxLoss << " " << c.length;
        EXPECT_EQ(f.Outcome() == SearchOutcome::Refused, c.refused) << c.maxLoss << " " << c.length;
        EXPECT_EQ(f.PageControl1.ActivePageIndex(), c.refused ? 0 : 1) << c.maxLoss << " " << c.length;
        EXPECT_EQ(f.Hits.empty(), c.refused) << c.maxLoss << " " << c.length;
        if (c.refused) {
            EXPECT_EQ(f.ActiveControl, c.length[0] == '-' ? &f.edtLength : &f.edtMaxLoss);
        }
    }
}

TEST_F(SearchDriverTest, NegativeLengthOfThePartNumberParameterIsRefused) {
    auto& f = Start({"TC-100|-5|M"});
    EXPECT_THAT(services.Events, ElementsAre("beep", "warning: The length cannot be negative."));
    EXPECT_EQ(f.Outcome(), SearchOutcome::Refused);
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 0);
    services.Events.clear();
    auto& g = Start({"TC-100|0|M"});
    EXPECT_TRUE(services.Events.empty());
    EXPECT_EQ(g.PageControl1.ActivePageIndex(), 1);
    EXPECT_NE(g.Outcome(), SearchOutcome::Refused);
}

TEST_F(SearchDriverTest, ChecksThatFailMarkTheQueryRefused) {
    auto& f = StartAt("1000", "800"); // the frequency check
    Search();
    EXPECT_EQ(f.Outcome(), SearchOutcome::Refused);
    f.cbxBeginningFrequency.SetTextByProgram("5000");
    f.cbxEndingFrequency.SetTextByProgram("6000"); // passes, finds nothing
    Search();
    EXPECT_NE(f.Outcome(), SearchOutcome::Refused);
    f.chkInsertionLoss.SetChecked(true); // loss without length
    Search();
    EXPECT_EQ(f.Outcome(), SearchOutcome::Refused);
}

TEST_F(SearchDriverTest, QueryByLossLeavesOutAndCountsLinesItCannotJudge) {
    // Both lines cover 200 to 300 MHz; the waveguide's attenuation has no value at 250 MHz.
    auto& f = StartAt("200", "300");
    f.edtLength.SetText("100");
    f.edtMaxLoss.SetText("10");
    User([&] { f.chkInsertionLoss.SetChecked(true); });
    Search();
    EXPECT_TRUE(services.Events.empty());
    EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TA-200"));
    EXPECT_EQ(f.StatusNote.Caption(),
              "1 line left out, its insertion loss cannot be judged: Cannot compute the "
              "attenuation of TW-300 at 250 MHz: the frequency is at or below its cutoff "
              "of 600 MHz.  Cost of run: 100 ft of TA-200");
    // A search with nothing to say clears the note.
    User([&] { f.btnNewQueryClick(); });
    User([&] { f.chkInsertionLoss.SetChecked(false); });
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    Search();
    EXPECT_EQ(f.StatusNote.Caption(),
              "1 line without a cost of run: TW-300 has no list price.  Cost of run: 100 ft of TC-100");
}

TEST_F(SearchDriverTest, NewSearchStartsOnTheFirstRowInView) {
    auto& f = StartAt("800", "1000");
    Search();
    User([&] { f.grdSpecs.SetCurrentRow(2); });
    const unsigned scrolled = f.grdSpecs.ScrollRevision;
    User([&] { f.btnNewQueryClick(); });
    Search();
    EXPECT_EQ(f.grdSpecs.CurrentRow(), 1);
    EXPECT_EQ(f.grdSpecs.RowColor(1), clYellow);
    EXPECT_NE(f.grdSpecs.ScrollRevision, scrolled);
    EXPECT_THAT(f.lstConnectors.Items(), ElementsAre("N Male", "7-16 DIN Female")); // the first line's
}

} // namespace
} // namespace dorvik::testing
