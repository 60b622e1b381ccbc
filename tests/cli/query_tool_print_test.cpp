// dorvik-query --print: reports written to PDF through the report engine without a display, the data file
// in a private folder that goes away, and the usage rules of --print, --row and --pdf.
#include "report/pdf_tools.h"
#include "tool_runner.h"

namespace dorvik::testing {
namespace {

class QueryToolPrintTest : public QueryToolTest {
protected:
    std::filesystem::path sample = DORVIK_SAMPLE_DATA;
    std::filesystem::path tmp = folder.Path() / "tmp";
    std::filesystem::path pdf = folder.Path() / "report.pdf";
    std::filesystem::path query = folder.Path() / "all.dvk";

    void SetUp() override {
        if (!kToolHasReports)
            GTEST_SKIP() << "this dorvik-query is built without the report engine";
        QueryToolTest::SetUp();
        std::filesystem::create_directories(tmp);
        environment["TMPDIR"] = tmp.string();
        environment.erase("DISPLAY");
        // Every foam and air line of the band: more than a page of the list report.
        dorvik::testing::WriteBytes(query, "[data]\r\nBegFreq=824\r\nEndFreq=960\r\nC1=N Male\r\nC2=\r\n"
                                           "MaxLoss=3\r\nLength=50\r\nVSWR=1.3\r\nUnits=M\r\nFoam=True\r\n"
                                           "Air=True\r\nWaveguide=False\r\nByFreq=False\r\nByLoss=False\r\n"
                                           "ByC1=False\r\nByC2=False\r\n");
    }
    std::vector<std::string> Sample(std::vector<std::string> args) const {
        std::vector<std::string> all{"--catalogue", (sample / "Freq_TLine_Connectors.dat").string(),
                                     "--prices", (sample / "M_lom.dat").string()};
        all.insert(all.end(), args.begin(), args.end());
        all.push_back(query.string());
        return all;
    }
    // The part numbers of the example query's lines, in grid order.
    std::vector<std::string> PartNumbers() {
        const ToolResult tsv = Run(Sample({"--format", "tsv"}));
        std::vector<std::string> parts;
        std::size_t at = tsv.out.find('\n');
        while (at != std::string::npos && at + 1 < tsv.out.size()) {
            parts.push_back(tsv.out.substr(at + 1, tsv.out.find('\t', at + 1) - at - 1));
            at = tsv.out.find('\n', at + 1);
        }
        return parts;
    }
    std::string Pages() const { return PdfInfo(pdf, "Pages"); }
    std::string Text() const { return PdfText(pdf); }
    bool TmpIsEmpty() const { return std::filesystem::is_empty(tmp); }
};

TEST_F(QueryToolPrintTest, EntireListGivesSevenLinesAPageAndEveryPartNumber) {
    const auto parts = PartNumbers();
    ASSERT_GE(parts.size(), 8u);
    const ToolResult result = Run(Sample({"--print", "list", "--pdf", pdf.string()}));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(Pages(), std::to_string((parts.size() + 6) / 7));
    const std::string text = Text();
    for (const auto& part : parts)
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_TRUE(TmpIsEmpty()) << "the private data folder is removed";
}

TEST_F(QueryToolPrintTest, SelectionIsTheDataSheetOfTheChosenRow) {
    const auto parts = PartNumbers();
    const ToolResult result = Run(Sample({"--print", "selection", "--row", "2", "--pdf", pdf.string()}));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Pages(), "1");
    const std::string text = Text();
    EXPECT_NE(text.find(parts[1]), std::string::npos);
    EXPECT_EQ(text.find(parts[0] + "\n"), std::string::npos);
    EXPECT_NE(text.find("Connector #2:"), std::string::npos);
    EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(QueryToolPrintTest, PageIsSixLinesFromTheRow) {
    const auto parts = PartNumbers();
    ASSERT_GE(parts.size(), 8u);
    const ToolResult result = Run(Sample({"--print", "page", "--row", "2", "--pdf", pdf.string()}));
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string text = Text();
    for (std::size_t i = 0; i < parts.size(); ++i)
        EXPECT_EQ(text.find(parts[i]) != std::string::npos, i >= 1 && i <= 6) << parts[i];
}

TEST_F(QueryToolPrintTest, UsageRules) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    for (const Case& c :
         {Case{{"--print", "list"}, "--print needs --pdf FILE"},
          Case{{"--pdf", "x.pdf"}, "--pdf goes with --print"},
          Case{{"--row", "2"}, "--row goes with --print"},
          Case{{"--print", "all", "--pdf", "x.pdf"}, "unknown print extent 'all'"},
          Case{{"--print", "page", "--row", "0", "--pdf", "x.pdf"}, "--row needs a row number"},
          Case{{"--print", "page", "--row", "2x", "--pdf", "x.pdf"}, "--row needs a row number"},
          Case{{"--print", "page", "--row", "9999", "--pdf", pdf.string()},
               "--row 9999: the results have"}}) {
        const ToolResult result = Run(Sample(c.args));
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(QueryToolPrintTest, UnwritablePdfFails) {
    const auto target = folder.Path() / "missing folder" / "report.pdf";
    const ToolResult result = Run(Sample({"--print", "list", "--pdf", target.string()}));
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("Unable to write to " + target.string()), std::string::npos) << result.err;
    EXPECT_TRUE(TmpIsEmpty());
}

} // namespace
} // namespace dorvik::testing
