#pragma once
// The chart scene as an SVG drawing: the same picture the desktop program paints, without a font engine or a
// window system. Always well-formed XML, whatever bytes the catalogue's part numbers hold.
#include "core/chart/chart_scene.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace dorvik {

// The scene's size in points is the drawing's size.
std::string ChartSvg(const ChartScene& scene, std::string_view description = {});

// Text for XML character data and attribute values: markup characters escaped, characters XML 1.0 forbids
// (control characters other than tab and line ends, U+FFFE, U+FFFF) left out; bytes that are not UTF-8 are
// read as the data files' 8-bit code page first.
std::string XmlText(std::string_view text);

// Writes the figure's chart of width x height points as SVG, replacing the file only once it is complete;
// FileError naming the file on failure.
void WriteChartSvg(const ChartFigure& figure, const std::filesystem::path& file, double width = 750,
                   double height = 525);

} // namespace dorvik
