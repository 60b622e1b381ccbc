#pragma once
// Widths of texts set in the chart's typeface (Arial's metrics, which Liberation Sans shares), so the core
// can lay out labels without a font engine: an estimate that errs on the wide side for unknown characters.
#include <string>
#include <string_view>

namespace dorvik {

// Width of the UTF-8 text at the font size, in the size's unit.
double TextWidth(std::string_view utf8, double size, bool bold = false);

// The text, cut at the end and ended with "…" where it is wider than maxWidth.
std::string ElideText(std::string_view utf8, double size, double maxWidth);

} // namespace dorvik
