#include "core/errors.h"
#include "core/forms/fake_report_engine.h"
#include "core/forms/main_window_fixture.h"
#include "core/forms/printing/frm_print_options.h"
#include "core/output/print_data.h"
#include "core/text/text_file.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PrintOptionsTest : public MainWindowTest {
protected:
    FakeReportEngine reports;

    TfrmMain& Results() { return StartWithResults(); }
    // A results grid of n rows whose part-number cells are "P1", "P2", ...
    TfrmMain& Rows(int n) {
        auto& f = Start();
        f.grdSpecs.SetRowCount(n);
        for (int r = 1; r <= n; ++r)
            f.grdSpecs.SetCell(1, r, "P" + std::to_string(r));
        return f;
    }
    // The part numbers of the list that the last print wrote.
    std::vector<std::string> PrintedParts() const {
        std::vector<std::string> parts;
        for (const auto& line : SplitLines(reports.Printed.back()))
            parts.push_back(line.substr(0, line.find('|')));
        return parts;
    }
    std::filesystem::path File(const char* name) const { return programFolder / name; }
    void Print(TfrmPrintOptions& window, int item) {
        window.rgPrintOptions.SetItemIndex(item);
        window.Dispatch([&] { window.btnPrintClick(); });
    }
};

TEST(PrintEstimateTest, SevenRecordsAPageRoundedUp) {
    EXPECT_EQ(EstimatedListPages(0), 0);
    EXPECT_EQ(EstimatedListPages(1), 1);
    EXPECT_EQ(EstimatedListPages(7), 1);
    EXPECT_EQ(EstimatedListPages(8), 2);
    EXPECT_EQ(EstimatedListPages(35), 5);
    EXPECT_EQ(EstimatedListPages(36), 6);
}

TEST(PrintEstimateTest, CurrentPageWindow) {
    struct Case {
        int rows, current, first, last;
    };
    for (const Case& c : {Case{6, 4, 1, 6}, Case{3, 3, 1, 3}, Case{0, 0, 1, 0}, Case{7, 1, 1, 6},
                          Case{7, 2, 2, 7}, Case{20, 5, 5, 10}, Case{20, 15, 15, 20}, Case{20, 16, 15, 20},
                          Case{20, 20, 15, 20}, Case{20, 0, 1, 6}}) {
        const TRowWindow window = CurrentPageRows(c.rows, c.current);
        EXPECT_EQ(window.First, c.first) << c.rows << " rows, current " << c.current;
        EXPECT_EQ(window.Last, c.last) << c.rows << " rows, current " << c.current;
    }
}

TEST_F(PrintOptionsTest, OpensWithCurrentSelectionAndItsCaptions) {
    auto& f = Results();
    TfrmPrintOptions window(f, reports);
    EXPECT_EQ(window.Caption, "Print Options");
    EXPECT_EQ(window.rgPrintOptions.Caption(), "Select Printing Criteria:");
    EXPECT_THAT(window.rgPrintOptions.Items(),
                ElementsAre("Current Selection", "Current Page", "Entire List"));
    EXPECT_EQ(window.rgPrintOptions.ItemIndex(), 0);
    EXPECT_EQ(window.btnPrint.Caption(), "&Print");
    EXPECT_EQ(window.btnClose.Caption(), "&Close");
}

TEST_F(PrintOptionsTest, CurrentSelectionPrintsTheDataSheetOfTheSelectedLine) {
    auto& f = Results();
    TfrmPrintOptions window(f, reports);
    window.btnPrint.Click();
    EXPECT_THAT(reports.Calls, ElementsAre("sheet selected.dvk"));
    EXPECT_EQ(
        reports.Printed.back(),
        "TC-100|800-1000|Test foam cable 1/2 in|900|3.90|12.80|3.90|3.99|39.86|10.00|10.00|9.94|USD 10.00|"
        "USD 32.81|N Male|NM-1|N male connector|USD 45.00|N Male|NM-1|N male connector|USD 45.00|USD "
        "1000.00|\r\n");
    EXPECT_FALSE(reports.Open[TReportKind::DataSheet]) << "the pipeline is closed after the report";
    EXPECT_EQ(reports.PrintedAt.hour, 14);
    EXPECT_EQ(reports.PrintedAt.date.year, 2026);
    EXPECT_TRUE(std::filesystem::exists(File(kSelectedDataFile))) << "kept until the window closes";
}

TEST_F(PrintOptionsTest, EntireListOfThirtyFiveRowsAsksNothing) {
    auto& f = Rows(35);
    TfrmPrintOptions window(f, reports);
    Print(window, 2);
    EXPECT_THAT(services.Events, IsEmpty());
    EXPECT_THAT(reports.Calls, ElementsAre("list list.dvk"));
    EXPECT_EQ(PrintedParts().size(), 35u);
    EXPECT_EQ(PrintedParts().back(), "P35");
}

TEST_F(PrintOptionsTest, EntireListOfThirtySixRowsAsksWithSixPages) {
    auto& f = Rows(36);
    TfrmPrintOptions window(f, reports);
    services.ConfirmAnswer = false;
    Print(window, 2);
    EXPECT_THAT(services.Events,
                ElementsAre("confirm: The report you are about to print is over 6 pages long.\r"
                            "Are you sure you want to continue?"));
    EXPECT_THAT(reports.Calls, IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(File(kListDataFile))) << "No: nothing is written";

    services.ConfirmAnswer = true;
    Print(window, 2);
    EXPECT_THAT(reports.Calls, ElementsAre("list list.dvk"));
    EXPECT_EQ(PrintedParts().size(), 36u);
}

TEST_F(PrintOptionsTest, CurrentPageIsSixRowsFromTheCurrentOne) {
    auto& f = Rows(20);
    f.grdSpecs.SetCurrentRow(9);
    TfrmPrintOptions window(f, reports);
    Print(window, 1);
    EXPECT_THAT(PrintedParts(), ElementsAre("P9", "P10", "P11", "P12", "P13", "P14"));
    f.grdSpecs.SetCurrentRow(18);
    Print(window, 1);
    EXPECT_THAT(PrintedParts(), ElementsAre("P15", "P16", "P17", "P18", "P19", "P20"));
    EXPECT_THAT(services.Events, IsEmpty()) << "no page question for a page";
}

TEST_F(PrintOptionsTest, CurrentPageOfSixRowsOrFewerPrintsThemAll) {
    auto& f = Rows(6);
    f.grdSpecs.SetCurrentRow(5);
    TfrmPrintOptions window(f, reports);
    Print(window, 1);
    EXPECT_THAT(PrintedParts(), ElementsAre("P1", "P2", "P3", "P4", "P5", "P6"));
}

TEST_F(PrintOptionsTest, CloseDeletesBothDataFilesAndClosesThePipelines) {
    auto& f = Results();
    {
        TfrmPrintOptions window(f, reports);
        Print(window, 0);
        Print(window, 2);
        ASSERT_TRUE(std::filesystem::exists(File(kListDataFile)));
        ASSERT_TRUE(std::filesystem::exists(File(kSelectedDataFile)));
        reports.Open[TReportKind::List] = reports.Open[TReportKind::DataSheet] = true;
        window.btnClose.Click();
        EXPECT_TRUE(window.Closed);
        EXPECT_FALSE(reports.Open[TReportKind::List]);
        EXPECT_FALSE(reports.Open[TReportKind::DataSheet]);
    }
    EXPECT_FALSE(std::filesystem::exists(File(kListDataFile)));
    EXPECT_FALSE(std::filesystem::exists(File(kSelectedDataFile)));
    EXPECT_THAT(services.Messages(), IsEmpty()) << "missing files at close are no error";
}

TEST_F(PrintOptionsTest, FailedPrintIsReportedAndItsFileStillGoesAtClose) {
    auto& f = Results();
    reports.Fail = true;
    services.ReportEngine = &reports;
    services.OnShowModal = [&](TForm& shown) {
        Print(dynamic_cast<TfrmPrintOptions&>(shown), 2);
        EXPECT_TRUE(std::filesystem::exists(File(kListDataFile)));
        EXPECT_FALSE(reports.Open[TReportKind::List]) << "closed after a failed print too";
        return TModalResult::None;
    };
    ShowPrintOptions(f);
    EXPECT_THAT(services.Messages(), ElementsAre("error: printer on fire"));
    EXPECT_FALSE(std::filesystem::exists(File(kListDataFile)));
}

TEST_F(PrintOptionsTest, UnwritableDataFileNamesTheFileAndShowsNoReport) {
    auto& f = Results();
    // A folder where the data file goes: it cannot be replaced by a file.
    std::filesystem::create_directory(File(kListDataFile));
    TfrmPrintOptions window(f, reports);
    Print(window, 2);
    EXPECT_THAT(reports.Calls, IsEmpty());
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_EQ(services.Messages().front(), "error: Unable to write to " + File(kListDataFile).string());
    std::filesystem::remove(File(kListDataFile));
    for (const auto& entry : std::filesystem::directory_iterator(programFolder))
        EXPECT_EQ(entry.path().filename().string().find("list.dvk"), std::string::npos)
            << "partial file left: " << entry.path();
}

TEST_F(PrintOptionsTest, MainWindowPrintCommandsShowANewWindowEachTime) {
    auto& f = Results();
    services.ReportEngine = &reports;
    int shown = 0;
    services.OnShowModal = [&](TForm& opened) {
        auto& window = dynamic_cast<TfrmPrintOptions&>(opened);
        ++shown;
        EXPECT_EQ(window.rgPrintOptions.ItemIndex(), 0) << "every window starts at Current Selection";
        window.rgPrintOptions.SetItemIndex(2);
        window.btnPrint.Click();
        return TModalResult::None;
    };
    User([&] { f.btnPrint.Click(); });
    User([&] { f.Print1->Click(); });
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(services.ModalShown, (std::vector<std::string>{"Print Options", "Print Options"}));
    EXPECT_THAT(reports.Calls, ElementsAre("list list.dvk", "list list.dvk"));
    EXPECT_FALSE(std::filesystem::exists(File(kListDataFile))) << "removed as each window closed";
    EXPECT_THAT(services.Messages(), IsEmpty());
}

TEST_F(PrintOptionsTest, PrintCommandWithoutAReportEngineSaysSoAndOpensNothing) {
    auto& f = Results();
    User([&] { f.btnPrint.Click(); });
    EXPECT_THAT(services.ModalShown, IsEmpty());
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_EQ(services.Messages().front(), "error: No report can be printed here.");
}

} // namespace
} // namespace dorvik::testing
