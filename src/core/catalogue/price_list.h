#pragma once
// M_lom.dat: part numbers with descriptions and US-dollar prices.
#include "core/text/file_bytes.h"
#include "core/text/large_memory.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

class KeyFilter;

struct PriceEntry {
    std::string Description; // field 5
    double Price = 0;        // field 6; 0 when empty or not a number
};

// The file's bytes are kept as read, in one block, and read no further until a lookup needs them. A search
// asks for the part numbers it will show first (PrepareLookups): one pass over the lines finds them, stopping
// once each has its line, so that the list is never indexed whole for a few thousand lookups. The pass turns
// most lines away by a small filter before it hashes them, keeps a copy of the lines it finds and reads a
// mapped file through one buffer, never taking its pages in. A lookup that was not asked for first indexes
// the whole list, once (12 bytes per line). Lookups remember what they found, so one list is not for several
// threads at once.
class PriceList {
public:
    PriceList() = default;
    // The whole file; a NUL ends its text. Separator as for the catalogue (the locale's, '.' also accepted).
    // Throws FileError for a file of 4 GB or more.
    PriceList(FileBytes bytes, char separator);
    // Lines without line breaks of their own, as a file would hold them.
    PriceList(const std::vector<std::string>& lines, char separator);

    // Finds the lines of these part numbers in one pass, for the lookups that follow. So many part numbers
    // that a table of them would outgrow an index of the whole list index the whole list instead.
    void PrepareLookups(std::span<const std::string_view> partNumbers);

    // First non-skipped line whose trimmed field 3 equals the part number exactly.
    std::optional<PriceEntry> FindPriceLine(std::string_view partNumber) const;
    // The price of that line alone: a cost is worked out from many part numbers whose descriptions it never
    // shows.
    std::optional<double> FindPrice(std::string_view partNumber) const;

    std::size_t LineCount() const;

private:
    struct Slot {
        std::uint32_t Hash = 0;
        std::uint32_t Start = 0; // where the line starts, + 1; 0 marks an empty slot
    };
    static constexpr std::size_t kHeadSize = 16;
    // A part number asked for: its text in askedTexts_, and its line once found. Its first bytes are kept in
    // the slot too, so that most part numbers are compared without a second read from memory.
    struct Asked {
        std::uint32_t Hash = 0;
        std::uint32_t Key = 0; // where its text starts in askedTexts_, + 1; 0 marks an empty slot
        std::uint32_t KeyLength = 0;
        std::uint32_t Found = 0; // where its line starts in found_, + 1; 0 while no line is found
        std::array<char, kHeadSize> Head{};
    };

    std::string_view LineAt(std::uint32_t start) const;
    std::string_view AskedKey(const Asked& asked) const;
    bool IsKeyOf(const Asked& asked, std::string_view key, std::uint32_t hash) const;
    // The slot of the key in asked_, or where it would go.
    std::size_t AskedSlot(std::string_view key, std::uint32_t hash) const;
    // Room for count part numbers.
    void ResizeAsked(std::size_t count);
    // The lines of the remaining part numbers asked for that are new, which newKeys holds.
    void FindAskedLines(std::size_t remaining, const KeyFilter& newKeys);
    void IndexAll() const;
    // The first non-skipped line of the part number.
    std::optional<std::string_view> FindLine(std::string_view partNumber) const;
    PriceEntry EntryOf(std::string_view line) const;
    double PriceOf(std::string_view line) const;

    FileBytes bytes_;
    char separator_ = '.';
    using LargeString = std::basic_string<char, std::char_traits<char>, LargeAllocator<char>>;

    std::vector<Asked, LargeAllocator<Asked>> asked_; // open addressing, at most two in three used
    std::size_t askedCount_ = 0;
    LargeString askedTexts_;
    LargeString found_; // the lines found for part numbers asked for, each with a line break
    // The whole list, made at the first lookup that was not asked for.
    mutable std::vector<Slot, LargeAllocator<Slot>> slots_; // at most two in three used
    mutable bool indexed_ = false;
};

} // namespace dorvik
