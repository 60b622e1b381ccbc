#pragma once
// Letter case of the program's own keywords (query-file values, option values, cable types): ASCII letters
// only, never the C locale's rules, so a Windows-1252 byte is never changed.
#include <string>
#include <string_view>

namespace dorvik {

std::string UpperCaseAscii(std::string_view text);
std::string LowerCaseAscii(std::string_view text);

} // namespace dorvik
