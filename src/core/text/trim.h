#pragma once
// The two trims of the program's texts: the data files' fields lose every control character at their ends,
// the settings, profile and typed values only spaces and tabs (a CR or NUL there is part of the value).
#include <string_view>

namespace dorvik {

// What Trim removes at a field's ends: a blank or a control character.
constexpr bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == '\x7f';
}

// Leading and trailing blanks and control characters removed.
std::string_view Trim(std::string_view text);

// Leading and trailing spaces and tabs removed.
std::string_view TrimBlanks(std::string_view text);

} // namespace dorvik
