// dorvik-query's messages and exit status, its usage errors, its default files, and that it writes nothing.
#include "core/store/registry_file_store.h"
#include "tool_runner.h"

#include <sys/stat.h>

#include <algorithm>
#include <set>

namespace dorvik::testing {
namespace {

constexpr const char* kNoLines =
    "Sorry, no Transmission Lines available for this query.\n\nPlease try again.\n";
constexpr const char* kMissingFiles =
    "One or more files needed to run this application are missing.\nPlease check the appropriate directories "
    "for 'M_Lom.dat' and 'Freq_TLine_Connectors.dat'.\n";

// The missing-files message names where the files were looked for, then the search finds nothing.
::testing::Matcher<std::string> MissingFilesThenNoLines(const std::string& before = {}) {
    return ::testing::AllOf(::testing::StartsWith(Prefixed(before + kMissingFiles) +
                                                  "\ndorvik-query: The catalogue is looked for as '"),
                            ::testing::EndsWith("'.\n" + Prefixed(kNoLines)));
}

struct StatusCase {
    std::string name;
    std::vector<std::string> args; // after the test catalogue and price list
    int status;
    std::string err;
};

class QueryToolStatusTest : public QueryToolTest {};

TEST_F(QueryToolStatusTest, MessagesInTheDesktopProgramsOrderAndTheExitStatus) {
    const std::vector<StatusCase> cases{
        {"lines found", {Data("band_800_1000.dvk")}, 0, ""},
        {"no lines", {Data("no_lines.dvk")}, 1, kNoLines},
        {"no cable type: the check disarms the no-lines message, and refused queries exit with 3",
         {Data("no_cable_type.dvk")},
         3,
         "Please select a cable type.\n"},
        {"frequency check, then the no-lines message",
         {Data("reversed_band.dvk")},
         3,
         "The beginning frequency value cannot be greater than the ending frequency value.\n\n"
         "Please check your frequency values.\n" +
             std::string(kNoLines)},
        {"the field rule, then the general error handler's conversion error",
         {Data("not_a_number.dvk")},
         2,
         "Maximum Insertion Loss: This field must contain a numeric value.\n'abc' is not a valid floating "
         "point "
         "value\n"},
        {"a waveguide below its cutoff: listed with N/A, the reason on standard error",
         {Data("below_cutoff.dvk")},
         0,
         "dorvik-query: 1 line shows N/A: Cannot compute the attenuation of TW-300 at 200 MHz: the frequency "
         "is at "
         "or below its cutoff of 600 MHz.\n"},
        {"part number", {"--part", "TA-200"}, 0, ""},
        {"unknown part number", {"--part", "NOSUCH"}, 1, kNoLines},
        {"part number with a length that does not read",
         {"--part", "TC-100|x|M"},
         2,
         "'x' is not a valid floating point value\n"},
        {"negative length of a part number",
         {"--part", "TC-100|-5|M"},
         3,
         "The length cannot be negative.\n"},
        {"the FILE form without its path",
         {"--part", "file"},
         2,
         "Not enough parameters to run this program\n"},
    };
    for (const auto& c : cases) {
        const auto result = Run(WithTestFiles(c.args));
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(result.err, Prefixed(c.err)) << c.name;
        EXPECT_EQ(result.out.empty(), c.status != 0) << c.name;
    }
}

TEST_F(QueryToolStatusTest, UsageErrorsExitWithTwoBeforeAnyQuery) {
    const std::vector<StatusCase> cases{
        {"no query", {}, 2, "no query: give a query file (.dvk) or --part"},
        {"two queries", {Data("no_lines.dvk"), "--part", "TC-100"}, 2, "either a query file or --part"},
        {"unknown option", {"--summary", Data("no_lines.dvk")}, 2, "unknown option '--summary'"},
        {"unknown format", {"--format", "xml", Data("no_lines.dvk")}, 2, "unknown format 'xml'"},
        {"option without its value",
         {Data("no_lines.dvk"), "--format"},
         2,
         "option '--format' needs a value"},
        {"unknown currency",
         {"--rates", Data("xcngrate.dat"), "--currency", "XYZ", Data("band_800_1000.dvk")},
         2,
         "unknown currency code 'XYZ'"},
        {"USD needs no rates, any other currency does",
         {"--currency", "EUR", Data("band_800_1000.dvk")},
         2,
         "--currency needs the exchange rates"},
        {"missing rate file",
         {"--rates", Data("none.dat"), Data("band_800_1000.dvk")},
         2,
         "cannot read the exchange-rate file"},
        {"missing query file", {Data("none.dvk")}, 2, "cannot read the query file"},
        {"query file that cannot be read",
         {"/proc/self/mem"},
         2,
         "cannot read the query file /proc/self/mem"},
        {"query file that is a folder", {data.string()}, 2, "cannot read the query file"},
    };
    for (const auto& c : cases) {
        const auto result = Run(WithTestFiles(c.args));
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(result.err.rfind("dorvik-query: ", 0), 0u) << c.name << ": " << result.err;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, "") << c.name;
    }
}

TEST_F(QueryToolStatusTest, UsDollarsNeedNoRatesAndCodesIgnoreLetterCase) {
    const auto usd = Run(WithTestFiles({"--currency", "usd", "--format", "tsv", Data("band_800_1000.dvk")}));
    EXPECT_EQ(usd.status, 0);
    EXPECT_EQ(usd.err, "");
    EXPECT_NE(usd.out.find("USD 10.00\tUSD 32.81"), std::string::npos);
    const auto eur = Run(WithTestFiles({"--rates", Data("xcngrate.dat"), "--currency", "eUr", "--format",
                                        "tsv", Data("band_800_1000.dvk")}));
    EXPECT_EQ(eur.status, 0);
    EXPECT_NE(eur.out.find("EUR 20.00"), std::string::npos);
}

// An unusable rate: one message on standard error naming the rates file, the prices in US dollars, exit 0.
TEST_F(QueryToolStatusTest, UnusableRateFallsBackToUsDollars) {
    for (const std::string rates : {"EUR|0.5\n", "EUR|0|\n", "EUR|1e-320|\n"}) {
        const auto file = folder.Path() / "rates.dat";
        dorvik::testing::WriteBytes(file, rates);
        const auto result = Run(WithTestFiles(
            {"--rates", file.string(), "--currency", "EUR", "--format", "tsv", Data("band_800_1000.dvk")}));
        EXPECT_EQ(result.status, 0) << rates;
        EXPECT_NE(result.out.find("USD 10.00\tUSD 32.81"), std::string::npos) << rates;
        EXPECT_EQ(result.out.find("EUR "), std::string::npos) << rates;
        EXPECT_EQ(result.err.rfind("dorvik-query: The exchange rate for EUR cannot be used: line 1 of " +
                                       file.string() + " reads \"" + rates.substr(0, rates.size() - 1) +
                                       "\", and ",
                                   0),
                  0u)
            << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 2) << result.err;
    }
}

TEST_F(QueryToolStatusTest, CheckListsEveryProblemAsFileLineMessage) {
    const std::filesystem::path sample = DORVIK_SAMPLE_DATA;
    const auto clean =
        Run({"--check", "--catalogue", (sample / "Freq_TLine_Connectors.dat").string(), "--prices",
             (sample / "M_lom.dat").string(), "--rates", (sample / "xcngrate.dat").string()});
    EXPECT_EQ(clean.status, 0) << clean.out;
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(clean.err, "");

    const auto catalogue = folder.Path() / "cat.dat";
    std::string text = ReadBytes(data / "Freq_TLine_Connectors.dat");
    text += "x|1|a|BAD|FOAM|a|1|0.1|0.001|1|1|N Male|0|0|0|0|||||||\r\n";
    dorvik::testing::WriteBytes(catalogue, text);
    const auto rates = folder.Path() / "rates.dat";
    dorvik::testing::WriteBytes(rates, "EUR|0|\n");
    const auto bad = Run({"--check", "--catalogue", catalogue.string(), "--prices", Data("M_lom.dat"),
                          "--rates", rates.string()});
    EXPECT_EQ(bad.status, 1);
    const auto lines = std::count(text.begin(), text.end(), '\n');
    const std::string at = catalogue.string() + ":" + std::to_string(lines) + ": ";
    EXPECT_NE(bad.out.find(at + "field 1: 'x' is not a valid floating point value\n"), std::string::npos)
        << bad.out;
    EXPECT_NE(bad.out.find(at + "part number BAD has no price line in " + Data("M_lom.dat") + "\n"),
              std::string::npos)
        << bad.out;
    EXPECT_NE(bad.out.find(rates.string() + ":1: the exchange rate for EUR cannot be used: "),
              std::string::npos)
        << bad.out;
    for (std::size_t start = 0; start < bad.out.size();) {
        const auto end = bad.out.find('\n', start);
        const std::string line = bad.out.substr(start, end - start);
        EXPECT_TRUE(line.rfind(catalogue.string() + ":", 0) == 0 ||
                    line.rfind(Data("M_lom.dat") + ":", 0) == 0 || line.rfind(rates.string() + ":", 0) == 0)
            << line;
        start = end + 1;
    }

    const auto unreadable = Run({"--check", "--catalogue", Data("none.dat"), "--prices", Data("M_lom.dat")});
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_NE(unreadable.err.find("none.dat"), std::string::npos);
    const auto withQuery = Run({"--check", Data("no_lines.dvk")});
    EXPECT_EQ(withQuery.status, 2);
}

TEST_F(QueryToolStatusTest, HelpAndVersion) {
    const auto help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: dorvik-query [options] QUERY.dvk\n", 0), 0u);
    const auto version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("dorvik-query ") + DORVIK_VERSION + "\n");
}

// Files given through pipes are read as --check reads them: the query on /dev/stdin, the catalogue on a FIFO.
TEST_F(QueryToolStatusTest, FilesThroughPipesAreRead) {
    const auto fifo = folder.Path() / "catalogue.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto out = folder.Path() / "out";
    const std::string command =
        "cat " + ShellQuoted(Data("Freq_TLine_Connectors.dat")) + " >" + ShellQuoted(fifo.string()) +
        " & cat " + ShellQuoted(Data("band_800_1000.dvk")) +
        " | XDG_CONFIG_HOME=" + ShellQuoted(config.string()) + " LC_ALL=C " + ShellQuoted(DORVIK_QUERY_TOOL) +
        " --catalogue " + ShellQuoted(fifo.string()) + " --prices " + ShellQuoted(Data("M_lom.dat")) +
        " /dev/stdin >" + ShellQuoted(out.string()) + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << ReadBytes(out);
    EXPECT_NE(ReadBytes(out).find("TC-100"), std::string::npos) << ReadBytes(out);
}

TEST_F(QueryToolStatusTest, DataFileThatCannotBeReadExitsWithTwo) {
    const auto result =
        Run({"--catalogue", Data("none.dat"), "--prices", Data("M_lom.dat"), Data("band_800_1000.dvk")});
    EXPECT_EQ(result.status, 2);
    // As at the desktop start, the search still runs and finds nothing.
    EXPECT_THAT(result.err, MissingFilesThenNoLines());
    EXPECT_NE(result.err.find("looked for as '" + Data("none.dat") + "'"), std::string::npos);
    EXPECT_EQ(result.out, "");
}

TEST_F(QueryToolStatusTest, ExampleQueryListsLinesOfTheSampleData) {
    const std::filesystem::path sample = DORVIK_SAMPLE_DATA;
    const auto result = Run({"--catalogue", (sample / "Freq_TLine_Connectors.dat").string(), "--prices",
                             (sample / "M_lom.dat").string(), "--rates", (sample / "xcngrate.dat").string(),
                             "--format", "tsv", (sample / "example.dvk").string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    // The heading line and at least one line found.
    EXPECT_GE(std::count(result.out.begin(), result.out.end(), '\n'), 2);
}

std::set<std::string> TreeOf(const std::filesystem::path& root) {
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        entries.insert(std::filesystem::relative(entry.path(), root).string());
    return entries;
}

// Installed as the desktop program is: the catalogue and the rates beside the program, the price list in the
// shared data folder that the user's settings name.
class InstalledToolTest : public QueryToolTest {
protected:
    std::filesystem::path program = folder.Path() / "program";
    std::filesystem::path shared = folder.Path() / "shared";
    std::filesystem::path tool = program / "dorvik-query";

    void SetUp() override {
        QueryToolTest::SetUp();
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(shared);
        std::filesystem::copy_file(DORVIK_QUERY_TOOL, tool);
        std::filesystem::copy_file(data / "Freq_TLine_Connectors.dat", program / "Freq_TLine_Connectors.dat");
        std::filesystem::copy_file(data / "xcngrate.dat", program / "xcngrate.dat");
        std::filesystem::copy_file(data / "M_lom.dat", shared / "M_lom.dat");
        std::filesystem::copy_file(data / "band_800_1000.dvk", folder.Path() / "query.dvk");
    }
};

TEST_F(InstalledToolTest, DefaultFilesAndNothingWritten) {
    {
        RegistryFileStore user(config / "Veltrane" / "registry.reg");
        ASSERT_TRUE(user.WriteString(kCommonFilesKey, "Path", shared.string()));
        ASSERT_TRUE(user.WriteString(kSettingsKey, "Length", "5"));
    }
    const std::string stored = ReadBytes(config / "Veltrane" / "registry.reg");
    const auto before = TreeOf(folder.Path());
    const auto result = Run({"--currency", "EUR", (folder.Path() / "query.dvk").string()}, tool);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("EUR 20.00"), std::string::npos);
    EXPECT_EQ(TreeOf(folder.Path()), before);
    EXPECT_EQ(ReadBytes(config / "Veltrane" / "registry.reg"), stored);
}

TEST_F(InstalledToolTest, WithoutSettingsThePriceListIsNotFound) {
    const auto result = Run({(folder.Path() / "query.dvk").string()}, tool);
    EXPECT_EQ(result.status, 2);
    EXPECT_THAT(result.err, MissingFilesThenNoLines(
                                "Unable to locate Registry Key\nUnable to create path from Registry\n"));
    EXPECT_FALSE(std::filesystem::exists(config));
}

TEST_F(InstalledToolTest, TheSystemWideSettingsNameTheSharedFolderAndTheUsersOwnWin) {
    std::filesystem::create_directories(systemConfig / "Veltrane");
    dorvik::testing::WriteBytes(
        systemConfig / "Veltrane" / "registry.reg",
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\n\"Path\"=\"" + shared.string() +
            "\"\n");
    const auto fresh = Run({"--currency", "EUR", (folder.Path() / "query.dvk").string()}, tool);
    EXPECT_EQ(fresh.status, 0);
    EXPECT_EQ(fresh.err, "");
    EXPECT_NE(fresh.out.find("EUR 20.00"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(config)); // nothing written for the user either

    {
        RegistryFileStore user(config / "Veltrane" / "registry.reg");
        ASSERT_TRUE(user.WriteString(kCommonFilesKey, "Path", (folder.Path() / "elsewhere").string()));
    }
    const auto own = Run({(folder.Path() / "query.dvk").string()}, tool);
    EXPECT_EQ(own.status, 2);
    EXPECT_THAT(own.err, MissingFilesThenNoLines());
}

} // namespace
} // namespace dorvik::testing
