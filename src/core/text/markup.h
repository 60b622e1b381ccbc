#pragma once
// Escaping text for HTML and XML (the HTML export and the chart's SVG).
#include <string>
#include <string_view>

namespace dorvik {

// &, <, > and " as entities; every other byte as it is.
std::string EscapeHtml(std::string_view text);

} // namespace dorvik
