#pragma once
// The results page's three grids as a search would leave them, with texts that the exports must carry
// unchanged or escape: markup, quotes, an 8-bit byte of the data files (0xB0, the degree sign).
#include "core/forms/controls/grid.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dorvik::testing {

inline std::vector<TGridColumn> SpecsHeadings() {
    std::vector<TGridColumn> columns;
    for (const char* heading :
         {"Part Number", "Frequency Band (MHz)", "Description", "Mid Band Frequency (MHz)",
          "Attenuation (dB/100 ft)", "Attenuation (dB/100m)", "Total Attenuation (dB)", "Insertion Loss (dB)",
          "Efficiency (%)", "Peak Power (kW)", "Avg. Power (kW)", "VSWR Derated Avg. Pwr. (kW)",
          "List Price Per Foot (USD)", "List Price Per Meter (USD)"})
        columns.push_back({heading});
    return columns;
}

inline void FillRow(TGrid& grid, int row, const std::vector<std::string>& cells) {
    for (int col = 1; col <= static_cast<int>(cells.size()); ++col)
        grid.SetCell(col, row, cells[static_cast<std::size_t>(col - 1)]);
}

struct ResultGrids {
    TGrid specs{"grdSpecs", SpecsHeadings()};
    TGrid connectors1{"grdConnectors", {{"Part Number"}, {"Description"}, {"Price (USD)"}}};
    TGrid connectors2{"grdConnectors2", {{"Part Number"}, {"Description"}, {"Price (USD)"}}};

    ResultGrids() {
        specs.SetRowCount(2);
        FillRow(specs, 1,
                {"TC-100", "800-1000", "Test foam cable 1/2 in", "900", "4.00", "13.12", "2.00", "2.50",
                 "56.23", "10.00", "3.33", "3.00", "USD 10.00", "USD 32.81"});
        FillRow(specs, 2,
                {"TX-9", "100-300", "Jacket <script>alert(1)</script> & \"PE\" 90\xB0 bend", "200", "", "",
                 "N/A", "N/A", "N/A", "50.00", "1.00", "0.90", "USD 5.50", "USD 18.04"});
        specs.SetCurrentRow(2);
        connectors1.SetRowCount(2);
        FillRow(connectors1, 1, {"NM-1", "N male connector", "USD 45.00"});
        FillRow(connectors1, 2, {"NM-2", "N male connector, right angle", "USD 52.13"});
        connectors1.SetCurrentRow(2);
        // connectors2: a connector without part numbers, no current row.
    }
};

inline std::string ReadGolden(const std::string& name) {
    std::ifstream in(std::filesystem::path(DORVIK_TEST_DATA) / "output" / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace dorvik::testing
