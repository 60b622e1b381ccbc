#include "core/catalogue/price_list.h"

#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/line_views.h"
#include "core/text/numbers.h"

#include <array>
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
    // The table is far larger than the cache, so each insertion waits on memory: the home slots of the next
    // lines are fetched while earlier lines are inserted. Insertion stays in line order (the first line of a
    // key wins).
    constexpr std::size_t kAhead = 16;
    std::array<Slot, kAhead> ahead; // a ring: the oldest at next once full
    std::size_t next = 0;
    std::size_t waiting = 0;
    const auto insert = [&](const Slot& entry) {
        for (std::size_t slot = HomeOf(entry.Hash);; slot = slot + 1 == slots_.size() ? 0 : slot + 1) {
            Slot& current = slots_[slot];
            if (current.Start == 0) {
                current = entry;
                return;
            }
            // Linear probing; a key already present keeps its earlier line.
            if (current.Hash == entry.Hash && KeyOf(LineAt(current.Start)) == KeyOf(LineAt(entry.Start)))
                return;
        }
    };
    ForEachLine(text, [&](std::string_view line) {
        if (IsSkippedLine(line))
            return;
        const Slot entry{HashOf(KeyOf(line)), static_cast<std::uint32_t>(line.data() - text.data()) + 1};
        __builtin_prefetch(&slots_[HomeOf(entry.Hash)], 1);
        if (waiting == kAhead)
            insert(ahead[next]);
        else
            ++waiting;
        ahead[next] = entry;
        next = (next + 1) % kAhead;
    });
    for (std::size_t i = waiting == kAhead ? next : 0; waiting > 0; --waiting, i = (i + 1) % kAhead)
        insert(ahead[i]);
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
