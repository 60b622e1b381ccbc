// Where dorvik-query's --pdf and --chart go: standard output, FIFOs and devices as streams, never replaced;
// targets that cannot take a file refused before the query runs; the private folder gone after a signal.
#include "tool_runner.h"

#include <spawn.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
#include <map>
#include <thread>

namespace dorvik::testing {
namespace {

class QueryToolTargetsTest : public QueryToolTest {
protected:
    std::filesystem::path tmp = folder.Path() / "tmp";

    void SetUp() override {
        QueryToolTest::SetUp();
        std::filesystem::create_directories(tmp);
        environment["TMPDIR"] = tmp.string();
        environment.erase("DISPLAY");
    }
    std::filesystem::path Fifo(const std::string& name) const {
        const auto path = folder.Path() / name;
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }
};

// A reader of the FIFO while the tool runs: what it read once the writer closed.
class FifoReader {
public:
    explicit FifoReader(std::filesystem::path fifo) : thread_([this, fifo] { bytes_ = ReadBytes(fifo); }) {}
    std::string Bytes() {
        thread_.join();
        return bytes_;
    }

private:
    std::string bytes_;
    std::thread thread_;
};

TEST_F(QueryToolTargetsTest, StreamsAreWrittenAndNeverReplaced) {
    if (kToolHasReports) {
        const ToolResult toStandardOutput = Run(WithSampleFiles({"--print", "list", "--pdf", "-"}));
        EXPECT_EQ(toStandardOutput.status, 0) << toStandardOutput.err;
        EXPECT_EQ(toStandardOutput.out.substr(0, 5), "%PDF-");
        EXPECT_NE(toStandardOutput.out.find("%%EOF"), std::string::npos);

        const auto pdfFifo = Fifo("report");
        FifoReader pdfReader(pdfFifo);
        const ToolResult pdf = Run(WithSampleFiles({"--print", "list", "--pdf", pdfFifo.string()}));
        EXPECT_EQ(pdf.status, 0) << pdf.err;
        EXPECT_EQ(pdfReader.Bytes().substr(0, 5), "%PDF-");
        EXPECT_TRUE(std::filesystem::is_fifo(pdfFifo));
    }

    // A stream's name tells no format: SVG.
    const auto chartFifo = Fifo("chart");
    FifoReader chartReader(chartFifo);
    const ToolResult chart = Run(WithSampleFiles({"--chart", chartFifo.string()}));
    EXPECT_EQ(chart.status, 0) << chart.err;
    EXPECT_NE(chartReader.Bytes().find("</svg>"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(chartFifo));

    // "-" is standard output for the workbook too, never a file of that name.
    const ToolResult workbook = Run(WithSampleFiles({"--format", "xlsx", "--output", "-"}));
    EXPECT_EQ(workbook.status, 0) << workbook.err;
    EXPECT_EQ(workbook.out.substr(0, 2), "PK");
    EXPECT_FALSE(std::filesystem::exists("-"));
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
}

// Refused with status 2 and the reason before the query runs; nothing is replaced.
TEST_F(QueryToolTargetsTest, TargetsThatCannotTakeAFileAreRefusedAlike) {
    struct Case {
        std::string name; // .pdf and .svg are added
        std::string reason;
    };
    const Case cases[] = {{"kept", "it is read-only"},
                          {"adir", "it is a folder"},
                          {"no folder/x", "No such file or directory"}};
    const std::map<std::string, std::string> extensions{
        {"--pdf", ".pdf"}, {"--chart", ".svg"}, {"--output", ".xlsx"}};
    for (const auto& [option, extension] : extensions) {
        testing::WriteBytes(folder.Path() / ("kept" + extension), "kept");
        std::filesystem::permissions(folder.Path() / ("kept" + extension),
                                     std::filesystem::perms::owner_read);
        std::filesystem::create_directories(folder.Path() / ("adir" + extension));
    }
    for (const Case& c : cases) {
        for (const auto& [option, extension] : extensions) {
            const auto target = folder.Path() / (c.name + extension);
            std::vector<std::string> args{option, target.string()};
            if (option == "--pdf")
                args.insert(args.begin(), {"--print", "list"});
            if (option == "--output")
                args.insert(args.begin(), {"--format", "xlsx"});
            const ToolResult result = Run(WithSampleFiles(args));
            EXPECT_EQ(result.status, 2) << target;
            EXPECT_EQ(result.err,
                      "dorvik-query: Unable to write to " + target.string() + ": " + c.reason + "\n");
            EXPECT_EQ(result.out, "") << "refused before the query runs";
        }
    }
    for (const auto& [option, extension] : extensions) {
        EXPECT_EQ(ReadBytes(folder.Path() / ("kept" + extension)), "kept");
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / ("adir" + extension)));
    }
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
}

// An output never replaces the query, a data file or another output, whatever name or link it is given.
TEST_F(QueryToolTargetsTest, OutputsThatAreTheRunsOwnFilesAreRefused) {
    const std::filesystem::path sample = DORVIK_SAMPLE_DATA;
    const auto in = folder.Path() / "in";
    std::filesystem::create_directories(in);
    for (const char* name : {"example.dvk", "Freq_TLine_Connectors.dat", "M_lom.dat", "xcngrate.dat"})
        std::filesystem::copy_file(sample / name, in / name);
    std::filesystem::create_hard_link(in / "Freq_TLine_Connectors.dat", in / "cat.pdf");
    std::filesystem::create_symlink("M_lom.dat", in / "prices.svg");
    std::filesystem::create_hard_link(in / "xcngrate.dat", in / "rates.xlsx");
    const auto at = [&in](const char* name) { return (in / name).string(); };
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"--format", "xlsx", "--output", at("example.dvk")}, "is the query file"},
        {{"--print", "list", "--pdf", at("cat.pdf")}, "is the catalogue"},
        {{"--chart", at("prices.svg")}, "is the price list"},
        {{"--format", "xlsx", "--output", at("rates.xlsx")}, "is the exchange-rate file"},
        {{"--print", "list", "--pdf", at("same.pdf"), "--chart", at("same.pdf")}, "are the same file"}};
    for (const Case& c : cases) {
        std::vector<std::string> args{"--catalogue", at("Freq_TLine_Connectors.dat"),
                                      "--prices",    at("M_lom.dat"),
                                      "--rates",     at("xcngrate.dat")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back(at("example.dvk"));
        const ToolResult result = Run(args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    for (const char* name : {"example.dvk", "Freq_TLine_Connectors.dat", "M_lom.dat", "xcngrate.dat"})
        EXPECT_EQ(ReadBytes(in / name), ReadBytes(sample / name)) << name;
    EXPECT_FALSE(std::filesystem::exists(in / "same.pdf"));
}

// Options that would do nothing are done or refused, never ignored.
TEST_F(QueryToolTargetsTest, ChartWithPrintWritesBothAndFormatIsRefused) {
    if (!kToolHasReports)
        GTEST_SKIP() << "this dorvik-query is built without the report engine";
    const auto pdf = folder.Path() / "list.pdf";
    const auto svg = folder.Path() / "lines.svg";
    const ToolResult both =
        Run(WithSampleFiles({"--print", "list", "--pdf", pdf.string(), "--chart", svg.string()}));
    EXPECT_EQ(both.status, 0) << both.err;
    EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");
    EXPECT_NE(ReadBytes(svg).find("</svg>"), std::string::npos);
    const ToolResult chartToOutput =
        Run(WithSampleFiles({"--print", "list", "--pdf", pdf.string(), "--chart", "-"}));
    EXPECT_EQ(chartToOutput.status, 0) << chartToOutput.err;
    EXPECT_NE(chartToOutput.out.find("</svg>"), std::string::npos);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    for (const Case& c :
         {Case{{"--print", "list", "--pdf", pdf.string(), "--format", "tsv"}, "--format formats the results"},
          Case{{"--chart", "-"}, "--chart -: standard output holds the results"},
          Case{{"--print", "list", "--pdf", "-", "--chart", "-"},
               "cannot both be written to standard output"},
          Case{{"--check", "--chart", svg.string()}, "--check checks the data files and runs no query"},
          Case{{"--max-problems", "5"}, "--max-problems goes with --check"},
          Case{{"--print", "list", "--pdf", pdf.string(), "--output", "x.xlsx"},
               "which --print does not make"}}) {
        const ToolResult result = Run(WithSampleFiles(c.args));
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

// Ended by a signal while it waits for the FIFO's reader, with its report or its workbook made: the private
// folder goes, and the tool ends by the signal it got.
TEST_F(QueryToolTargetsTest, InterruptedPrintOrWorkbookLeavesNoPrivateFolder) {
    struct Output {
        std::vector<std::string> args; // the FIFO's name follows
        const char* made;
    };
    std::vector<Output> outputs{{{"--format", "xlsx", "--output"}, "lines.xlsx"}};
    if (kToolHasReports)
        outputs.push_back({{"--print", "list", "--pdf"}, "report.pdf"});
    for (const auto& [output, made_name] : outputs)
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            SCOPED_TRACE(signal);
            const auto fifo = folder.Path() / ("waiting" + std::to_string(signal) + made_name);
            ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
            std::vector<std::string> outputArgs = output;
            outputArgs.push_back(fifo.string());
            std::vector<std::string> argStrings = WithSampleFiles(outputArgs);
            argStrings.insert(argStrings.begin(), DORVIK_QUERY_TOOL);
            const std::vector<char*> argv = PointersTo(argStrings);
            std::vector<std::string> envStrings = EnvironmentWith(environment);
            const std::vector<char*> envp = PointersTo(envStrings);
            // Whatever this process was started with, the tool starts with the usual dispositions.
            posix_spawnattr_t attributes;
            posix_spawnattr_init(&attributes);
            sigset_t none, watched;
            sigemptyset(&none);
            sigemptyset(&watched);
            for (const int s : {SIGTERM, SIGINT, SIGHUP})
                sigaddset(&watched, s);
            posix_spawnattr_setsigmask(&attributes, &none);
            posix_spawnattr_setsigdefault(&attributes, &watched);
            posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
            pid_t pid = 0;
            const int spawned = posix_spawn(&pid, argv[0], nullptr, &attributes, argv.data(), envp.data());
            posix_spawnattr_destroy(&attributes);
            ASSERT_EQ(spawned, 0);
            // The report is made when the tool waits for a reader.
            bool made = false;
            for (int i = 0; i < 600 && !made; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                for (const auto& entry : std::filesystem::directory_iterator(tmp))
                    made = made || std::filesystem::exists(entry.path() / made_name);
            }
            EXPECT_TRUE(made);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            ::kill(pid, signal);
            int raw = 0;
            for (int i = 0; i < 300 && ::waitpid(pid, &raw, WNOHANG) == 0; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (::waitpid(pid, &raw, WNOHANG) == 0) {
                ADD_FAILURE() << "still running after the signal";
                ::kill(pid, SIGKILL);
                ::waitpid(pid, &raw, 0);
            }
            EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == signal) << raw;
            EXPECT_TRUE(std::filesystem::is_empty(tmp));
            EXPECT_TRUE(std::filesystem::is_fifo(fifo));
        }
}

} // namespace
} // namespace dorvik::testing
