#include "core/text/letter_case.h"

namespace dorvik {

namespace {
std::string Mapped(std::string_view text, char from, char to) {
    std::string result(text);
    for (char& c : result)
        if (c >= from && c <= static_cast<char>(from + 25))
            c = static_cast<char>(c - from + to);
    return result;
}
} // namespace

std::string UpperCaseAscii(std::string_view text) {
    return Mapped(text, 'a', 'A');
}

std::string LowerCaseAscii(std::string_view text) {
    return Mapped(text, 'A', 'a');
}

} // namespace dorvik
