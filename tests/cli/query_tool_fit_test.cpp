// dorvik-query --fit on a datasheet's table, and the user's own catalogue named with --user-catalogue and
// --user-prices: found by a query, marked in the JSON, checked by --check.
#include "tool_runner.h"

namespace dorvik::testing {
namespace {

class QueryToolFitTest : public QueryToolTest {
protected:
    std::filesystem::path sample = DORVIK_SAMPLE_DATA;

    std::string Write(const std::string& name, const std::string& text) {
        const auto path = folder.Path() / name;
        WriteBytes(path, text);
        return path.string();
    }
    // A user's line in the sample's band and type, with the given part number.
    std::vector<std::string> UserFiles(const std::string& partNumber) {
        return {
            "--user-catalogue",
            Write("User_TLine_Connectors.dat",
                  "header|\n0.5|6000|1/2 in|" + partNumber +
                      "|FOAM|Foam Coax|0.5|0.03|0.0001|2.5|40|N Male|1.05|0.05|0|0|MY-NM||||||\n"),
            "--user-prices",
            Write("User_M_lom.dat", "1|x|" + partNumber + "|ft|mine|3.10|\n1|x|MY-NM|pc|my N male|12|\n")};
    }
};

TEST_F(QueryToolFitTest, FitsTheExampleTableWithinItsRounding) {
    const auto result = Run({"--fit", (sample / "examples" / "foam-7-8.csv").string(), "--format", "json"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_THAT(result.out, ::testing::HasSubstr("\"within_rounding\":true"));
    EXPECT_THAT(result.out, ::testing::HasSubstr("\"quantity\":\"average_power\""));
}

TEST_F(QueryToolFitTest, RefusesWhatCannotBeFittedAndCommandLinesThatMixAFitWithAQuery) {
    const auto table = Write("t.csv", "MHz,dB/100ft\n100,1.2\n");
    for (const auto& [args, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--fit", table}, "at least two"},
             {{"--fit", table, "--type", "coax"}, "unknown cable type 'COAX'"},
             {{"--type", "EW", "x.dvk"}, "--type goes with --fit"},
             {{"--fit", table, "x.dvk"}, "runs no query"},
             {{"--fit", table, "--format", "tsv"}, "text and json"},
             {{"--fit", (folder.Path() / "none.csv").string()}, "none.csv"},
         }) {
        const auto result = Run(args);
        EXPECT_EQ(result.status, 2) << message;
        EXPECT_THAT(result.err, ::testing::HasSubstr(message));
    }
}

TEST_F(QueryToolFitTest, TheUsersLinesAreFoundBesideTheMakersAndMarked) {
    const auto result = Run(WithSampleFiles(UserFiles("MY-CABLE-1"), "example.dvk"));
    ASSERT_EQ(result.status, 0) << result.err;
    const auto json = Run(WithSampleFiles([&] {
        auto args = UserFiles("MY-CABLE-1");
        args.insert(args.end(), {"--format", "json"});
        return args;
    }()));
    EXPECT_THAT(json.out, ::testing::HasSubstr("\"part_number\": \"MY-CABLE-1\""));
    // Once, on the user's line only.
    const auto first = json.out.find("\"source\": \"user\"");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(json.out.find("\"source\": \"user\"", first + 1), std::string::npos);
    EXPECT_GT(first, json.out.find("\"part_number\": \"MY-CABLE-1\""));
}

TEST_F(QueryToolFitTest, AUserLineWithAMakersPartNumberIsLeftOutAndCheckedAsAProblem) {
    const auto query = Run(WithSampleFiles(UserFiles("VF4-50")));
    EXPECT_THAT(query.err, ::testing::HasSubstr("'VF4-50' is one of the maker's"));
    std::vector<std::string> check{"--check", "--catalogue", (sample / "Freq_TLine_Connectors.dat").string(),
                                   "--prices", (sample / "M_lom.dat").string()};
    auto clean = check;
    for (const auto& arg : UserFiles("MY-CABLE-1"))
        clean.push_back(arg);
    EXPECT_EQ(Run(clean).status, 0) << Run(clean).out;
    for (const auto& arg : UserFiles("VF4-50"))
        check.push_back(arg);
    const auto result = Run(check);
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.out, ::testing::HasSubstr(
                                "User_TLine_Connectors.dat:2: part number VF4-50 is one of the maker's"));
}

} // namespace
} // namespace dorvik::testing
