#pragma once
// A JSON string literal of UTF-8 text: quotes and backslashes escaped, control characters as \u00XX.
#include <string>
#include <string_view>

namespace dorvik {

std::string JsonQuoted(std::string_view utf8);

} // namespace dorvik
