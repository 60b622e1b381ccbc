#pragma once
// A text list kept sorted on every addition (case-insensitive), dropping an addition equal to an entry
// already present; the first form met stays.
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

// Case-insensitive three-way comparison of texts (ASCII letters folded; other bytes by value).
int CompareTextIgnoreCase(std::string_view a, std::string_view b);
bool SameTextIgnoreCase(std::string_view a, std::string_view b);

class PickList {
public:
    // False when an equal entry was present.
    bool Add(std::string_view text);
    const std::vector<std::string>& Items() const { return items_; }
    std::vector<std::string> TakeItems() { return std::move(items_); }

private:
    std::vector<std::string> items_;
};

} // namespace dorvik
