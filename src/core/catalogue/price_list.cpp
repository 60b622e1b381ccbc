#include "core/catalogue/price_list.h"

#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/line_views.h"
#include "core/text/numbers.h"

#include <functional>
#include <limits>

namespace dorvik {

namespace {

std::string_view KeyOf(std::string_view line) {
    return Trim(RawFieldOf(line, 3));
}

std::uint32_t HashOf(std::string_view key) {
    const auto hash = static_cast<std::uint64_t>(std::hash<std::string_view>{}(key));
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace

PriceList::PriceList(const std::vector<std::string>& lines, char separator)
    : PriceList(FileBytes(JoinedLines(lines)), separator) {}

PriceList::PriceList(FileBytes bytes, char separator) : bytes_(std::move(bytes)), separator_(separator) {
    const std::string_view text = bytes_.View();
    if (text.size() >= std::numeric_limits<std::uint32_t>::max())
        throw FileError("The price list is too large.");
    // Counted first, so that the table is made once at its size and nothing else per line is kept.
    std::size_t candidates = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++lineCount_;
        candidates += IsSkippedLine(line) ? 0 : 1;
    });
    slots_.resize(candidates + candidates / 2 + 1);
    ForEachLine(text, [&](std::string_view line) {
        if (IsSkippedLine(line))
            return;
        const std::string_view key = KeyOf(line);
        const Slot entry{HashOf(key), static_cast<std::uint32_t>(line.data() - text.data()) + 1};
        // Linear probing; a key already present keeps its earlier line.
        for (std::size_t slot = HomeOf(entry.Hash);; slot = slot + 1 == slots_.size() ? 0 : slot + 1) {
            Slot& current = slots_[slot];
            if (current.Start == 0) {
                current = entry;
                return;
            }
            if (current.Hash == entry.Hash && KeyOf(LineAt(current.Start)) == key)
                return;
        }
    });
}

std::string_view PriceList::LineAt(std::uint32_t start) const {
    return LineFrom(bytes_.View(), start - 1);
}

std::size_t PriceList::HomeOf(std::uint32_t hash) const {
    // The hash scaled to the table's size: any size will do, not only powers of two.
    return static_cast<std::size_t>((static_cast<std::uint64_t>(hash) * slots_.size()) >> 32);
}

std::optional<PriceEntry> PriceList::FindPriceLine(std::string_view partNumber) const {
    if (slots_.empty())
        return std::nullopt;
    const std::uint32_t hash = HashOf(partNumber);
    for (std::size_t slot = HomeOf(hash);; slot = slot + 1 == slots_.size() ? 0 : slot + 1) {
        const Slot& current = slots_[slot];
        if (current.Start == 0)
            return std::nullopt;
        if (current.Hash != hash)
            continue;
        const std::string_view line = LineAt(current.Start);
        if (KeyOf(line) == partNumber) {
            PriceEntry found;
            found.Description = FieldOf(line, 5);
            found.Price = ParseNumberOrDefault(FieldOf(line, 6), "0", separator_, /*alsoPoint=*/true);
            return found;
        }
    }
}

} // namespace dorvik
