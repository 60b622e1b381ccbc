// What dorvik-query says about hostile or mistaken input: currencies without a usable rate, rate files that
// cannot be read, arguments of any length, control characters, temporary folders that cannot be made.
#include "tool_runner.h"

#include <algorithm>

namespace dorvik::testing {
namespace {

class QueryToolMessagesTest : public QueryToolTest {};

TEST_F(QueryToolMessagesTest, CurrencyWithoutItsRateLineStaysInUsDollars) {
    const auto rates = folder.Path() / "rates.dat";
    for (const std::string content : {"GBP|2|\n", "", "EUR||\n"}) {
        testing::WriteBytes(rates, content);
        const auto result = Run(WithTestFiles(
            {"--rates", rates.string(), "--currency", "eur", "--format", "tsv", Data("band_800_1000.dvk")}));
        EXPECT_EQ(result.status, 0) << content;
        EXPECT_NE(result.out.find("USD 10.00\tUSD 32.81"), std::string::npos) << content;
        EXPECT_EQ(result.out.find("EUR"), std::string::npos) << content;
        EXPECT_EQ(result.err.rfind("dorvik-query: The exchange rate for EUR cannot be used: ", 0), 0u)
            << result.err;
        EXPECT_NE(result.err.find(rates.string()), std::string::npos) << result.err;
    }
}

TEST_F(QueryToolMessagesTest, UsageErrorsNameTheirCauseBriefly) {
    const std::string huge(130000, 'x');
    struct Case {
        std::map<std::string, std::string> environment;
        std::vector<std::string> args;
        std::string err; // the whole of standard error
    };
    const std::vector<Case> cases{
        // The code is checked before the files.
        {{}, {"--currency", "xyz", Data("band_800_1000.dvk")}, "dorvik-query: unknown currency code 'XYZ'\n"},
        // Named, it must be read; /proc/self/mem exists but fails every read, even for root.
        {{},
         {"--rates", "/proc/self/mem", "--currency", "EUR", Data("band_800_1000.dvk")},
         "dorvik-query: cannot read the exchange-rate file /proc/self/mem: Input/output error\n"},
        {{},
         {"--format", huge, Data("band_800_1000.dvk")},
         "dorvik-query: unknown format '" + huge.substr(0, 60) + "...' (tsv, html, text, json or xlsx)\n"},
        {{},
         {huge + ".dvk"},
         "dorvik-query: cannot read the query file " + huge.substr(0, 60) + "...: File name too long\n"},
        {{}, {"--" + huge}, "dorvik-query: unknown option '--" + huge.substr(0, 58) + "...'\n"},
        {{},
         {"--sort", "loss:up", Data("band_800_1000.dvk")},
         "dorvik-query: unknown sort 'loss:up': KEY or KEY:desc, KEY one of part, band, description, "
         "midband, "
         "attenuation, total, loss, efficiency, peak, average, derated, price, cost\n"},
        {{},
         {"--format", "a\x1b[2Jb", Data("band_800_1000.dvk")},
         "dorvik-query: unknown format 'a?[2Jb' (tsv, html, text, json or xlsx)\n"},
        {{{"TMPDIR", "/nonexistent"}},
         {"--print", "list", "--pdf", (folder.Path() / "x.pdf").string(), Data("band_800_1000.dvk")},
         "dorvik-query: cannot create a temporary folder in /nonexistent: No such file or directory (the "
         "folder of TMPDIR)\n"},
        {{},
         {"--print", "list", "--row", "99999999999", "--pdf", (folder.Path() / "x.pdf").string(),
          Data("band_800_1000.dvk")},
         "dorvik-query: --row 99999999999: the results have 2 lines, and the row is past the end\n"},
    };
    for (const auto& c : cases) {
        if (!kToolHasReports && std::find(c.args.begin(), c.args.end(), "--print") != c.args.end())
            continue;
        auto saved = environment;
        environment.insert(c.environment.begin(), c.environment.end());
        const auto result = Run(WithTestFiles(c.args));
        environment = saved;
        EXPECT_EQ(result.status, 2) << c.err;
        const std::string tail = "Try 'dorvik-query --help'.\n";
        const bool usage = result.err.size() > tail.size() &&
                           result.err.compare(result.err.size() - tail.size(), tail.size(), tail) == 0;
        EXPECT_EQ(usage ? result.err.substr(0, result.err.size() - tail.size()) : result.err, c.err);
    }
    if (!kToolHasReports)
        return;
    // Leading zeros are the same row.
    const auto pdf = folder.Path() / "row.pdf";
    const auto row = Run(WithTestFiles(
        {"--print", "selection", "--row", "0000000002", "--pdf", pdf.string(), Data("band_800_1000.dvk")}));
    EXPECT_EQ(row.status, 0) << row.err;
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
}

// An escape sequence in the catalogue never reaches the terminal: control characters show as '?', in the
// table as in the messages; the formats with rules of their own keep them.
TEST_F(QueryToolMessagesTest, ControlCharactersShowAsQuestionMarks) {
    std::string catalogue = ReadBytes(data / "Freq_TLine_Connectors.dat");
    for (auto at = catalogue.find("|TC-100|"); at != std::string::npos;
         at = catalogue.find("|TC-100|", at + 1))
        catalogue.replace(at, 8, "|TC\x1b]0;x\x07-100|");
    catalogue += "x\x1b[2J|1|a|BAD|FOAM|a|1|0.1|0.001|1|1|N Male|0|0|0|0|||||||\n";
    std::string prices = ReadBytes(data / "M_lom.dat");
    prices += "L|1|TC\x1b]0;x\x07-100|x|Cable \xc2\x9b"
              "31m red|10|\n";
    testing::WriteBytes(folder.Path() / "c.dat", catalogue);
    testing::WriteBytes(folder.Path() / "p.dat", prices);
    const std::vector<std::string> files{"--catalogue", (folder.Path() / "c.dat").string(), "--prices",
                                         (folder.Path() / "p.dat").string()};
    auto args = files;
    args.push_back(Data("band_800_1000.dvk"));
    const auto text = Run(args);
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("TC?]0;x?-100"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Cable ?31m red"), std::string::npos) << text.out;
    EXPECT_NE(text.err.find("'x?[2J'"), std::string::npos) << text.err;
    for (const auto& stream : {text.out, text.err}) {
        EXPECT_EQ(stream.find_first_of("\x1b\x07"), std::string::npos);
        EXPECT_EQ(stream.find("\xc2\x9b"), std::string::npos);
    }
    args.insert(args.end() - 1, {"--format", "json"});
    EXPECT_NE(Run(args).out.find("TC\\u001b]0;x\\u0007-100"), std::string::npos);
    auto check = files;
    check.push_back("--check");
    EXPECT_NE(Run(check).out.find("'x?[2J'"), std::string::npos);
}

} // namespace
} // namespace dorvik::testing
