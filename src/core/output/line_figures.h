#pragma once
// How the outputs that other programs read (typed JSON, the Excel workbook) name a search's figures, and the
// query as it is echoed beside them: a value only where the query gave one.
#include "core/engine/search_result.h"

#include <optional>
#include <string>
#include <vector>

namespace dorvik {

// The computed figures of a line, in the grid's order: their names in JSON and their grid headings.
struct FigureField {
    const char* JsonName;
    const char* Heading;
    Figure Id;
};
inline constexpr FigureField kFigureFields[] = {
    {"mid_band_mhz", "Mid Band Frequency (MHz)", Figure::MidBand},
    {"attenuation_db_per_100ft", "Attenuation (dB/100 ft)", Figure::Attenuation},
    {"attenuation_db_per_100m", "Attenuation (dB/100m)", Figure::AttenuationPerMeter},
    {"total_attenuation_db", "Total Attenuation (dB)", Figure::TotalAttenuation},
    {"insertion_loss_db", "Insertion Loss (dB)", Figure::InsertionLoss},
    {"efficiency_percent", "Efficiency (%)", Figure::Efficiency},
    {"peak_power_kw", "Peak Power (kW)", Figure::PeakPower},
    {"average_power_kw", "Avg. Power (kW)", Figure::AveragePower},
    {"derated_average_power_kw", "VSWR Derated Avg. Pwr. (kW)", Figure::DeratedPower}};

// The query as the outputs echo it.
struct QueryEcho {
    std::optional<std::string> PartNumber; // a part-number lookup
    std::optional<FrequencyBand> Band;     // a query by frequency
    std::optional<double> MaxLossDb;       // a query by insertion loss
    std::optional<double> Length;
    LengthUnit Unit = LengthUnit::Feet;
    std::optional<double> Vswr;
    std::optional<std::string> Connector1, Connector2; // the connectors queried by
    std::vector<std::string> Families;                 // "foam", "air", "waveguide" as chosen
    std::optional<std::string> Sort;                   // "KEY" or "KEY:desc" when the lines are sorted
};
QueryEcho EchoOf(const SearchCriteria& query);
QueryEcho EchoOf(const SearchResult& result); // with the lines' order

} // namespace dorvik
