#include "core/output/output_grids.h"
#include "core/output/print_data.h"

#include <gtest/gtest.h>

namespace dorvik::testing {
namespace {

const std::string kRow1 =
    "TC-100|800-1000|Test foam cable 1/2 in|900|4.00|13.12|2.00|2.50|56.23|10.00|3.33|3.00|"
    "USD 10.00|USD 32.81|";
const std::string kRow2 =
    "TX-9|100-300|Jacket <script>alert(1)</script> & \"PE\" 90\xB0 bend|200|||N/A|N/A|N/A|"
    "50.00|1.00|0.90|USD 5.50|USD 18.04|";

TEST(PrintDataTest, ListHoldsTheRowsAsStoredWithCrLf) {
    ResultGrids grids;
    EXPECT_EQ(BuildListPrintData(grids.specs, 1, 2), kRow1 + "\r\n" + kRow2 + "\r\n");
    EXPECT_EQ(BuildListPrintData(grids.specs, 2, 2), kRow2 + "\r\n");
}

TEST(PrintDataTest, ListNeverMakesUpRowsOutsideTheGrid) {
    ResultGrids grids;
    EXPECT_EQ(BuildListPrintData(grids.specs, 0, 9), kRow1 + "\r\n" + kRow2 + "\r\n");
    EXPECT_EQ(BuildListPrintData(grids.specs, 3, 8), "");
}

TEST(PrintDataTest, ListRecordHasFourteenTerminatedFields) {
    ResultGrids grids;
    grids.specs.Rows = {std::vector<std::string>(kListFieldCount)};
    EXPECT_EQ(BuildListPrintData(grids.specs, 1, 1), std::string(kListFieldCount, '|') + "\r\n");
}

TEST(PrintDataTest, SelectionIsTheCurrentRowsAndSelectedConnectors) {
    ResultGrids grids;
    grids.connectors2.Rows = {{"DF-7", "7/16 DIN female", "USD 61.00"}};
    grids.connectors2.CurrentRow = 1;
    EXPECT_EQ(
        BuildSelectedPrintData(grids.specs, "N Female", grids.connectors1, "7/16 DIN Female",
                               grids.connectors2, "USD 1,234.50"),
        kRow2 + "N Female|NM-2|N male connector, right angle|USD 52.13|7/16 DIN Female|DF-7|7/16 DIN female|"
                "USD 61.00|USD 1,234.50|\r\n");
}

TEST(PrintDataTest, SelectionWithoutConnectorsStillHasEveryField) {
    ResultGrids grids; // connectors2 has no rows; no connector is selected
    const std::string record =
        BuildSelectedPrintData(grids.specs, "", grids.connectors1, "", grids.connectors2, "");
    EXPECT_EQ(record, kRow2 + "|NM-2|N male connector, right angle|USD 52.13||||||\r\n");
    EXPECT_EQ(std::count(record.begin(), record.end(), '|'), kSelectedFieldCount);

    const TextTable empty{SpecsHeadings(), {}, 0};
    EXPECT_EQ(BuildSelectedPrintData(empty, "", grids.connectors2, "", grids.connectors2, ""),
              std::string(kSelectedFieldCount, '|') + "\r\n");
}

} // namespace
} // namespace dorvik::testing
