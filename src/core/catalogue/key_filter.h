#pragma once
// A small filter over the part numbers a pass looks for: most lines of a price list are not among them, and
// the filter turns those away for the cost of a few loads and one probe of a table that stays in the cache.
// It never turns away a key that was added; it lets a few others through, which the full lookup then rejects.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace dorvik {

// A hash of the key's length and of its first, middle and last eight bytes: every byte of a key of up to 16
// bytes, in a time that does not grow with the key.
inline std::uint64_t QuickHashOf(std::string_view key) {
    const std::size_t n = key.size();
    std::uint64_t first = 0;
    std::uint64_t middle = 0;
    std::uint64_t last = 0;
    if (n >= 8) {
        std::memcpy(&first, key.data(), 8);
        std::memcpy(&middle, key.data() + n / 2 - 4, 8);
        std::memcpy(&last, key.data() + n - 8, 8);
    } else if (n > 0) {
        std::memcpy(&first, key.data(), n);
    }
    std::uint64_t hash = (first ^ n) * 0x9e3779b97f4a7c15ULL;
    hash ^= std::rotl(last * 0xc2b2ae3d27d4eb4fULL, 31) ^ std::rotl(middle * 0x165667b19e3779f9ULL, 17);
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ULL;
    return hash ^ (hash >> 32);
}

class KeyFilter {
public:
    KeyFilter() = default;
    // About 16 bits per key, two of them set in one 64-bit word: one memory read per probe.
    explicit KeyFilter(std::size_t keys) : words_(std::bit_ceil(keys / 4 + 1)) {
        shift_ = 64 - std::countr_zero(words_.size());
    }

    void Add(std::string_view key) {
        const std::uint64_t hash = QuickHashOf(key);
        words_[WordOf(hash)] |= BitsOf(hash);
    }

    bool MayHold(std::string_view key) const {
        const std::uint64_t hash = QuickHashOf(key);
        const std::uint64_t bits = BitsOf(hash);
        return (words_[WordOf(hash)] & bits) == bits;
    }

private:
    std::size_t WordOf(std::uint64_t hash) const {
        return shift_ == 64 ? 0 : static_cast<std::size_t>(hash >> shift_);
    }
    static std::uint64_t BitsOf(std::uint64_t hash) {
        return (std::uint64_t{1} << (hash & 63)) | (std::uint64_t{1} << ((hash >> 6) & 63));
    }

    std::vector<std::uint64_t> words_ = std::vector<std::uint64_t>(1);
    int shift_ = 64;
};

} // namespace dorvik
