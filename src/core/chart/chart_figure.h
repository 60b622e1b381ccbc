#pragma once
// What a chart of lines shows, before any geometry: one series per line with its samples, the axis titles,
// the query band and its mid-band frequency. Texts are UTF-8; the part numbers stay as the catalogue's bytes.
#include "core/engine/curves.h"

#include <optional>
#include <string>
#include <vector>

namespace dorvik {

struct ChartSeries {
    std::string PartNumber; // the catalogue's bytes
    std::vector<CurvePoint> Points;
    std::string Legend; // the part number, and the longest run within the budget when querying by loss
};

struct ChartFigure {
    std::string Title;
    std::string XAxisLabel;
    std::string YAxisLabel;
    std::string ValueUnit; // the read-out's unit: "dB/100 ft", "dB/100 m", "kW"
    std::vector<ChartSeries> Series;
    std::optional<FrequencyBand> QueryBand;
    std::optional<double> MidBand; // MHz
    char DecimalSeparator = '.';
};

} // namespace dorvik
