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
    // Number texts with the values they stand for, numerically ascending.
    std::vector<PickEntry> BeginFrequencyList;
    std::vector<PickEntry> EndFrequencyList;
    std::vector<std::string> ConnectorNameList; // alphabetical, case-insensitive, duplicates dropped
    // One text per catalogue line left out: file, line number, the error. Reported together.
    std::vector<std::string> Problems;
};

// Numbers read with the locale's separator and also '.'; the file name only names problems. The records view
// the text, which must outlive them.
std::unique_ptr<TTransmissionLine> ParseLine(std::string_view text, char separator, PickList& beginList,
                                             PickList& endList);
TConnector ParseConnector(std::string_view text, char separator, PickList& connectorNames);

// The whole file, the header included; the records view its bytes, which the catalogue keeps.
LoadedCatalogue LoadCatalogue(FileBytes file, char separator,
                              const std::string& fileName = "Freq_TLine_Connectors.dat");
// Lines without line breaks of their own, copied into one block.
LoadedCatalogue LoadCatalogue(const std::vector<std::string>& fileLines, char separator,
                              const std::string& fileName = "Freq_TLine_Connectors.dat");

// The maker's catalogue, then the user's own lines (User_TLine_Connectors.dat, the same format) marked as the
// user's. A user's line whose part number is the maker's is left out with a problem: a part number names one
// line. The records view both files' bytes, which the catalogue keeps.
LoadedCatalogue LoadCatalogue(FileBytes file, FileBytes userFile, char separator, const std::string& fileName,
                              const std::string& userFileName);

// Stable sort by value, ascending. The values were kept beside the texts when they were read: a text such as
// the general format of the largest double need not read back.
void SortNumerically(std::vector<PickEntry>& list);

} // namespace dorvik
