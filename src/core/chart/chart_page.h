#pragma once
// The page a chart is printed on: the Print command and a chart written as PDF use the same one.
#include <string>

namespace dorvik {

struct ChartPage {
    // US Letter in points, landscape: the chart is wider than high.
    double WidthPt = 11 * 72.0;
    double HeightPt = 8.5 * 72.0;
    double MarginMm = 6.35; // a quarter inch on every side
    std::string DocumentName = "Chart Of Lines";
};

} // namespace dorvik
