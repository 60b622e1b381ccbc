#include "core/catalogue/pick_list.h"

#include <algorithm>
#include <numeric>

namespace dorvik {

bool PickList::Add(std::string_view text, double value) {
    if (added_.find(text) != added_.end())
        return false;
    added_.emplace(text);
    auto key = MakeTextSortKey(text);
    const auto [it, inserted] = index_.try_emplace(std::move(key.Folded), entries_.size());
    if (!inserted)
        return false;
    entries_.push_back(PickEntry{std::string(text), value});
    primary_.push_back(std::move(key.Primary));
    return true;
}

std::vector<PickEntry> PickList::Entries() const {
    // The folded keys are distinct, so the order is total: no stability needed.
    std::vector<const std::u32string*> folded(entries_.size());
    for (const auto& [key, index] : index_)
        folded[index] = &key;
    std::vector<std::size_t> order(entries_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        if (const auto c = primary_[x].compare(primary_[y]); c != 0)
            return c < 0;
        return *folded[x] < *folded[y];
    });
    std::vector<PickEntry> sorted;
    sorted.reserve(order.size());
    for (const auto index : order)
        sorted.push_back(entries_[index]);
    return sorted;
}

std::vector<std::string> PickList::Items() const {
    return TextsOf(Entries());
}

std::vector<std::string> TextsOf(const std::vector<PickEntry>& entries) {
    std::vector<std::string> texts;
    texts.reserve(entries.size());
    for (const auto& entry : entries)
        texts.push_back(entry.Text);
    return texts;
}

} // namespace dorvik
