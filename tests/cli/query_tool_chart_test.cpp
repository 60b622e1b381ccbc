// dorvik-query --chart: the chart of the lines listed written as SVG or PNG without a display, beside the
// results on standard output.
#include "tool_runner.h"

namespace dorvik::testing {
namespace {

class QueryToolChartTest : public QueryToolTest {
protected:
    std::filesystem::path sample = DORVIK_SAMPLE_DATA;

    void SetUp() override {
        if (!kToolHasReports)
            GTEST_SKIP() << "this dorvik-query is built without the report engine";
        QueryToolTest::SetUp();
        environment.erase("DISPLAY");
    }
    std::vector<std::string> Example(std::vector<std::string> args) const {
        std::vector<std::string> all{"--catalogue", (sample / "Freq_TLine_Connectors.dat").string(),
                                     "--prices", (sample / "M_lom.dat").string()};
        all.insert(all.end(), args.begin(), args.end());
        all.push_back((sample / "example.dvk").string());
        return all;
    }
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
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadBytes(png).substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
}

TEST_F(QueryToolChartTest, RefusedWhereItCannotBeWritten) {
    const ToolResult pdf = Run(Example({"--chart", (scratch / "lines.pdf").string()}));
    EXPECT_EQ(pdf.status, 2);
    EXPECT_NE(pdf.err.find(".svg or .png"), std::string::npos);
    const std::filesystem::path missing = scratch / "no such folder" / "lines.svg";
    const ToolResult unwritable = Run(Example({"--chart", missing.string()}));
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("Unable to write to"), std::string::npos) << unwritable.err;
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
}

} // namespace
} // namespace dorvik::testing
