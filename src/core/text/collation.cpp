#include "core/text/collation.h"

#include "core/text/text_file.h"

#include <algorithm>
#include <numeric>

namespace dorvik {

namespace {

// Lower case of the letters that Windows-1252 has in both cases.
char32_t FoldLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    switch (c) {
    case 0x160: // S caron
    case 0x152: // OE
    case 0x17D: // Z caron
        return c + 1;
    case 0x178: // Y diaeresis
        return 0xFF;
    default:
        return c;
    }
}

// The base letters of a lower-case letter, without its accent; other characters stand for themselves.
std::u32string_view BaseLetters(char32_t c) {
    static constexpr std::u32string_view kLatin1[] = {
        U"a", U"a", U"a", U"a", U"a", U"a", U"ae", U"c",  // U+00E0..U+00E7
        U"e", U"e", U"e", U"e", U"i", U"i", U"i",  U"i",  // U+00E8..U+00EF
        U"d", U"n", U"o", U"o", U"o", U"o", U"o",  U"",   // U+00F0..U+00F7
        U"o", U"u", U"u", U"u", U"u", U"y", U"th", U"y"}; // U+00F8..U+00FF
    if (c >= 0xE0 && c <= 0xFF)
        return kLatin1[c - 0xE0];
    switch (c) {
    case 0xDF:
        return U"ss";
    case 0x161:
        return U"s";
    case 0x153:
        return U"oe";
    case 0x17E:
        return U"z";
    default:
        return {};
    }
}

} // namespace

bool operator<(const TextSortKey& a, const TextSortKey& b) {
    if (const int c = a.Primary.compare(b.Primary); c != 0)
        return c < 0;
    return a.Folded < b.Folded;
}

bool operator==(const TextSortKey& a, const TextSortKey& b) {
    return a.Folded == b.Folded; // Primary follows from Folded
}

TextSortKey MakeTextSortKey(std::string_view text) {
    TextSortKey key;
    key.Folded = DecodeCodePoints(text);
    key.Primary.reserve(key.Folded.size());
    for (char32_t& c : key.Folded) {
        c = FoldLetter(c);
        const auto base = BaseLetters(c);
        if (base.empty())
            key.Primary += c;
        else
            key.Primary += base;
    }
    return key;
}

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
    const auto x = MakeTextSortKey(a);
    const auto y = MakeTextSortKey(b);
    return x < y ? -1 : y < x ? 1 : 0;
}

bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
    return MakeTextSortKey(a).Folded == MakeTextSortKey(b).Folded;
}

void SortTextsIgnoreCase(std::vector<std::string>& texts) {
    std::vector<TextSortKey> keys;
    keys.reserve(texts.size());
    for (const auto& text : texts)
        keys.push_back(MakeTextSortKey(text));
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t x, std::size_t y) { return keys[x] < keys[y]; });
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const auto index : order)
        sorted.push_back(std::move(texts[index]));
    texts = std::move(sorted);
}

} // namespace dorvik
