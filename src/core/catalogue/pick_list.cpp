#include "core/catalogue/pick_list.h"

#include <algorithm>

namespace dorvik {

namespace {
unsigned char Fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}
} // namespace

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = Fold(a[i]);
        const auto y = Fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareTextIgnoreCase(a, b) == 0;
}

bool PickList::Add(std::string_view text) {
    const auto at = std::lower_bound(items_.begin(), items_.end(), text, [](const std::string& item, std::string_view t) {
        return CompareTextIgnoreCase(item, t) < 0;
    });
    if (at != items_.end() && CompareTextIgnoreCase(*at, text) == 0)
        return false;
    items_.insert(at, std::string(text));
    return true;
}

} // namespace dorvik
