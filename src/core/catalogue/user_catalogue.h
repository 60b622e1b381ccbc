#pragma once
// The user's own catalogue: User_TLine_Connectors.dat and User_M_lom.dat, in the formats of the maker's
// files, as the windows that add, edit and remove the user's lines see them. Lines of the files that the
// windows do not edit (a connector's price line, a line written by hand) are kept as they stand.
#include "core/catalogue/records.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

inline constexpr const char* kUserCatalogueFileName = "User_TLine_Connectors.dat";
inline constexpr const char* kUserPriceFileName = "User_M_lom.dat";

struct UserConnectorEntry {
    std::string Name;
    std::array<double, 4> Numbers{1.05, 0.05, 0, 0}; // the catalogue's usual figures
    std::array<std::string, 6> PartNumbers;
};

struct UserLineEntry {
    double LowFrequency = 0, HighFrequency = 0; // MHz
    std::string Size, PartNumber, CableType = "FOAM", Family;
    double DeratingParameter = 0;
    double K1 = 0, K2 = 0; // waveguide: cutoff (MHz) and scale
    double AveragePowerConstant = 0;
    double PeakPower = 0; // kW
    std::string Description;
    double ListPrice = 0; // US dollars per foot
    std::vector<UserConnectorEntry> Connectors;
};

// What keeps the line out of the catalogue, one text a reason; empty when it can be saved. A part number of
// the maker's is refused: a part number names one line.
std::vector<std::string> UserLineProblems(const UserLineEntry& line, const Catalogue& maker);

class UserCatalogue {
public:
    UserCatalogue() = default;
    // The files' texts (empty for a file that does not exist yet); numbers read with the separator or '.'.
    UserCatalogue(std::string_view catalogueText, std::string_view pricesText, char separator);
    // Reads both files from the folder; a file that does not exist is empty. Throws FileError.
    static UserCatalogue Read(const std::filesystem::path& folder, char separator);

    // The part numbers of the user's lines, in file order.
    std::vector<std::string> PartNumbers() const;
    // The line with its connectors, description and price; none when it is not the user's or does not read.
    std::optional<UserLineEntry> Line(std::string_view partNumber) const;
    // Replaces the line of previousPartNumber (or of the entry's own), or adds it at the end.
    void Put(const UserLineEntry& line, std::string_view previousPartNumber = {});
    void Remove(std::string_view partNumber);

    std::string CatalogueText() const;
    std::string PricesText() const;
    // Both files replaced whole (each written beside itself, then renamed); the folder is created.
    void Write(const std::filesystem::path& folder) const;

private:
    struct Run {
        std::string PartNumber;
        std::vector<std::string> Lines; // as in the file, without line breaks
    };
    Run* FindRun(std::string_view partNumber);

    char separator_ = '.';
    std::string header_;
    std::vector<Run> runs_;
    std::vector<std::string> priceLines_;
};

} // namespace dorvik
