#pragma once
// What the printed reports show, apart from where it stands on paper: the title, the list's records a page,
// and each caption with the field of the print data it shows. The desktop's report layouts and the web page's
// both read them, so the two cannot drift apart.
#include "core/output/print_data.h"

namespace dorvik {

inline constexpr const char* kReportTitle = "Veltrane Corporation Insertion Loss Calculator";
inline constexpr int kListRecordsPerPage = 7;

// A caption and the field (from 0) of the print data's record it shows; Lines is its height in lines.
struct ReportField {
    const char* Caption;
    int Field;
    int Lines = 1;
};

// Each list record: the part number and the description, then two rows of six columns.
inline constexpr int kListPartNumberField = 0;
inline constexpr int kListDescriptionField = 2;
inline constexpr ReportField kListRow3[] = {{"Attenuation dB/100ft", 4}, {"Attenuation dB/100m", 5},
                                            {"Total Attenuation", 6},    {"Insertion Loss", 7},
                                            {"Efficiency", 8},           {"Frequency Band", 1}};
inline constexpr ReportField kListRow4[] = {{"Mid Band Frequency", 3},   {"Peak Power", 9},
                                            {"Average Power", 10},       {"VSWR Derated AVG Power", 11},
                                            {"List Price Per Foot", 12}, {"List Price Per Meter", 13}};

// The data sheet: the line's rows, then the rows of each connector end, whose fields start at its first.
inline constexpr ReportField kSheetLineRows[] = {{"Part Number:", 0},
                                                 {"Description:", 2, 3},
                                                 {"Frequency Band, MHz:", 1},
                                                 {"Mid Band Frequency, MHz:", 3},
                                                 {"Attenuation dB/100ft:", 4},
                                                 {"Attenuation dB/100m:", 5},
                                                 {"Total Attenuation:", 6},
                                                 {"Insertion Loss:", 7},
                                                 {"Efficiency %:", 8},
                                                 {"Peak Power:", 9},
                                                 {"Average Power:", 10},
                                                 {"VSWR Derated Avg. Power:", 11},
                                                 {"List Price Per Foot:", 12},
                                                 {"List Price Per Meter:", 13},
                                                 {"Cost Of Run:", kSelectedFieldCount - 1}};
inline constexpr ReportField kSheetConnectorRows[] = {
    {"Part Number:", 1}, {"Type:", 0}, {"Description:", 2, 3}, {"Price:", 3}};
inline constexpr int kSheetConnectorFirstField[] = {14, 18};

} // namespace dorvik
