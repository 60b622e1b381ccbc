#pragma once
// The maker's check of the data files before they ship: every problem the program would stumble on, or
// silently read as 0 or as nothing, with the file and line where it stands. Problems are handed on as they
// are found, so a file of millions of bad lines is never held as messages.
#include "core/text/file_bytes.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace dorvik {

struct DataProblem {
    std::string File;
    std::size_t Line = 0; // from 1; 0 for the file as a whole
    std::string Message;
    // A value that reads but lies far outside what a catalogue holds: the program uses it as it stands.
    bool Warning = false;
};

// "FILE:LINE: message", "FILE:LINE: warning: message", or "FILE: message" for the file as a whole.
std::string ProblemText(const DataProblem& problem);

// One data file: the name its problems carry and its bytes (split into lines as the loader does).
struct DataFile {
    std::string Name;
    FileBytes Bytes;
};

// Takes each problem as it is found; returns false to stop the check there.
using ProblemSink = std::function<bool(const DataProblem&)>;

// Problems of the catalogue, then of the price list, then of the rates (Name empty: no rates file), each in
// line order; the codes that the rates file has no line for come last. currencyCodes are the codes looked up
// in the rates. Numbers read with the separator, '.' also.
void CheckDataFiles(const DataFile& catalogue, const DataFile& prices, const DataFile& rates,
                    const std::vector<std::string>& currencyCodes, char separator, const ProblemSink& sink);

// The user's own files (Name empty: not given) beside the maker's: the user's lines as the maker's are
// checked, their part numbers priced by the user's list or the maker's; the user's price list as the maker's;
// and every user's line whose part number is the maker's, which the program leaves out.
void CheckUserFiles(const DataFile& catalogue, const DataFile& prices, const DataFile& userCatalogue,
                    const DataFile& userPrices, char separator, const ProblemSink& sink);

} // namespace dorvik
