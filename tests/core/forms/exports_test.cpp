#include "core/forms/main_window_fixture.h"
#include "core/output/html_page.h"
#include "core/output/spreadsheet_text.h"
#include "core/output/workbook.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace dorvik::testing {
namespace {

using ::testing::ElementsAre;

class ExportsTest : public MainWindowTest {
protected:
    TfrmMain& Results() { return StartWithResults(); }
    static std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ExportsTest, ClipboardGetsTheSelectedLineWithLineFeeds) {
    auto& f = Results();
    User([&] { f.btnClipboardClick(); });
    const std::string& text = services.Clipboard;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 28);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.rfind("Transmission Line:\n\nPart Number:                   TC-100\n", 0), 0u);
    EXPECT_NE(text.find("\nConnector 1:\n\nPart Number:                   NM-1\n"), std::string::npos);
    EXPECT_TRUE(services.Messages().empty());
}

TEST_F(ExportsTest, ClipboardThatCannotBeOpenedIsReported) {
    auto& f = Results();
    services.ClipboardWorks = false;
    User([&] { f.btnClipboardClick(); });
    EXPECT_THAT(services.Messages(), ElementsAre("error: Cannot open clipboard"));
}

TEST_F(ExportsTest, SpreadsheetIsWrittenAndOpenedWithItsDefaultExtension) {
    auto& f = Results();
    const auto chosen = folder.Path() / "results";
    services.DialogAnswers.push_back(chosen.string());
    User([&] { f.ToAMicrosoftExcelFile1Click(); });
    ASSERT_EQ(services.DialogsShown.size(), 1u);
    const TFileDialog& shown = services.DialogsShown.front();
    EXPECT_EQ(shown.Name, "ExcelSave");
    EXPECT_EQ(shown.InitialDir, (programFolder / "xls").string());
    EXPECT_EQ(shown.Filter, "MS Excel Files (*.xls)|*.xls");
    EXPECT_TRUE(std::filesystem::is_directory(programFolder / "xls"));
    const auto written = folder.Path() / "results.xls";
    // The fourteen columns other programs read: no cost of run.
    EXPECT_EQ(ReadWholeFile(written), BuildSpreadsheetText(f.ListedColumns()));
    EXPECT_EQ(f.ListedColumns().ColCount(), 14);
    EXPECT_THAT(services.Events, ElementsAre("open: " + written.string()));
    // The dialog keeps the name for the next export.
    EXPECT_EQ(f.ExcelSave.FileName, written.string());
}

TEST_F(ExportsTest, WorkbookIsWrittenWholeAndOpenedOrItsFailureReported) {
    auto& f = Results();
    if (!WorkbooksAvailable())
        GTEST_SKIP() << "built without libxlsxwriter";
    EXPECT_TRUE(f.ToAnExcelWorkbook1->Enabled());
    const auto taken = folder.Path() / "taken.xlsx"; // a folder in place of the file
    std::filesystem::create_directory(taken);
    services.DialogAnswers = {(folder.Path() / "lines").string(), std::nullopt, taken.string()};
    User([&] { f.ToAnExcelWorkbook1Click(); });
    User([&] { f.ToAnExcelWorkbook1Click(); });
    User([&] { f.ToAnExcelWorkbook1Click(); });
    ASSERT_EQ(services.DialogsShown.size(), 3u);
    EXPECT_EQ(services.DialogsShown[0].Filter, "Excel Workbooks (*.xlsx)|*.xlsx");
    EXPECT_EQ(services.DialogsShown[0].InitialDir, (programFolder / "xls").string());
    const auto written = folder.Path() / "lines.xlsx";
    EXPECT_EQ(ReadWholeFile(written).substr(0, 2),
              "PK"); // a zip package; its cells are read in the tool's test
    ASSERT_EQ(services.Events.size(), 2u);
    EXPECT_EQ(services.Events[0], "open: " + written.string());
    EXPECT_EQ(services.Events[1].rfind("error: ", 0), 0u) << services.Events[1];
    EXPECT_THAT(FilesIn(folder.Path()), ElementsAre("lines.xlsx", "program", "shared", "taken.xlsx"));
}

TEST_F(ExportsTest, CancelledDialogsWriteAndOpenNothing) {
    auto& f = Results();
    services.DialogAnswers = {std::nullopt, std::nullopt};
    f.ExcelSave.FileName = (folder.Path() / "earlier.xls").string();
    User([&] { f.ToAMicrosoftExcelFile1Click(); });
    User([&] { f.ToAnHTMLFile1Click(); });
    EXPECT_EQ(services.DialogsShown.size(), 2u);
    // The remembered name is proposed in the export folder: its base name only.
    EXPECT_EQ(services.DialogsShown[0].FileName, "earlier.xls");
    EXPECT_EQ(services.DialogsShown[0].InitialDir, (programFolder / "xls").string());
    EXPECT_TRUE(services.Events.empty());
    EXPECT_THAT(FilesIn(folder.Path()), ElementsAre("program", "shared"));
    EXPECT_TRUE(FilesIn(programFolder / "xls").empty());
}

// An installed program cannot write its own folder: every dialog for the user's files opens in the documents
// folder, and no sub-folder is made there or in the hidden data folder.
TEST_F(ExportsTest, InstalledProgramProposesTheDocumentsFolder) {
    outputFolder = folder.Path() / "data";
    documentsFolder = folder.Path() / "Documents";
    std::filesystem::create_directories(outputFolder);
    std::filesystem::create_directories(*documentsFolder);
    auto& f = Results();
    const std::vector<std::function<void()>> dialogs{
        [&] { f.ToAMicrosoftExcelFile1Click(); }, [&] { f.ToAnExcelWorkbook1Click(); },
        [&] { f.ToAnHTMLFile1Click(); }, [&] { f.SaveQuerySettingsToFile1Click(); },
        [&] { f.OpenFile1Click(); }};
    services.DialogAnswers.assign(dialogs.size(), std::nullopt);
    for (const auto& dialog : dialogs)
        User(dialog);
    ASSERT_EQ(services.DialogsShown.size(), dialogs.size());
    for (const TFileDialog& shown : services.DialogsShown)
        EXPECT_EQ(shown.InitialDir, documentsFolder->string()) << shown.Name;
    EXPECT_TRUE(FilesIn(*documentsFolder).empty());
    EXPECT_TRUE(FilesIn(outputFolder).empty());
}

TEST_F(ExportsTest, HtmlDialogIsPreparedAfresh) {
    auto& f = Results();
    // The query-file save shares the dialog and leaves its own settings behind.
    f.HtmlSave.FileName = "query.dvk";
    f.HtmlSave.DefaultExt = ".dvk";
    f.HtmlSave.Filter = "Dorvik Files (*.dvk)|*.dvk";
    const auto chosen = folder.Path() / "page";
    services.DialogAnswers.push_back(chosen.string());
    User([&] { f.ToAnHTMLFile1Click(); });
    ASSERT_EQ(services.DialogsShown.size(), 1u);
    const TFileDialog& shown = services.DialogsShown.front();
    EXPECT_EQ(shown.Name, "HtmlSave");
    EXPECT_EQ(shown.FileName, "");
    EXPECT_EQ(shown.DefaultExt, "html");
    EXPECT_EQ(shown.Filter, "html Files (*.html)|*.html");
    EXPECT_EQ(shown.InitialDir, (programFolder / "html").string());
    EXPECT_TRUE(std::filesystem::is_directory(programFolder / "html"));
    const auto written = folder.Path() / "page.html";
    EXPECT_EQ(ReadWholeFile(written), BuildHtmlPage(f.ListedColumns(), 3));
    EXPECT_THAT(services.Events, ElementsAre("open: " + written.string()));
}

TEST_F(ExportsTest, ChosenExtensionIsKeptAndAnExistingFileReplaced) {
    auto& f = Results();
    const auto chosen = folder.Path() / "page.htm";
    WriteFile(chosen, std::string(100000, 'x'));
    services.DialogAnswers.push_back(chosen.string());
    User([&] { f.CreateHtml("html", 3); });
    EXPECT_EQ(ReadWholeFile(chosen), BuildHtmlPage(f.ListedColumns(), 3));
}

TEST_F(ExportsTest, UnwritableFileIsReportedAndNotOpened) {
    auto& f = Results();
    const auto existing = folder.Path() / "kept.xls";
    WriteFile(existing, "earlier export");
    // A folder in place of the file: the rename cannot replace it.
    std::filesystem::create_directory(folder.Path() / "taken.html");
    const auto missingFolder = folder.Path() / "no such folder" / "out.xls";
    services.DialogAnswers = {missingFolder.string(), (folder.Path() / "taken.html").string()};
    User([&] { f.ToAMicrosoftExcelFile1Click(); });
    User([&] { f.ToAnHTMLFile1Click(); });
    EXPECT_THAT(services.Events,
                ElementsAre("error: Unable to write to " + missingFolder.string(),
                            "error: Unable to write to " + (folder.Path() / "taken.html").string()));
    EXPECT_THAT(FilesIn(folder.Path()), ElementsAre("kept.xls", "program", "shared", "taken.html"));
    EXPECT_EQ(ReadWholeFile(existing), "earlier export");
}

TEST_F(ExportsTest, OutputFolderThatCannotBeCreatedIsIgnored) {
    auto& f = Results();
    WriteFile(programFolder / "xls", "a file where the folder would be");
    const auto chosen = folder.Path() / "out.xls";
    services.DialogAnswers.push_back(chosen.string());
    User([&] { f.ToAMicrosoftExcelFile1Click(); });
    EXPECT_TRUE(std::filesystem::is_regular_file(chosen));
    EXPECT_THAT(services.Events, ElementsAre("open: " + chosen.string()));
}

// Without a spreadsheet program the file is still written; it is opened only where one is registered.
TEST_F(ExportsTest, SpreadsheetFileIsWrittenAndOpenedWhereAProgramIsRegistered) {
    services.HasSpreadsheetProgram = false;
    auto& f = Results();
    EXPECT_TRUE(f.ToAMicrosoftExcelFile1->Enabled());
    const auto chosen = folder.Path() / "plain.xls";
    services.DialogAnswers.push_back(chosen.string());
    User([&] { f.ToAMicrosoftExcelFile1Click(); });
    EXPECT_TRUE(std::filesystem::is_regular_file(chosen));
    EXPECT_THAT(services.Events, ::testing::IsEmpty());
}

} // namespace
} // namespace dorvik::testing
