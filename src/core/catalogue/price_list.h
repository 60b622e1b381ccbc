#pragma once
// M_lom.dat: part numbers with descriptions and US-dollar prices.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

struct PriceEntry {
    std::string Description; // field 5
    double Price = 0;        // field 6; 0 when empty or not a number
};

// The lines are kept as read; the index holds only line numbers (an open-addressing table keyed by the
// trimmed field 3), so it costs 8 to 16 bytes per line and stays valid when the list is copied or moved.
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
    // Slot value: line index + 1; 0 marks an empty slot. Size a power of two, at most half full.
    std::vector<std::uint32_t> slots_;
    char separator_ = '.';
};

} // namespace dorvik
