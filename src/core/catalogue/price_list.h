#pragma once
// M_lom.dat: part numbers with descriptions and US-dollar prices.
#include "core/text/file_bytes.h"

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

// The file's bytes are kept as read, in one block; the index holds where each line starts (an open-addressing
// table keyed by the trimmed field 3), 12 bytes per line, and stays valid when the list is copied or moved.
class PriceList {
public:
    PriceList() = default;
    // The whole file; a NUL ends its text. The index is built once here; separator as for the catalogue (the
    // locale's, '.' also accepted). Throws FileError for a file of 4 GB or more.
    PriceList(FileBytes bytes, char separator);
    // Lines without line breaks of their own, as a file would hold them.
    PriceList(const std::vector<std::string>& lines, char separator);

    // First non-skipped line whose trimmed field 3 equals the part number exactly.
    std::optional<PriceEntry> FindPriceLine(std::string_view partNumber) const;

    std::size_t LineCount() const { return lineCount_; }

private:
    struct Slot {
        std::uint32_t Hash = 0;
        std::uint32_t Start = 0; // where the line starts, + 1; 0 marks an empty slot
    };

    std::string_view LineAt(std::uint32_t start) const;
    std::size_t HomeOf(std::uint32_t hash) const;

    FileBytes bytes_;
    std::vector<Slot> slots_; // at most two in three used
    std::size_t lineCount_ = 0;
    char separator_ = '.';
};

} // namespace dorvik
