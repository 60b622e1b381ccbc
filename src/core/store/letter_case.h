#pragma once
// Name comparison without regard to letter case, as the registry and the profile functions do it: ASCII
// letters are folded, other bytes compare as they are.
#include <string>
#include <string_view>

namespace dorvik {

std::string FoldCase(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace dorvik
