#pragma once
// Letter case of the program's own keywords (query-file values, option values, cable types) and of the names
// in the settings store and profile files: ASCII letters only, never the C locale's rules, so a Windows-1252
// byte is never changed. Texts shown in pick lists compare by collation.h instead.
#include <string>
#include <string_view>

namespace dorvik {

std::string UpperCaseAscii(std::string_view text);
std::string LowerCaseAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace dorvik
