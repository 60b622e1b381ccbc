// The whole query tool, as dorvik-query runs it. The input is the catalogue, then "@@" lines with the price
// list, the exchange rates, a query file and the command line (one argument a line; without --part, the query
// file is run). Properties: every run ends with one of the tool's exit statuses; results are written only
// when lines are listed, and then they are not empty; every message is a line on standard error; the
// settings store, the data files and the query file are never written.
#include "cli/options.h"
#include "cli/query_run.h"
#include "fuzz_support.h"

#include <algorithm>
#include <sstream>

using namespace dorvik;
using fuzz::Require;

namespace {

std::vector<std::string> Arguments(std::string_view text) {
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start < text.size() && args.size() < 16) {
        const auto end = std::min(text.find('\n', start), text.size());
        args.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(fuzz::AsText(data, size), 5);
    const auto& folder = fuzz::ScratchFolder();
    const auto catalogue = folder / "Freq_TLine_Connectors.dat";
    const auto prices = folder / "M_lom.dat";
    const auto rates = folder / "xcngrate.dat";
    const auto query = folder / "query.dvk";
    const auto store = folder / "registry.reg";
    fuzz::WriteFile(catalogue, parts[0]);
    fuzz::WriteFile(prices, parts[1]);
    fuzz::WriteFile(rates, parts[2]);
    fuzz::WriteFile(query, parts[3]);
    fuzz::WriteFile(store, "REGEDIT4\r\n");

    std::vector<std::string> args{"--catalogue",   catalogue.string(), "--prices",
                                  prices.string(), "--rates",          rates.string()};
    const auto extra = Arguments(parts[4]);
    args.insert(args.end(), extra.begin(), extra.end());
    if (std::find(extra.begin(), extra.end(), "--part") == extra.end())
        args.push_back(query.string());

    cli::QueryOptions options;
    try {
        options = cli::ParseOptions(args);
    } catch (const cli::UsageError&) {
        return 0;
    }
    if (options.help || options.version)
        return 0;
    std::ostringstream out;
    std::ostringstream err;
    cli::ToolEnvironment tool;
    tool.programFolder = folder;
    tool.storeFile = store;
    const int status = cli::RunQuery(options, tool, out, err);
    Require(status >= 0 && status <= 3, "one of the tool's exit statuses");
    if (status == 0 && !options.outputFile) // a workbook goes to its file
        Require(!out.str().empty(), "lines listed are written");
    else if (status == 1 && options.format == cli::OutputFormat::Json && !options.print)
        Require(out.str().find("\"lines\": []") != std::string::npos,
                "no lines is a JSON document with none");
    else
        Require(out.str().empty(), "nothing is written on standard output unless lines are listed");
    Require(err.str().empty() || err.str().back() == '\n', "messages end their line");
    Require(fuzz::ReadFile(catalogue) == parts[0] && fuzz::ReadFile(prices) == parts[1] &&
                fuzz::ReadFile(rates) == parts[2] && fuzz::ReadFile(query) == parts[3] &&
                fuzz::ReadFile(store) == "REGEDIT4\r\n",
            "the tool writes no file");
    return 0;
}
