#pragma once
// Whole numbers as the profile files and spin fields hold them: an optional sign, then decimal digits or
// "0x" and hexadecimal digits; blanks around are allowed. Nothing else reads, nor a value outside int.
#include <optional>
#include <string_view>

namespace dorvik {

std::optional<int> TryReadWholeNumber(std::string_view text);

} // namespace dorvik
