// Where dorvik-query's --pdf and --chart go: standard output, FIFOs and devices as streams, never replaced;
// targets that cannot take a file refused before the query runs; the private folder gone after a signal.
#include "tool_runner.h"

#include <spawn.h>
#include <sys/stat.h>

#include <chrono>
#include <csignal>
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
    for (const std::string extension : {".pdf", ".svg"}) {
        testing::WriteBytes(folder.Path() / ("kept" + extension), "kept");
        std::filesystem::permissions(folder.Path() / ("kept" + extension),
                                     std::filesystem::perms::owner_read);
        std::filesystem::create_directories(folder.Path() / ("adir" + extension));
    }
    for (const Case& c : cases) {
        for (const std::string option : {"--pdf", "--chart"}) {
            const auto target = folder.Path() / (c.name + (option == "--pdf" ? ".pdf" : ".svg"));
            std::vector<std::string> args{option, target.string()};
            if (option == "--pdf")
                args.insert(args.begin(), {"--print", "list"});
            const ToolResult result = Run(WithSampleFiles(args));
            EXPECT_EQ(result.status, 2) << target;
            EXPECT_EQ(result.err,
                      "dorvik-query: Unable to write to " + target.string() + ": " + c.reason + "\n");
            EXPECT_EQ(result.out, "") << "refused before the query runs";
        }
    }
    for (const std::string extension : {".pdf", ".svg"}) {
        EXPECT_EQ(ReadBytes(folder.Path() / ("kept" + extension)), "kept");
        EXPECT_TRUE(std::filesystem::is_empty(folder.Path() / ("adir" + extension)));
    }
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
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
          Case{{"--max-problems", "5"}, "--max-problems goes with --check"}}) {
        const ToolResult result = Run(WithSampleFiles(c.args));
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
}

// Ended by a signal while it waits for the FIFO's reader, with its report made: the private folder goes, and
// the tool ends by the signal it got.
TEST_F(QueryToolTargetsTest, InterruptedPrintLeavesNoPrivateFolder) {
    if (!kToolHasReports)
        GTEST_SKIP() << "this dorvik-query is built without the report engine";
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const auto fifo = folder.Path() / ("waiting" + std::to_string(signal));
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        std::vector<std::string> argStrings = WithSampleFiles({"--print", "list", "--pdf", fifo.string()});
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
                made = made || std::filesystem::exists(entry.path() / "report.pdf");
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
