#include "core/output/output_grids.h"
#include "core/output/spreadsheet_text.h"

#include <gtest/gtest.h>

namespace dorvik::testing {
namespace {

TEST(SpreadsheetTextTest, MatchesGoldenFileByteForByte) {
    const ResultGrids grids;
    EXPECT_EQ(BuildSpreadsheetText(grids.specs), ReadGolden("spreadsheet.xls"));
}

TEST(SpreadsheetTextTest, EmptyGridGivesTheHeadingLineAlone) {
    TGrid grid("grdSpecs", {{"A"}, {"B"}});
    EXPECT_EQ(BuildSpreadsheetText(grid), "A\tB\t\r\r\n");
    grid.SetRowCount(1);
    grid.SetCell(2, 1, "x");
    EXPECT_EQ(BuildSpreadsheetText(grid), "A\tB\t\r\r\n\tx\t\r\n");
}

} // namespace
} // namespace dorvik::testing
