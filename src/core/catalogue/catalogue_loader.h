#pragma once
// Building the catalogue records and the pick lists from the lines of Freq_TLine_Connectors.dat.
#include "core/catalogue/pick_list.h"
#include "core/catalogue/records.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

struct LoadedCatalogue {
    Catalogue Lines;
    std::vector<std::string> BeginFrequencyList; // numerically ascending after loading
    std::vector<std::string> EndFrequencyList;
    std::vector<std::string> ConnectorNameList; // alphabetical, case-insensitive, duplicates dropped
    // One text per catalogue line left out: file, line number, the conversion error. Reported together.
    std::vector<std::string> Problems;
};

// Numbers read with the locale's separator and also '.'; the file name only names problems.
std::unique_ptr<TTransmissionLine> ParseLine(std::string_view text, char separator, PickList& beginList,
                                             PickList& endList);
TConnector ParseConnector(std::string_view text, char separator, PickList& connectorNames);

// fileLines are all lines of the file, the header included.
LoadedCatalogue LoadCatalogue(const std::vector<std::string>& fileLines, char separator,
                              const std::string& fileName = "Freq_TLine_Connectors.dat");

// Stable sort of number texts by value, ascending.
void SortNumerically(std::vector<std::string>& list, char separator);

} // namespace dorvik
