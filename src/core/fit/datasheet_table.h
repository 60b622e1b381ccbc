#pragma once
// A datasheet's table of a line: attenuation (and optionally average power) at a handful of frequencies, as
// typed, pasted from a spreadsheet or from a PDF's text, or read from a CSV file.
#include "core/errors.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

// A table that cannot be fitted; the message says why.
class FitError : public DorvikError {
public:
    using DorvikError::DorvikError;
};

struct DatasheetPoint {
    double MHz = 0;
    double Attenuation = 0; // in the table's unit
    // Half a unit of the last digit printed: how far the published figure may lie from the true one.
    double Rounding = 0;
    std::optional<double> AveragePower; // kW; none where the datasheet gives none
    std::size_t Line = 0;               // of the text, from 1, for messages
};

struct DatasheetTable {
    bool PerMeter = false; // dB/100 m instead of dB/100 ft
    std::vector<DatasheetPoint> Points;
};

// A header line naming the columns "MHz", "dB/100ft" or "dB/100m", and optionally "kW" (letter case and
// blanks ignored), then one line per frequency. Columns are separated by commas, tabs or semicolons, or by
// blanks when the header has none of these. Lines beginning with '#' and empty lines are skipped. Numbers
// read with the separator or '.'. Throws FitError naming the line of a figure that does not read or is not
// above 0.
DatasheetTable ReadDatasheetTable(std::string_view text, char decimalSeparator = '.');

// Half a unit of the last digit a number is written with: "0.37" gives 0.005, "12" gives 0.5, "1.5e3" 50.
double PrintedRounding(std::string_view number);

} // namespace dorvik
