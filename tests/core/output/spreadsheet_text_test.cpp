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
    TextTable grid{{{"A"}, {"B"}}, {}, 0};
    EXPECT_EQ(BuildSpreadsheetText(grid), "A\tB\t\r\r\n");
    grid.Rows = {{"", "x"}};
    EXPECT_EQ(BuildSpreadsheetText(grid), "A\tB\t\r\r\n\tx\t\r\n");
}

} // namespace
} // namespace dorvik::testing
