#pragma once
// M_lom.dat: part numbers with descriptions and US-dollar prices.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dorvik {

struct PriceEntry {
    std::string Description; // field 5
    double Price = 0;        // field 6; 0 when empty or not a number
};

class PriceList {
public:
    PriceList() = default;
    // The index is built once here; separator as for the catalogue (the locale's, '.' also accepted).
    PriceList(std::vector<std::string> lines, char separator);

    // First non-skipped line whose trimmed field 3 equals the part number exactly.
    std::optional<PriceEntry> FindPriceLine(std::string_view partNumber) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    std::unordered_map<std::string, std::size_t> firstLine_;
    char separator_ = '.';
};

} // namespace dorvik
