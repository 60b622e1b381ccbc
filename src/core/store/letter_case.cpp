#include "core/store/letter_case.h"

#include <algorithm>

namespace dorvik {

namespace {
char FoldChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string FoldCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), FoldChar);
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return FoldChar(x) == FoldChar(y); });
}

} // namespace dorvik
