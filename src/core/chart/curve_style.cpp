// The look of each curve: ten curves, each told apart by colour, dash pattern and marker.
#include "core/chart/chart_scene.h"

#include <array>

namespace dorvik {

namespace {

// Colours that stay apart for the colour-blind.
constexpr std::array<Rgb, 10> kColours{0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7, 0x000000,
                                       0xE69F00, 0x56B4E9, 0x8C564B, 0x7F7F7F, 0xB2182B};
// Dash patterns in pen widths.
const std::array<std::vector<double>, 10> kDashes{{{},
                                                   {6, 3},
                                                   {1.5, 2.5},
                                                   {6, 2.5, 1.5, 2.5},
                                                   {10, 3},
                                                   {3, 3},
                                                   {6, 2.5, 1.5, 2.5, 1.5, 2.5},
                                                   {12, 3, 3, 3},
                                                   {1.5, 5},
                                                   {9, 2.5, 1.5, 2.5, 1.5, 2.5, 1.5, 2.5}}};
constexpr std::size_t kStyles = kColours.size();

std::size_t Slot(int index) {
    return static_cast<std::size_t>(index < 0 ? 0 : index) % kStyles;
}

} // namespace

SceneStroke CurveStroke(int index, double unit) {
    SceneStroke stroke{kColours[Slot(index)], 0.15 * unit, {}};
    for (const double length : kDashes[Slot(index)])
        stroke.Dashes.push_back(length * stroke.Width);
    return stroke;
}

MarkerShape CurveMarker(int index) {
    constexpr std::array<MarkerShape, 5> kShapes{MarkerShape::Circle, MarkerShape::Square,
                                                 MarkerShape::TriangleUp, MarkerShape::Diamond,
                                                 MarkerShape::TriangleDown};
    return kShapes[Slot(index) % kShapes.size()];
}

std::optional<Rgb> CurveMarkerFill(int index) {
    if (Slot(index) < kStyles / 2)
        return kColours[Slot(index)];
    return 0xFFFFFF;
}

} // namespace dorvik
