#pragma once
// One run of dorvik-query: the desktop program's start with command-line parameters, on a copy of the
// user's settings, then the results in the chosen format.
#include "cli/options.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <vector>

namespace dorvik::cli {

// kRefused: a check of the query page refused the query (cable type, loss without length, frequencies).
enum ExitStatus { kLinesListed = 0, kNoLines = 1, kFailed = 2, kRefused = 3 };

struct ToolEnvironment {
    std::filesystem::path programFolder;                 // the catalogue and the rates beside the program
    std::filesystem::path storeFile;                     // the user's settings, read only
    std::vector<std::filesystem::path> systemStoreFiles; // the system-wide settings below the user's
    char decimalSeparator = '.';
    std::optional<std::filesystem::path>
        installedSharedFolder; // the price list's folder when no store names one
};

// Results to out, messages to err. Writes no file but the report of --print, the chart and the workbook.
int RunQuery(const QueryOptions& options, const ToolEnvironment& tool, std::ostream& out, std::ostream& err);

} // namespace dorvik::cli
