// dorvik-query --chart: the chart of the lines listed written as SVG or PNG without a display, beside the
// results on standard output.
#include "report/pdf_tools.h"
#include "tool_runner.h"

#include <regex>

namespace dorvik::testing {
namespace {

class QueryToolChartTest : public QueryToolTest {
protected:
    std::filesystem::path sample = DORVIK_SAMPLE_DATA;

    void SetUp() override {
        QueryToolTest::SetUp();
        environment.erase("DISPLAY");
    }
    std::vector<std::string> Example(std::vector<std::string> args) const { return WithSampleFiles(args); }
    std::vector<std::string> PartNumbers() {
        const ToolResult tsv = Run(Example({"--format", "tsv"}));
        std::vector<std::string> parts;
        for (std::size_t at = tsv.out.find('\n'); at != std::string::npos && at + 1 < tsv.out.size();
             at = tsv.out.find('\n', at + 1))
            parts.push_back(tsv.out.substr(at + 1, tsv.out.find('\t', at + 1) - at - 1));
        return parts;
    }
    static std::size_t Count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    }
    // A tool built without Qt writes SVG only, and says so.
    static bool WithoutQt(const ToolResult& result) {
        return result.status == 2 && result.err.find("built without Qt") != std::string::npos;
    }
};

TEST_F(QueryToolChartTest, SvgHasALabelledCurveForEachOfTheFirstTenLines) {
    const std::vector<std::string> parts = PartNumbers();
    ASSERT_FALSE(parts.empty());
    const std::filesystem::path svg = scratch / "lines.svg";
    const ToolResult result = Run(Example({"--format", "tsv", "--chart", svg.string()}));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    // The results still go to standard output, as without --chart.
    EXPECT_EQ(result.out, Run(Example({"--format", "tsv"})).out);
    const std::string text = ReadBytes(svg);
    EXPECT_NE(text.find("</svg>"), std::string::npos);
    const std::size_t charted = std::min<std::size_t>(parts.size(), 10);
    for (std::size_t i = 0; i < parts.size(); ++i)
        EXPECT_EQ(text.find(">" + parts[i]) != std::string::npos, i < charted) << parts[i];
    EXPECT_GE(Count(text, "<path"), charted);
}

TEST_F(QueryToolChartTest, PngByItsExtension) {
    const std::filesystem::path png = scratch / "lines.PNG";
    const ToolResult result = Run(Example({"--chart", png.string()}));
    if (WithoutQt(result))
        GTEST_SKIP() << result.err;
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadBytes(png).substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
}

TEST_F(QueryToolChartTest, RefusedWhereItCannotBeWritten) {
    const ToolResult gif = Run(Example({"--chart", (scratch / "lines.gif").string()}));
    EXPECT_EQ(gif.status, 2);
    EXPECT_NE(gif.err.find(".svg, .png or .pdf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(scratch / "lines.gif"));
    const std::filesystem::path missing = scratch / "no such folder" / "lines.svg";
    const ToolResult unwritable = Run(Example({"--chart", missing.string()}));
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("Unable to write to"), std::string::npos) << unwritable.err;
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
}

TEST_F(QueryToolChartTest, PdfIsTheLetterPageThePrintCommandPrintsWithReadableText) {
    const std::filesystem::path pdf = scratch / "lines.pdf";
    const ToolResult result = Run(Example({"--chart", pdf.string()}));
    if (WithoutQt(result))
        GTEST_SKIP() << result.err;
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(PdfInfo(pdf, "Page size").substr(0, 16), "792 x 612 pts (l");
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
    const std::string boxes = CommandOutput("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    const std::regex word(R"re(yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">([^<]*)<)re");
    int words = 0;
    std::string all;
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), word); it != std::sregex_iterator();
         ++it) {
        ++words;
        all += (*it)[3].str() + " ";
        EXPECT_GE(std::stod((*it)[2].str()) - std::stod((*it)[1].str()), 8.0) << (*it)[3].str();
    }
    EXPECT_GT(words, 20);
    const std::vector<std::string> parts = PartNumbers();
    for (std::size_t i = 0; i < std::min<std::size_t>(parts.size(), 10); ++i)
        EXPECT_NE(all.find(parts[i]), std::string::npos) << parts[i];
}

} // namespace
} // namespace dorvik::testing
