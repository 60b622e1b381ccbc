// Hostile data and query files through dorvik-query: each gives its clear message and exit status, never a
// crash, and the tool's memory stays within a small multiple of its input. Small files are kept in
// tests/data/hostile; large ones are made here.
#include "tool_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>

#include <functional>
#include <map>
#include <random>

namespace dorvik::testing {
namespace {

struct Measured {
    ToolResult result;
    long maxResidentKb = 0;
};

class HostileFilesTest : public QueryToolTest {
protected:
    std::filesystem::path hostile = std::filesystem::path(DORVIK_TEST_DATA) / "hostile";

    std::string Hostile(const std::string& name) const { return (hostile / name).string(); }

    // Runs the tool directly (no shell between), so that its own peak memory is measured.
    Measured RunMeasured(const std::vector<std::string>& args) {
        const auto out = scratch / "stdout";
        const auto err = scratch / "stderr";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> argStrings{DORVIK_QUERY_TOOL};
        argStrings.insert(argStrings.end(), args.begin(), args.end());
        const std::vector<char*> argv = PointersTo(argStrings);
        std::vector<std::string> envStrings = EnvironmentWith(environment);
        const std::vector<char*> envp = PointersTo(envStrings);
        pid_t pid = 0;
        Measured measured;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
            int raw = 0;
            rusage usage{};
            ::wait4(pid, &raw, 0, &usage);
            measured.result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
            measured.maxResidentKb = usage.ru_maxrss;
        }
        posix_spawn_file_actions_destroy(&actions);
        measured.result.out = ReadBytes(out);
        measured.result.err = ReadBytes(err);
        return measured;
    }
};

#if defined(__SANITIZE_ADDRESS__) // g++
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer); // clang
#else
constexpr bool kSanitized = false;
#endif

constexpr const char* kHeader =
    "Low|High|Aux|Part|Type|Aux2|Der|K1|K2|Avg|Peak|Connector|n1|n2|n3|n4|p1|p2|p3|p4|p5|p6|\n";
constexpr const char* kRow = "800|1000|A|TC-100|FOAM|x|1.0|0.1|0.001|40|10|N Male|0|0|0|0|NM-1|NM-2|||||\n";
constexpr const char* kNoLines = "Sorry, no Transmission Lines available for this query.";
constexpr const char* kLeftOut = "could not be read and were left out";

struct HostileCase {
    std::string name;
    std::vector<std::string> args;
    int status;
    std::vector<std::string> err; // texts standard error holds
    std::vector<std::string> out; // texts standard output holds
    std::vector<std::string> notOut = {};
};

void Expect(const HostileCase& c, const Measured& run, std::uintmax_t inputBytes) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(run.result.status, c.status) << run.result.err.substr(0, 2000);
    for (const auto& text : c.err)
        EXPECT_NE(run.result.err.find(text), std::string::npos)
            << text << " in " << run.result.err.substr(0, 2000);
    for (const auto& text : c.out)
        EXPECT_NE(run.result.out.find(text), std::string::npos) << text;
    for (const auto& text : c.notOut)
        EXPECT_EQ(run.result.out.find(text), std::string::npos) << text;
    // Messages stay readable whatever the input: fields are quoted cut, problems are counted past 20.
    EXPECT_LT(run.result.err.size(), 8000U);
    // A small multiple of the input, above what the tool needs for itself (not under AddressSanitizer, whose
    // shadow and quarantine are no measure of the program).
    if (!kSanitized) {
        EXPECT_LT(static_cast<std::uintmax_t>(run.maxResidentKb) * 1024, (48U << 20) + 4 * inputBytes)
            << run.maxResidentKb << " kB for " << inputBytes << " bytes";
    }
}

std::uintmax_t InputBytes(const std::vector<std::string>& args) {
    std::uintmax_t total = 0;
    for (const auto& arg : args) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(arg, ec))
            total += std::filesystem::file_size(arg, ec);
    }
    return total;
}

TEST_F(HostileFilesTest, SmallHostileFilesGiveTheirMessageAndStatus) {
    const auto prices = Data("M_lom.dat");
    const std::vector<HostileCase> cases{
        {"a NUL ends the catalogue",
         {"--catalogue", Hostile("nul_in_catalogue.dat"), "--prices", prices, "--format", "json", "--part",
          "TC-100"},
         0,
         {},
         {"N Male"},
         {"N Female"}},
        {"lines ended by a lone CR",
         {"--catalogue", Hostile("cr_only.dat"), "--prices", prices, "--format", "json", "--part", "TC-100"},
         0,
         {},
         {"N Male", "N Female"}},
        {"bytes that are not UTF-8",
         {"--catalogue", Hostile("invalid_utf8.dat"), "--prices", prices, "--format", "json", "--part",
          "TC-100"},
         0,
         {},
         {"TC-100"}},
        {"the largest double is a band edge; numbers out of range are named, cut to a readable length",
         {"--catalogue", Hostile("huge_numbers.dat"), "--prices", prices, "--format", "tsv", "--part",
          "TH-1"},
         0,
         {kLeftOut, "line 3: '1e400' is not a valid floating point value", "line 5: '0.0000000000", "...'"},
         {"TH-1"}},
        {"a negative zero price shows 0.00",
         {"--catalogue", Data("Freq_TLine_Connectors.dat"), "--prices", Hostile("negative_zero_prices.dat"),
          "--format", "json", "--part", "TC-100"},
         0,
         {},
         {"0.00"},
         {"-0.00"}},
        {"a rate whose quotient overflows is unusable",
         {"--catalogue", Data("Freq_TLine_Connectors.dat"), "--prices", prices, "--rates",
          Hostile("tiny_rate.dat"), "--currency", "EUR", "--format", "tsv", Data("band_800_1000.dvk")},
         0,
         {"The exchange rate for EUR cannot be used", "tiny_rate.dat", "1e-320", "no finite value"},
         {"USD "},
         {"EUR "}},
        {"a query file of random bytes",
         {"--catalogue", Data("Freq_TLine_Connectors.dat"), "--prices", prices, Hostile("binary.dvk")},
         3,
         {"Please select a cable type."},
         {}},
        {"a query file with hostile keys and line ends",
         {"--catalogue", Data("Freq_TLine_Connectors.dat"), "--prices", prices, Hostile("hostile_keys.dvk")},
         3,
         {"Please select a cable type."},
         {}},
    };
    for (const auto& c : cases)
        Expect(c, RunMeasured(c.args), InputBytes(c.args));
}

// Every file a query reads, the maker's and the user's alike, says where a NUL cut it.
TEST_F(HostileFilesTest, EveryFileCutAtANulSaysWhere) {
    const std::filesystem::path sample = DORVIK_SAMPLE_DATA;
    // A copy of the sample file with a NUL inside its line 3.
    const auto cut = [&](const std::string& name) {
        std::string bytes = ReadBytes(sample / name);
        const std::size_t line3 = bytes.find('\n', bytes.find('\n') + 1) + 1;
        bytes.insert(line3 + 1, 1, '\0');
        const auto path = folder.Path() / ("cut_" + name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    };
    const std::pair<std::string, std::string> cases[] = {
        {"--catalogue", "Freq_TLine_Connectors.dat"},
        {"--prices", "M_lom.dat"},
        {"--rates", "xcngrate.dat"},
        {"--user-catalogue", "Freq_TLine_Connectors.dat"},
        {"--user-prices", "M_lom.dat"},
        {"", "example.dvk"}, // the query file
    };
    for (const auto& [option, name] : cases) {
        SCOPED_TRACE(name + " " + option);
        const std::string file = cut(name);
        std::map<std::string, std::string> files{
            {"--catalogue", (sample / "Freq_TLine_Connectors.dat").string()},
            {"--prices", (sample / "M_lom.dat").string()},
            {"--rates", (sample / "xcngrate.dat").string()}};
        std::string query = (sample / "example.dvk").string();
        (option.empty() ? query : files[option]) = file;
        std::vector<std::string> args{"--currency", "EUR"};
        for (const auto& [key, path] : files)
            args.insert(args.end(), {key, path});
        args.push_back(query);
        const ToolResult run = Run(args);
        EXPECT_NE(
            run.err.find("cut_" + name + ": the file holds a NUL byte at line 3; the rest was not read"),
            std::string::npos)
            << run.err;
    }
}

TEST_F(HostileFilesTest, LargeHostileFilesStayWithinMemoryAndGiveTheirMessage) {
    // Written piece by piece: the tool's measured peak starts from this process's own (the child shares it
    // until it runs the tool), which must stay small.
    const auto write = [&](const std::string& name, const std::function<void(std::ofstream&)>& body) {
        const auto path = folder.Path() / name;
        std::ofstream out(path, std::ios::binary);
        body(out);
        return std::vector<std::string>{"--catalogue",     path.string(), "--prices",
                                        Data("M_lom.dat"), "--part",      "TC-100"};
    };
    const auto repeat = [](std::ofstream& out, const std::string& piece, std::size_t times) {
        for (std::size_t i = 0; i < times; ++i)
            out << piece;
    };
    std::vector<HostileCase> cases{
        {"random bytes without NULs",
         write("random.dat",
               [](std::ofstream& out) {
                   std::mt19937 random(13);
                   std::string block(1 << 16, '\0');
                   for (int b = 0; b < 64; ++b) {
                       for (char& c : block)
                           c = static_cast<char>(random() % 255 + 1);
                       out << block;
                   }
               }),
         1,
         {kLeftOut, "\ndorvik-query: and ", " more", kNoLines},
         {}},
        {"a line of 50 MB",
         write("long_line.dat",
               [&](std::ofstream& out) {
                   out << kHeader << kRow;
                   repeat(out, std::string(1 << 20, '1'), 50);
                   out << "|2000|A|TL|FOAM|\n";
               }),
         0,
         {kLeftOut, "'1111111111", "...'"},
         {"TC-100"}},
        {"NUL bytes only",
         write("nul.dat", [&](std::ofstream& out) { repeat(out, std::string(1 << 20, '\0'), 8); }),
         1,
         {kNoLines},
         {}},
        {"a million lone CRs",
         write("cr.dat",
               [&](std::ofstream& out) {
                   out << kHeader;
                   repeat(out, std::string(1000, '\r'), 1000);
                   out << kRow;
               }),
         0,
         {},
         {"TC-100"}},
        {"a million fields on one line",
         write("fields.dat",
               [&](std::ofstream& out) {
                   out << kHeader << kRow;
                   repeat(out, "1|", 1'000'000);
                   out << '\n';
               }),
         0,
         {},
         {"TC-100"}},
        {"20,000 lines of bytes that are not UTF-8",
         write("utf8.dat",
               [&](std::ofstream& out) {
                   out << kHeader;
                   for (int i = 0; i < 20000; ++i)
                       out << "800|1000|\xff|TX\xfe|FOAM|\xc3|1|0.1|0.001|40|10|\xc0\xaf" << i
                           << "|0|0|0|0|\x80|||||\n";
                   out << kRow;
               }),
         0,
         {},
         {"TC-100"}},
    };
    for (const auto& c : cases)
        Expect(c, RunMeasured(c.args), InputBytes(c.args));
}

// --check of a million short lines: as many problems, of which the first thousand are written as they are
// found; the memory stays that of the mapped file, not of a million messages.
TEST_F(HostileFilesTest, CheckOfAMillionBadLinesStaysSmall) {
    const auto path = folder.Path() / "bad.dat";
    {
        std::ofstream out(path, std::ios::binary);
        out << kHeader;
        for (int i = 0; i < 1'000'000; ++i)
            out << "bad\n";
    }
    const auto run = RunMeasured({"--check", "--catalogue", path.string(), "--prices", Data("M_lom.dat")});
    EXPECT_EQ(run.result.status, 1) << run.result.err;
    EXPECT_EQ(std::count(run.result.out.begin(), run.result.out.end(), '\n'), 1001);
    if (!kSanitized) {
        EXPECT_LT(run.maxResidentKb, 64 * 1024);
    }
}

} // namespace
} // namespace dorvik::testing
