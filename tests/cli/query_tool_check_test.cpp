// dorvik-query --check on files with many problems: written as found, bounded by --max-problems, the codes
// the rates lack named, and values far outside a catalogue's range warned about without failing the check.
#include "core/text/text_file.h"
#include "tool_runner.h"

namespace dorvik::testing {
namespace {

class QueryToolCheckTest : public QueryToolTest {
protected:
    std::filesystem::path sample = DORVIK_SAMPLE_DATA;

    // The sample catalogue and price list unless told otherwise.
    ToolResult Check(const std::filesystem::path& rates, std::vector<std::string> args = {},
                     const std::filesystem::path& catalogue = DORVIK_SAMPLE_DATA
                     "/Freq_TLine_Connectors.dat") {
        std::vector<std::string> all{
            "--check", "--catalogue", catalogue.string(), "--prices", (sample / "M_lom.dat").string(),
            "--rates", rates.string()};
        all.insert(all.end(), args.begin(), args.end());
        return Run(all);
    }
};

TEST_F(QueryToolCheckTest, StopsAfterMaxProblemsSayingThereAreMore) {
    const auto catalogue = folder.Path() / "bad.dat";
    std::string text = "header|\n";
    for (int i = 0; i < 1500; ++i)
        text += "bad\n";
    testing::WriteBytes(catalogue, text);
    const auto rates = sample / "xcngrate.dat";

    const auto limited = SplitLines(Check(rates, {}, catalogue).out);
    ASSERT_EQ(limited.size(), 1001u);
    EXPECT_EQ(limited[0],
              catalogue.string() + ":2: the line has 0 of its 22 fields (each field ends with \"|\")");
    EXPECT_EQ(limited[999].rfind(catalogue.string() + ":1001: ", 0), 0u);
    EXPECT_EQ(limited[1000], "and more: the check stops after 1000 problems and warnings (--max-problems N)");

    const auto three = Check(rates, {"--max-problems", "3"}, catalogue);
    EXPECT_EQ(three.status, 1);
    EXPECT_EQ(SplitLines(three.out).size(), 4u);
    EXPECT_EQ(SplitLines(three.out).back().rfind("and more: ", 0), 0u);
    // All of them: no "and more".
    const auto all = SplitLines(Check(rates, {"--max-problems", "1500"}, catalogue).out);
    EXPECT_EQ(all.size(), 1500u);
    EXPECT_EQ(all.back().rfind(catalogue.string() + ":1501: ", 0), 0u);

    const auto zero = Check(rates, {"--max-problems", "0"}, catalogue);
    EXPECT_EQ(zero.status, 2);
    EXPECT_NE(zero.err.find("--max-problems needs a number from 1, not '0'"), std::string::npos);
}

TEST_F(QueryToolCheckTest, MissingRatesAreProblemsAndImplausibleValuesWarnings) {
    const auto rates = folder.Path() / "rates.dat";
    testing::WriteBytes(rates, "EUR|0.5|\n");
    const auto missing = Check(rates);
    EXPECT_EQ(missing.status, 1);
    const auto lines = SplitLines(missing.out);
    EXPECT_EQ(lines.size(), 34u); // every code but USD and EUR
    EXPECT_EQ(lines.front(),
              rates.string() +
                  ": no line gives the exchange rate for ZAR: prices in ZAR are shown in US dollars");

    std::string all = ReadBytes(sample / "xcngrate.dat");
    all.replace(all.find("EUR|"), 4, "EUR|1e-300|x");
    testing::WriteBytes(rates, all);
    const auto warned = Check(rates);
    EXPECT_EQ(warned.status, 0) << "warnings alone leave the check clean";
    EXPECT_THAT(SplitLines(warned.out), ::testing::ElementsAre(::testing::HasSubstr(
                                            ": warning: the exchange rate for EUR reads '1e-300', "
                                            "far outside the plausible range")));
}

} // namespace
} // namespace dorvik::testing
