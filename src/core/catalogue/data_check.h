#pragma once
// The maker's check of the data files before they ship: every problem the program would stumble on, or
// silently read as 0 or as nothing, with the file and line where it stands.
#include <cstddef>
#include <string>
#include <vector>

namespace dorvik {

struct DataProblem {
    std::string File;
    std::size_t Line = 0; // from 1
    std::string Message;
};

// One data file: the name its problems carry and all its lines.
struct DataFileLines {
    std::string Name;
    std::vector<std::string> Lines;
};

// Problems of the catalogue, then of the price list, then of the rates (Name empty: no rates file), each in
// line order. currencyCodes are the codes looked up in the rates. Numbers read with the separator, '.' also.
std::vector<DataProblem> CheckDataFiles(const DataFileLines& catalogue, const DataFileLines& prices,
                                        const DataFileLines& rates,
                                        const std::vector<std::string>& currencyCodes, char separator);

} // namespace dorvik
