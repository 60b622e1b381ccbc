#pragma once
// A pick list of the catalogue (band edges, connector names) while it is loaded: distinct texts, letter case
// ignored, the first form met staying; in alphabetical order when read. Adding is constant time on average
// and the order is made once, so a list of a million distinct texts costs O(n log n) in any input order.
#include "core/text/collation.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace dorvik {

// A text with the value it stands for (a band edge's), kept beside it so that nothing reads the text again.
struct PickEntry {
    std::string Text;
    double Value = 0;
};

// The texts of the entries, in their order.
std::vector<std::string> TextsOf(const std::vector<PickEntry>& entries);

class PickList {
public:
    // False when the same text (letter case ignored) was added before; the list keeps that one and its value.
    bool Add(std::string_view text, double value = 0);

    std::size_t Size() const { return entries_.size(); }
    // Alphabetical (letter case ignored, accents beside their letters).
    std::vector<PickEntry> Entries() const;
    std::vector<std::string> Items() const;

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };

    // Every text added, as added: a list of a few distinct texts added once per catalogue line makes the sort
    // key of each only once.
    std::unordered_set<std::string, TextHash, std::equal_to<>> added_;
    std::vector<PickEntry> entries_;                        // in the order of adding
    std::vector<std::u32string> primary_;                   // the Primary part of each entry's sort key
    std::unordered_map<std::u32string, std::size_t> index_; // Folded key -> entry
};

} // namespace dorvik
