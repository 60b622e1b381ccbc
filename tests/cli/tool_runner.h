#pragma once
// Runs dorvik-query as a process, with its own settings folder and the C locale unless told otherwise.
#include "core/forms/main_window_fixture.h"

#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace dorvik::testing {

// Reports and charts need the report library, which a build without Qt lacks.
#ifdef DORVIK_TOOL_HAS_REPORTS
inline constexpr bool kToolHasReports = true;
#else
inline constexpr bool kToolHasReports = false;
#endif

struct ToolResult {
    int status = -1;
    std::string out, err;
};

// Messages as the tool writes them to standard error: each line that holds text after "dorvik-query: ".
inline std::string Prefixed(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        if (!line.empty() && line.rfind("dorvik-query: ", 0) != 0)
            out += "dorvik-query: ";
        out += line + (end < text.size() ? "\n" : "");
        start = end + 1;
    }
    return out;
}

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline ToolResult RunProcess(const std::filesystem::path& tool, const std::vector<std::string>& args,
                             const std::map<std::string, std::string>& environment,
                             const std::filesystem::path& scratch) {
    std::string command;
    for (const auto& [name, value] : environment)
        command += name + "=" + ShellQuoted(value) + " ";
    command += ShellQuoted(tool.string());
    for (const auto& arg : args)
        command += " " + ShellQuoted(arg);
    const auto out = scratch / "stdout";
    const auto err = scratch / "stderr";
    command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    ToolResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadBytes(out);
    result.err = ReadBytes(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

// This process's environment (sanitizer options included) with the given variables over it, for a process
// started without a shell.
inline std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& environment) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (environment.count(text.substr(0, text.find('='))) == 0)
            entries.push_back(text);
    }
    for (const auto& [name, value] : environment)
        entries.push_back(name + "=" + value);
    return entries;
}

// The pointers that exec takes, into texts that outlive them.
inline std::vector<char*> PointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (auto& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

class QueryToolTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path data = std::filesystem::path(DORVIK_TEST_DATA) / "cli";
    std::filesystem::path config =
        folder.Path() / "config"; // XDG_CONFIG_HOME: no settings unless a test writes them
    // XDG_CONFIG_DIRS: no system-wide settings unless a test writes them
    std::filesystem::path systemConfig = folder.Path() / "xdg";
    std::filesystem::path scratch = folder.Path() / "scratch";
    std::map<std::string, std::string> environment;

    void SetUp() override {
        std::filesystem::create_directories(scratch);
        environment = {{"XDG_CONFIG_HOME", config.string()},
                       {"XDG_CONFIG_DIRS", systemConfig.string()},
                       {"LC_ALL", "C"},
                       {"LANG", "C"}};
    }

    std::string Data(const std::string& name) const { return (data / name).string(); }

    // The test catalogue and price list, and any further arguments.
    std::vector<std::string> WithTestFiles(std::vector<std::string> args) const {
        std::vector<std::string> all{"--catalogue", Data("Freq_TLine_Connectors.dat"), "--prices",
                                     Data("M_lom.dat")};
        all.insert(all.end(), args.begin(), args.end());
        return all;
    }

    // The sample catalogue and price list, the arguments, then the query file.
    static std::vector<std::string> WithSampleFiles(std::vector<std::string> args,
                                                    const std::string& query = "example.dvk") {
        const std::filesystem::path sample = DORVIK_SAMPLE_DATA;
        std::vector<std::string> all{"--catalogue", (sample / "Freq_TLine_Connectors.dat").string(),
                                     "--prices", (sample / "M_lom.dat").string()};
        all.insert(all.end(), args.begin(), args.end());
        all.push_back((sample / query).string());
        return all;
    }

    ToolResult Run(const std::vector<std::string>& args,
                   const std::filesystem::path& tool = DORVIK_QUERY_TOOL) {
        return RunProcess(tool, args, environment, scratch);
    }
};

} // namespace dorvik::testing
