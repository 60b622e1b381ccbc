#include "core/catalogue/price_list.h"

#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/numbers.h"

#include <functional>
#include <limits>

namespace dorvik {

namespace {

std::string_view KeyOf(std::string_view line) {
    return Trim(RawFieldOf(line, 3));
}

std::size_t HashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

} // namespace

PriceList::PriceList(std::vector<std::string> lines, char separator)
    : lines_(std::move(lines)), separator_(separator) {
    if (lines_.size() >= std::numeric_limits<std::uint32_t>::max())
        throw FileError("The price list has too many lines.");
    std::size_t capacity = 16;
    while (capacity < 2 * lines_.size())
        capacity *= 2;
    slots_.assign(capacity, 0);
    const std::size_t mask = capacity - 1;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (IsSkippedLine(line))
            continue;
        const auto key = KeyOf(line);
        // Linear probing; a key already present keeps its earlier line.
        for (std::size_t slot = HashOf(key) & mask;; slot = (slot + 1) & mask) {
            const std::uint32_t entry = slots_[slot];
            if (entry == 0) {
                slots_[slot] = static_cast<std::uint32_t>(i + 1);
                break;
            }
            if (KeyOf(lines_[entry - 1]) == key)
                break;
        }
    }
}

std::optional<PriceEntry> PriceList::FindPriceLine(std::string_view partNumber) const {
    if (slots_.empty())
        return std::nullopt;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = HashOf(partNumber) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = slots_[slot];
        if (entry == 0)
            return std::nullopt;
        const std::string& line = lines_[entry - 1];
        if (KeyOf(line) == partNumber) {
            PriceEntry found;
            found.Description = FieldOf(line, 5);
            found.Price = ParseNumberOrDefault(FieldOf(line, 6), "0", separator_, /*alsoPoint=*/true);
            return found;
        }
    }
}

} // namespace dorvik
