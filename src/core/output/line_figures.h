#pragma once
// The lines found and the query they were found by as numbers, not as the grid's texts: for the outputs that
// other programs read (typed JSON, the Excel workbook). A figure the grid shows as "N/A" or leaves empty is
// absent here. Texts are the data files' bytes.
#include <optional>
#include <string>
#include <vector>

namespace dorvik {

struct FrequencyBand {
    double Low = 0, High = 0; // MHz
};

struct LineFigures {
    std::string PartNumber;
    FrequencyBand Band;
    std::string Description;
    std::optional<double> MidBandMhz;
    std::optional<double> AttenuationDbPer100Ft;
    std::optional<double> AttenuationDbPer100M;
    std::optional<double> TotalAttenuationDb;
    std::optional<double> InsertionLossDb;
    std::optional<double> EfficiencyPercent;
    std::optional<double> PeakPowerKw;
    std::optional<double> AveragePowerKw;
    std::optional<double> DeratedAveragePowerKw;
    std::string Currency; // the code of the prices, such as "USD" or "EUR"
    double PricePerFoot = 0;
    double PricePerMeter = 0;
    std::vector<std::string> Connectors;
    std::optional<double> LongestRun; // in the query's unit, within the loss budget of a query by loss
    bool UserLine = false;            // from the user's own catalogue
};

// The computed figures of a line, in the grid's order: their names in JSON and their grid headings.
struct FigureField {
    const char* JsonName;
    const char* Heading;
    std::optional<double> LineFigures::*Member;
};
inline constexpr FigureField kFigureFields[] = {
    {"mid_band_mhz", "Mid Band Frequency (MHz)", &LineFigures::MidBandMhz},
    {"attenuation_db_per_100ft", "Attenuation (dB/100 ft)", &LineFigures::AttenuationDbPer100Ft},
    {"attenuation_db_per_100m", "Attenuation (dB/100m)", &LineFigures::AttenuationDbPer100M},
    {"total_attenuation_db", "Total Attenuation (dB)", &LineFigures::TotalAttenuationDb},
    {"insertion_loss_db", "Insertion Loss (dB)", &LineFigures::InsertionLossDb},
    {"efficiency_percent", "Efficiency (%)", &LineFigures::EfficiencyPercent},
    {"peak_power_kw", "Peak Power (kW)", &LineFigures::PeakPowerKw},
    {"average_power_kw", "Avg. Power (kW)", &LineFigures::AveragePowerKw},
    {"derated_average_power_kw", "VSWR Derated Avg. Pwr. (kW)", &LineFigures::DeratedAveragePowerKw}};

// The query as the program read it.
struct QueryEcho {
    std::optional<std::string> PartNumber; // a part-number lookup
    std::optional<FrequencyBand> Band;     // a query by frequency
    std::optional<double> MaxLossDb;       // a query by insertion loss
    std::optional<double> Length;
    bool Feet = true;
    std::optional<double> Vswr;
    std::optional<std::string> Connector1, Connector2; // the connectors queried by
    std::vector<std::string> Families;                 // "foam", "air", "waveguide" as chosen
};

struct ResultsFigures {
    QueryEcho Query;
    std::vector<LineFigures> Lines;
};

// "ft" or "m".
inline const char* UnitName(bool feet) {
    return feet ? "ft" : "m";
}

} // namespace dorvik
