#pragma once
// The two trims of the program's texts: the data files' fields lose every control character at their ends,
// the settings, profile and typed values only spaces and tabs (a CR or NUL there is part of the value).
#include <string_view>

namespace dorvik {

// Leading and trailing blanks and control characters removed.
std::string_view Trim(std::string_view text);

// Leading and trailing spaces and tabs removed.
std::string_view TrimBlanks(std::string_view text);

} // namespace dorvik
