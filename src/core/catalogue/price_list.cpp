#include "core/catalogue/price_list.h"

#include "core/catalogue/key_filter.h"
#include "core/errors.h"
#include "core/text/fields.h"
#include "core/text/line_blocks.h"
#include "core/text/line_views.h"
#include "core/text/numbers.h"
#include "core/text/trim.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <functional>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dorvik {

namespace {

// Part numbers asked for beyond one per this many bytes of the list (and beyond a few thousand): their table
// would outgrow the index of the whole list (about 12 bytes per line of some 40 to 100 bytes), so the list is
// indexed instead.
constexpr std::size_t kBytesPerAskedPartNumber = 256;
constexpr std::size_t kAskedAlways = 4096;

// A pass reads a mapped list in blocks of this size, through one buffer.
constexpr std::size_t kPassBlock = std::size_t{2} << 20;

// About the bytes of count lines of the text, judged by its first lines.
std::size_t BytesOfLines(std::string_view text, std::size_t count) {
    const std::string_view sample = text.substr(0, 1 << 16);
    const auto breaks = static_cast<std::size_t>(std::count(sample.begin(), sample.end(), '\n'));
    return std::min(text.size(), count * (sample.size() / (breaks + 1) + 1));
}

const char* FindBar(const char* p, const char* end) {
    return static_cast<const char*>(std::memchr(p, '|', static_cast<std::size_t>(end - p)));
}

// Trimmed field 3, as FieldOf(line, 3) has it, without a copy.
std::string_view KeyOf(std::string_view line) {
#if defined(__SSE2__)
    // A pass asks this of every line: the three bars mostly lie within the first 32 bytes, found in two
    // compares.
    if (line.size() >= 32) {
        const __m128i bar = _mm_set1_epi8('|');
        const auto low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data()));
        const auto high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + 16));
        auto bars = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(low, bar))) |
                    static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(high, bar))) << 16;
        bars &= bars - 1;
        const auto start = static_cast<std::size_t>(std::countr_zero(bars)) + 1;
        bars &= bars - 1;
        if (bars != 0) {
            const std::string_view key =
                line.substr(start, static_cast<std::size_t>(std::countr_zero(bars)) - start);
            return key.empty() || IsBlankOrControl(key.front()) || IsBlankOrControl(key.back()) ? Trim(key)
                                                                                                : key;
        }
    }
#endif
    const char* p = line.data();
    const char* const end = p + line.size();
    for (int bar = 0; bar < 2; ++bar) {
        p = FindBar(p, end);
        if (p == nullptr)
            return {};
        ++p;
    }
    const char* const keyEnd = FindBar(p, end);
    return keyEnd == nullptr ? std::string_view()
                             : Trim(std::string_view(p, static_cast<std::size_t>(keyEnd - p)));
}

std::uint32_t HashOf(std::string_view key) {
    const auto hash = static_cast<std::uint64_t>(std::hash<std::string_view>{}(key));
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// The hash scaled to a table's size: any size will do, not only powers of two.
std::size_t HomeOf(std::uint32_t hash, std::size_t size) {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(hash) * size) >> 32);
}

std::size_t NextSlot(std::size_t slot, std::size_t size) {
    return slot + 1 == size ? 0 : slot + 1;
}

// A line that is not skipped, with its key.
struct KeyedLine {
    std::string_view Line;
    std::string_view Key;
    std::uint32_t Hash = 0;
    std::uint32_t Start = 0; // where the line starts in the text visited, + 1
};

// Visits the lines that are not skipped and that keep(line, key) lets through, in line order, while visit
// returns true, and says whether it did to the end; a line turned away is not hashed. A table far larger than
// the cache makes each probe wait on memory, so each line is visited some lines after the slot that
// slotOf(hash) gives was fetched: the slots of the next lines come in while earlier lines are visited. The
// prefetch stays here: in a function of its own the compiler takes it for one without effect and drops it.
template <typename Keep, typename SlotOf, typename Visit>
bool ForEachKeyedLine(std::string_view text, Keep keep, SlotOf slotOf, Visit visit) {
    constexpr std::size_t kAhead = 16;
    std::array<KeyedLine, kAhead> ahead{}; // a ring: the oldest at next once full
    std::size_t next = 0;
    std::size_t waiting = 0;
    bool more = true;
    ForEachLineWhile(text, [&](std::string_view line) {
        if (IsSkippedLine(line))
            return true;
        const std::string_view key = KeyOf(line);
        if (!keep(line, key))
            return true;
        const KeyedLine entry{line, key, HashOf(key),
                              static_cast<std::uint32_t>(line.data() - text.data()) + 1};
        __builtin_prefetch(slotOf(entry.Hash));
        if (waiting == kAhead)
            more = visit(ahead[next]);
        else
            ++waiting;
        ahead[next] = entry;
        next = (next + 1) % kAhead;
        return more;
    });
    for (std::size_t i = waiting == kAhead ? next : 0; more && waiting > 0; --waiting, i = (i + 1) % kAhead)
        more = visit(ahead[i]);
    return more;
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
    if (bytes_.View().size() >= std::numeric_limits<std::uint32_t>::max())
        throw FileError("The price list is too large.");
}

std::size_t PriceList::LineCount() const {
    std::size_t count = 0;
    ForEachLine(bytes_.View(), [&count](std::string_view) { ++count; });
    return count;
}

std::string_view PriceList::LineAt(std::uint32_t start) const {
    return LineFrom(bytes_.View(), start - 1);
}

std::string_view PriceList::AskedKey(const Asked& asked) const {
    return std::string_view(askedTexts_).substr(asked.Key - 1, asked.KeyLength);
}

bool PriceList::IsKeyOf(const Asked& asked, std::string_view key, std::uint32_t hash) const {
    if (asked.Hash != hash || asked.KeyLength != key.size())
        return false;
    const std::size_t head = std::min(key.size(), kHeadSize);
    return std::memcmp(asked.Head.data(), key.data(), head) == 0 &&
           (key.size() == head || AskedKey(asked).substr(head) == key.substr(head));
}

std::size_t PriceList::AskedSlot(std::string_view key, std::uint32_t hash) const {
    for (std::size_t slot = HomeOf(hash, asked_.size());; slot = NextSlot(slot, asked_.size())) {
        const Asked& current = asked_[slot];
        if (current.Key == 0 || IsKeyOf(current, key, hash))
            return slot;
    }
}

void PriceList::ResizeAsked(std::size_t count) {
    if (count * 3 <= asked_.size() * 2)
        return;
    decltype(asked_) old(count * 3 / 2 + 16);
    old.swap(asked_);
    for (const Asked& entry : old) {
        if (entry.Key == 0)
            continue;
        std::size_t slot = HomeOf(entry.Hash, asked_.size());
        while (asked_[slot].Key != 0)
            slot = NextSlot(slot, asked_.size());
        asked_[slot] = entry;
    }
}

void PriceList::PrepareLookups(std::span<const std::string_view> partNumbers) {
    if (indexed_ || partNumbers.empty())
        return;
    if (askedCount_ + partNumbers.size() >
        std::max(kAskedAlways, bytes_.View().size() / kBytesPerAskedPartNumber)) {
        IndexAll();
        return;
    }
    // Room for all of them first: an entry is never left without its pass.
    ResizeAsked(askedCount_ + partNumbers.size());
    std::size_t textSize = askedTexts_.size();
    for (const auto partNumber : partNumbers)
        textSize += partNumber.size();
    if (textSize >= std::numeric_limits<std::uint32_t>::max())
        throw FileError("Too many part numbers to look up at once.");
    askedTexts_.reserve(textSize);
    std::size_t remaining = 0;
    KeyFilter newKeys(partNumbers.size());
    for (const auto partNumber : partNumbers) {
        const std::uint32_t hash = HashOf(partNumber);
        Asked& slot = asked_[AskedSlot(partNumber, hash)];
        if (slot.Key != 0)
            continue;
        slot = Asked{hash,
                     static_cast<std::uint32_t>(askedTexts_.size()) + 1,
                     static_cast<std::uint32_t>(partNumber.size()),
                     0,
                     {}};
        partNumber.copy(slot.Head.data(), kHeadSize);
        askedTexts_ += partNumber;
        newKeys.Add(partNumber);
        ++askedCount_;
        ++remaining;
    }
    if (remaining > 0)
        FindAskedLines(remaining, newKeys);
}

void PriceList::FindAskedLines(std::size_t remaining, const KeyFilter& newKeys) {
    found_.reserve(found_.size() + BytesOfLines(bytes_.View(), remaining));
    // Every part number asked before has its line already, or has none in the whole list: only the new ones
    // can match a line still without one.
    ForEachLineBlock(bytes_, kPassBlock, [&](std::string_view block) {
        return ForEachKeyedLine(
            block, [&](std::string_view, std::string_view key) { return newKeys.MayHold(key); },
            [this](std::uint32_t hash) { return &asked_[HomeOf(hash, asked_.size())]; },
            [&](const KeyedLine& line) {
                Asked& slot = asked_[AskedSlot(line.Key, line.Hash)];
                if (slot.Key == 0 || slot.Found != 0)
                    return true; // not asked for, or an earlier line of it came first
                if (found_.size() + line.Line.size() >= std::numeric_limits<std::uint32_t>::max())
                    throw FileError("The price lines found are too large.");
                slot.Found = static_cast<std::uint32_t>(found_.size()) + 1;
                found_ += line.Line;
                found_ += '\n';
                return --remaining > 0;
            });
    });
}

void PriceList::IndexAll() const {
    if (indexed_)
        return;
    const std::string_view text = bytes_.View();
    // Counted first, so that the table is made once at its size and nothing else per line is kept.
    std::size_t candidates = 0;
    ForEachLine(text, [&](std::string_view line) { candidates += IsSkippedLine(line) ? 0 : 1; });
    slots_.assign(candidates + candidates / 2 + 1, Slot{});
    ForEachKeyedLine(
        text, [](std::string_view, std::string_view) { return true; },
        [this](std::uint32_t hash) { return &slots_[HomeOf(hash, slots_.size())]; },
        [this](const KeyedLine& line) {
            for (std::size_t slot = HomeOf(line.Hash, slots_.size());; slot = NextSlot(slot, slots_.size())) {
                Slot& current = slots_[slot];
                if (current.Start == 0) {
                    current = Slot{line.Hash, line.Start};
                    return true;
                }
                // Linear probing; a key already present keeps its earlier line.
                if (current.Hash == line.Hash && KeyOf(LineAt(current.Start)) == line.Key)
                    return true;
            }
        });
    indexed_ = true;
}

PriceEntry PriceList::EntryOf(std::string_view line) const {
    return PriceEntry{FieldOf(line, 5), PriceOf(line)};
}

double PriceList::PriceOf(std::string_view line) const {
    return ParseNumberOrDefault(Trim(RawFieldOf(line, 6)), "0", separator_, true);
}

std::optional<std::string_view> PriceList::FindLine(std::string_view partNumber) const {
    const std::uint32_t hash = HashOf(partNumber);
    if (!asked_.empty()) {
        if (const Asked& asked = asked_[AskedSlot(partNumber, hash)]; asked.Key != 0)
            return asked.Found != 0 ? std::optional(LineFrom(found_, asked.Found - 1)) : std::nullopt;
    }
    IndexAll();
    if (slots_.empty())
        return std::nullopt;
    for (std::size_t slot = HomeOf(hash, slots_.size());; slot = NextSlot(slot, slots_.size())) {
        const Slot& current = slots_[slot];
        if (current.Start == 0)
            return std::nullopt;
        if (current.Hash == hash && KeyOf(LineAt(current.Start)) == partNumber)
            return LineAt(current.Start);
    }
}

std::optional<PriceEntry> PriceList::FindPriceLine(std::string_view partNumber) const {
    const auto line = FindLine(partNumber);
    return line ? std::optional(EntryOf(*line)) : std::nullopt;
}

std::optional<double> PriceList::FindPrice(std::string_view partNumber) const {
    const auto line = FindLine(partNumber);
    return line ? std::optional(PriceOf(*line)) : std::nullopt;
}

} // namespace dorvik
