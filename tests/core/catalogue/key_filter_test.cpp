#include "core/catalogue/key_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvik {
namespace {

// Keys of every length around the filter's eight-byte loads, and keys that differ in one byte only, at the
// start, in the middle or at the end.
std::vector<std::string> KeysLike(const std::string& stem) {
    std::vector<std::string> keys;
    for (std::size_t length = 0; length <= 40; ++length)
        keys.push_back(stem.substr(0, std::min(length, stem.size())) +
                       std::string(length > stem.size() ? length - stem.size() : 0, '7'));
    for (std::size_t at = 0; at < stem.size(); ++at) {
        std::string key = stem;
        key[at] = '#';
        keys.push_back(key);
    }
    return keys;
}

TEST(KeyFilter, HoldsEveryKeyAddedAndTurnsAwayMostOthers) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{5000}}) {
        KeyFilter filter(size);
        std::vector<std::string> added = KeysLike("VB000123-C04-LP-RIGHT-ANGLE");
        for (std::size_t i = 0; i < size; ++i)
            added.push_back("VB" + std::to_string(100000 + i) + "-50");
        for (const auto& key : added)
            filter.Add(key);
        for (const auto& key : added)
            EXPECT_TRUE(filter.MayHold(key)) << key << " in a filter for " << size;
        if (size < 5000)
            continue;
        int through = 0;
        for (int i = 0; i < 20000; ++i)
            through += filter.MayHold("VA" + std::to_string(1000000 + i)) ? 1 : 0;
        EXPECT_LT(through, 20000 / 20);
    }
}

} // namespace
} // namespace dorvik
