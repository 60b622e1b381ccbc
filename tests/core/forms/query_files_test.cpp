#include "core/forms/main_window_fixture.h"
#include "core/text/text_file.h"

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

class QueryFilesTest : public MainWindowTest {
protected:
    std::filesystem::path QueryFile(const std::string& body) {
        const auto path = folder.Path() / "query.dvk";
        WriteFile(path, "[data]\r\n" + body);
        return path;
    }
    void Open(TfrmMain& f, const std::filesystem::path& path) {
        services.DialogAnswers.push_back(path.string());
        User([&] { f.OpenFile1Click(); });
    }
};

TEST_F(QueryFilesTest, SavingTheDefaults) {
    auto& f = Start();
    const auto path = folder.Path() / "saved";
    services.DialogAnswers.push_back(path.string());
    User([&] { f.SaveQuerySettingsToFile1Click(); });
    EXPECT_EQ(
        ReadWholeFile(path.string() + ".dvk"),
        "[data]\r\nBegFreq=100\r\nEndFreq=300\r\nC1=7-16 DIN Female\r\nC2=7-16 DIN Female\r\nMaxLoss=0\r\n"
        "Length=0\r\nVSWR=1.1\r\nUnits=F\r\nFoam=True\r\nAir=True\r\nWaveguide=True\r\nByFreq=True\r\n"
        "ByLoss=False\r\nByC1=False\r\nByC2=False\r\n");
    ASSERT_EQ(services.DialogsShown.size(), 1u);
    EXPECT_EQ(services.DialogsShown[0].InitialDir, (programFolder / "dvk").string());
    EXPECT_EQ(services.DialogsShown[0].Filter, "Dorvik Files (*.dvk)|*.dvk");
    EXPECT_TRUE(std::filesystem::is_directory(programFolder / "dvk"));
}

TEST_F(QueryFilesTest, SavingOverAFileKeepsItsOtherSections) {
    auto& f = Start();
    const auto path = folder.Path() / "q.dvk";
    WriteFile(path, "[notes]\r\nwho=me\r\n[data]\r\nBegFreq=1\r\nExtra=kept\r\n");
    services.DialogAnswers.push_back(path.string());
    User([&] { f.SaveQuerySettingsToFile1Click(); });
    const std::string text = ReadWholeFile(path);
    EXPECT_NE(text.find("[notes]\r\nwho=me\r\n"), std::string::npos);
    EXPECT_NE(text.find("BegFreq=100\r\n"), std::string::npos);
    EXPECT_NE(text.find("Extra=kept\r\n"), std::string::npos);
}

TEST_F(QueryFilesTest, FailedSaveReportsAndKeepsTheOldFile) {
    auto& f = Start();
    const auto blocker = folder.Path() / "not-a-folder";
    WriteFile(blocker, "x");
    services.DialogAnswers.push_back((blocker / "q.dvk").string());
    User([&] { f.SaveQuerySettingsToFile1Click(); });
    ASSERT_EQ(services.Messages().size(), 1u);
    EXPECT_THAT(services.Messages()[0], ::testing::StartsWith("error: Unable to write to "));
}

TEST_F(QueryFilesTest, ValuesAreAppliedWithTheirRules) {
    auto& f = Start();
    Open(f, QueryFile("BegFreq=123.4\r\nUnits=feet\r\nAir=no\r\nFoam=FALSE\r\nByC1=yes\r\nByFreq=true\r\n"
                      "ByLoss=True\r\nLength=abc\r\n"));
    EXPECT_EQ(f.cbxBeginningFrequency.Items().back(), "123.4");
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "123.4");
    EXPECT_EQ(f.cbxEndingFrequency.Text(), "0"); // missing: default, appended
    EXPECT_TRUE(f.rbFeet.Checked());             // "F", "FT", "feet"
    EXPECT_TRUE(f.chkAir.Checked());
    EXPECT_FALSE(f.chkFoam.Checked());
    EXPECT_FALSE(f.chkWaveguide.Checked()); // missing flags are false
    EXPECT_FALSE(f.chkConnector.Checked());
    EXPECT_TRUE(f.chkFrequency.Checked());
    EXPECT_TRUE(f.chkInsertionLoss.Checked());
    EXPECT_EQ(f.edtLength.Text(), "0");
    EXPECT_THAT(services.Messages(), ElementsAre("info: This field must contain a numeric value."));
}

TEST_F(QueryFilesTest, LossWithoutFrequencyTurnsFrequencyOn) {
    auto& f = Start();
    Open(f, QueryFile("ByLoss=True\r\nByFreq=False\r\nUnits=f\r\n"));
    EXPECT_TRUE(f.chkFrequency.Checked());
    EXPECT_TRUE(f.chkInsertionLoss.Checked());
    EXPECT_TRUE(f.rbFeet.Checked());
}

TEST_F(QueryFilesTest, CancellingChangesNothing) {
    auto& f = Start();
    Open(f, QueryFile("Length=12\r\n"));
    services.DialogAnswers.push_back(std::nullopt);
    User([&] { f.OpenFile1Click(); });
    EXPECT_EQ(f.edtLength.Text(), "12");
}

TEST_F(QueryFilesTest, SaveAndReopenGiveTheSameResults) {
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    f.edtLength.SetText("100");
    Search();
    const auto expected = Row(f.grdSpecs, 1);
    const auto path = folder.Path() / "round.dvk";
    services.DialogAnswers.push_back(path.string());
    User([&] { f.SaveQuerySettingsToFile1Click(); });
    form->FormDestroy();
    auto& g = Start({"file", path.string()});
    EXPECT_EQ(g.PageControl1.ActivePageIndex(), 1);
    EXPECT_EQ(Row(g.grdSpecs, 1), expected);
}

TEST_F(QueryFilesTest, CommandLineForms) {
    {
        auto& f = Start({"FILE"});
        EXPECT_TRUE(f.TerminateRequested);
        EXPECT_THAT(services.Messages(), ElementsAre("error: Not enough parameters to run this program"));
        EXPECT_TRUE(f.Hits.empty());
    }
    services.Events.clear();
    {
        auto& f = Start({"FILE", (folder.Path() / "missing.dvk").string()});
        // Said with the reason; nothing is run.
        EXPECT_TRUE(f.TerminateRequested);
        EXPECT_TRUE(f.Hits.empty());
        EXPECT_THAT(services.Events,
                    ElementsAre(::testing::AllOf(::testing::StartsWith("error: Cannot read the query file "),
                                                 ::testing::EndsWith(": No such file or directory."))));
    }
    services.Events.clear();
    {
        auto& f = Start({"TA-200", "ignored"});
        EXPECT_THAT(Column(f.grdSpecs, 1), ElementsAre("TA-200"));
        EXPECT_EQ(f.grdSpecs.Cell(13, 1), "$5.50");
        EXPECT_FALSE(f.chkFrequency.Checked());
    }
}

TEST_F(QueryFilesTest, FileFormWithoutExactlyOnePathEndsWithoutSearching) {
    for (const auto& params : {std::vector<std::string>{"file"}, {"FILE", "a.dvk", "b.dvk"}}) {
        services.Events.clear();
        auto& f = Start(params);
        EXPECT_TRUE(f.TerminateRequested) << params.size();
        EXPECT_THAT(services.Events, ElementsAre("error: Not enough parameters to run this program"))
            << params.size();
        EXPECT_TRUE(f.Hits.empty());
        EXPECT_EQ(f.PageControl1.ActivePageIndex(), 0);
    }
}

TEST_F(QueryFilesTest, SavingWithMetersWritesUnitsM) {
    auto& f = Start();
    f.rbMeters.SetChecked(true);
    const auto path = folder.Path() / "m.dvk";
    services.DialogAnswers.push_back(path.string());
    User([&] { f.SaveQuerySettingsToFile1Click(); });
    EXPECT_NE(ReadWholeFile(path).find("\r\nUnits=M\r\n"), std::string::npos);
}

// Query files travel between machines: numbers written with '.' read in a comma locale too, and numbers are
// saved with '.'.
TEST_F(QueryFilesTest, NumbersWithAPointReadInACommaLocale) {
    auto& f = Start({}, ',');
    Open(f, QueryFile("BegFreq=824.5\r\nEndFreq=960\r\nMaxLoss=3.5\r\nLength=100.5\r\nVSWR=1.3\r\n"
                      "Units=F\r\nFoam=True\r\nByFreq=True\r\n"));
    EXPECT_TRUE(services.Messages().empty());
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "824,5");
    EXPECT_EQ(f.cbxEndingFrequency.Text(), "960");
    EXPECT_EQ(f.edtMaxLoss.Text(), "3,5");
    EXPECT_EQ(f.edtLength.Text(), "100,5");
    EXPECT_EQ(f.edtVSWR.Text(), "1,3");
    // A comma is the locale's own; a text that is no number still meets the field's rule.
    Open(f, QueryFile("Length=2,5\r\nVSWR=1.3x\r\nBegFreq=8.0.0\r\n"));
    EXPECT_EQ(f.edtLength.Text(), "2,5");
    EXPECT_EQ(f.edtVSWR.Text(), "0");
    EXPECT_EQ(f.cbxBeginningFrequency.Text(), "8.0.0");
    EXPECT_THAT(services.Messages(), ElementsAre("info: This field must contain a numeric value."));

    f.edtLength.SetText("100,5");
    f.edtVSWR.SetText("1,3");
    f.cbxBeginningFrequency.SetTextByProgram("824,5");
    const auto path = folder.Path() / "comma.dvk";
    services.DialogAnswers.push_back(path.string());
    User([&] { f.SaveQuerySettingsToFile1Click(); });
    const auto text = ReadWholeFile(path);
    EXPECT_NE(text.find("\r\nBegFreq=824.5\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nLength=100.5\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nVSWR=1.3\r\n"), std::string::npos) << text;
}

TEST_F(QueryFilesTest, PointFileGivesTheSameFiguresInACommaLocale) {
    const auto path = QueryFile("BegFreq=800\r\nEndFreq=1000\r\nLength=100.5\r\nVSWR=1.3\r\nUnits=F\r\n"
                                "Foam=True\r\nAir=True\r\nWaveguide=True\r\nByFreq=True\r\n");
    auto& point = Start({"FILE", path.string()}, '.');
    auto expected = Row(point.grdSpecs, 1);
    for (auto& cell : expected)
        std::replace(cell.begin(), cell.end(), '.', ',');
    auto& comma = Start({"FILE", path.string()}, ',');
    EXPECT_TRUE(services.Messages().empty());
    EXPECT_EQ(Row(comma.grdSpecs, 1), expected);
    EXPECT_NE(expected[11], "0,00");
}

// Each dialog opens in its own folder and proposes only the base name it remembers, with its own extension.
TEST_F(QueryFilesTest, DialogsProposeTheirOwnFolderAndExtension) {
    auto& f = Start();
    f.cbxBeginningFrequency.SetTextByProgram("800");
    f.cbxEndingFrequency.SetTextByProgram("1000");
    Search();
    services.DialogAnswers.push_back((programFolder / "html" / "results.html").string());
    User([&] { f.ToAnHTMLFile1Click(); });
    services.DialogAnswers.push_back((programFolder / "dvk" / "results.dvk").string());
    User([&] { f.SaveQuerySettingsToFile1Click(); });
    ASSERT_EQ(services.DialogsShown.size(), 2u);
    EXPECT_EQ(services.DialogsShown[1].InitialDir, (programFolder / "dvk").string());
    EXPECT_EQ(services.DialogsShown[1].FileName, "results.dvk");
    EXPECT_EQ(services.DialogsShown[1].Filter, "Dorvik Files (*.dvk)|*.dvk");
    EXPECT_TRUE(std::filesystem::exists(programFolder / "dvk" / "results.dvk"));

    services.DialogAnswers.push_back((programFolder / "xls" / "sheet.xls").string());
    User([&] { f.ToAMicrosoftExcelFile1Click(); });
    services.DialogAnswers.push_back(std::nullopt);
    User([&] { f.ToAMicrosoftExcelFile1Click(); });
    EXPECT_EQ(services.DialogsShown[3].InitialDir, (programFolder / "xls").string());
    EXPECT_EQ(services.DialogsShown[3].FileName, "sheet.xls");

    services.DialogAnswers.push_back(std::nullopt);
    User([&] { f.ToAnHTMLFile1Click(); });
    EXPECT_EQ(services.DialogsShown[4].FileName, "");
    EXPECT_EQ(services.DialogsShown[4].InitialDir, (programFolder / "html").string());

    f.btnNewQueryClick();
    services.DialogAnswers.push_back((folder.Path() / "elsewhere" / "mine.dvk").string());
    User([&] { f.OpenFile1Click(); });
    services.DialogAnswers.push_back(std::nullopt);
    User([&] { f.OpenFile1Click(); });
    EXPECT_EQ(services.DialogsShown[6].InitialDir, (programFolder / "dvk").string());
    EXPECT_EQ(services.DialogsShown[6].FileName, "mine.dvk");
}

// A run of a part number or a query file neither restores nor replaces the user's stored query page.
TEST_F(QueryFilesTest, CommandLineRunLeavesTheStoredQueryPage) {
    store.CreateKey(kSettingsKey);
    store.WriteDword(kSettingsKey, "Save", 1);
    store.WriteString(kSettingsKey, "Length", "77");
    const auto query = folder.Path() / "q.dvk";
    WriteBytes(query, "[data]\nLength=12\nFoam=True\n");
    for (const std::vector<std::string>& params :
         {std::vector<std::string>{"TC-100|50|F"}, {"FILE", query.string()}}) {
        auto& f = Start(params);
        EXPECT_NE(f.edtLength.Text(), "77");
        f.FormDestroy();
        EXPECT_EQ(store.ReadValue(kSettingsKey, "Length")->text, "77");
        EXPECT_FALSE(store.ReadValue(kSettingsKey, "Meters"));
    }
}

} // namespace
} // namespace dorvik::testing

namespace dorvik::testing {
namespace {

// A query file's Sort= orders its search; the grid's order is saved with the query.
TEST_F(QueryFilesTest, SortIsReadWithTheQueryAndSavedWhenTheGridIsSorted) {
    const std::string query =
        "BegFreq=800\r\nEndFreq=1000\r\nLength=100\r\nUnits=F\r\nFoam=True\r\nAir=True\r\n"
        "Waveguide=True\r\nByFreq=True\r\n";
    const struct {
        const char* sort;
        std::vector<std::string> parts;
        const char* saved; // nothing when the grid keeps catalogue order
    } cases[] = {{"Sort=loss\r\n", {"TW-300", "TC-100"}, "\r\nSort=loss\r\n"},
                 {"Sort=LOSS:desc\r\n", {"TC-100", "TW-300"}, "\r\nSort=loss:desc\r\n"},
                 {"Sort=bogus\r\n", {"TC-100", "TW-300"}, nullptr},
                 {"Sort=price\r\n", {"TW-300", "TC-100"}, "\r\nSort=price\r\n"},
                 {"", {"TC-100", "TW-300"}, nullptr}};
    for (const auto& c : cases) {
        auto& f = Start({"FILE", QueryFile(query + c.sort).string()});
        EXPECT_EQ(Column(f.grdSpecs, 1), c.parts) << c.sort;
        const auto saved = folder.Path() / "saved.dvk";
        services.DialogAnswers.push_back(saved.string());
        User([&] { f.SaveQuerySettingsToFile1Click(); });
        const std::string text = ReadWholeFile(saved);
        // Saved over the previous case's file: an order it held does not stay.
        EXPECT_NE(text.find(c.saved ? c.saved : "\r\nSort=\r\n"), std::string::npos) << text;
    }
}

} // namespace
} // namespace dorvik::testing
