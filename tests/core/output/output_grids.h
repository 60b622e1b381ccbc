#pragma once
// The results page's three grids as a search would leave them, with texts that the exports must carry
// unchanged or escape: markup, quotes, an 8-bit byte of the data files (0xB0, the degree sign).
#include "core/output/text_table.h"
#include "support/test_files.h"

#include <filesystem>
#include <string>
#include <vector>

namespace dorvik::testing {

inline std::vector<TextColumn> SpecsHeadings() {
    std::vector<TextColumn> columns;
    for (const char* heading :
         {"Part Number", "Frequency Band (MHz)", "Description", "Mid Band Frequency (MHz)",
          "Attenuation (dB/100 ft)", "Attenuation (dB/100m)", "Total Attenuation (dB)", "Insertion Loss (dB)",
          "Efficiency (%)", "Peak Power (kW)", "Avg. Power (kW)", "VSWR Derated Avg. Pwr. (kW)",
          "List Price Per Foot (USD)", "List Price Per Meter (USD)"})
        columns.push_back({heading});
    return columns;
}

inline std::vector<TextColumn> ConnectorHeadings() {
    return {{"Part Number"}, {"Description"}, {"Price (USD)"}};
}

struct ResultGrids {
    TextTable specs{SpecsHeadings(),
                    {{"TC-100", "800-1000", "Test foam cable 1/2 in", "900", "4.00", "13.12", "2.00", "2.50",
                      "56.23", "10.00", "3.33", "3.00", "USD 10.00", "USD 32.81"},
                     {"TX-9", "100-300", "Jacket <script>alert(1)</script> & \"PE\" 90\xB0 bend", "200", "",
                      "", "N/A", "N/A", "N/A", "50.00", "1.00", "0.90", "USD 5.50", "USD 18.04"}},
                    2};
    TextTable connectors1{
        ConnectorHeadings(),
        {{"NM-1", "N male connector", "USD 45.00"}, {"NM-2", "N male connector, right angle", "USD 52.13"}},
        2};
    // A connector without part numbers: no current row.
    TextTable connectors2{ConnectorHeadings(), {}, 0};
};

inline std::string ReadGolden(const std::string& name) {
    return dorvik::testing::ReadBytes(std::filesystem::path(DORVIK_TEST_DATA) / "output" / name);
}

} // namespace dorvik::testing
