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

// A TAB, a line break or another control character in a cell would split the cell or the row.
TEST(SpreadsheetTextTest, ControlCharactersInCellsAreSpaces) {
    const TextTable grid{{{"A\tB"}, {"C"}}, {{"5/8 in\tfoam\x01\x1f", "x\r\ny\x7f\xe9"}}, 0};
    EXPECT_EQ(BuildSpreadsheetText(grid), "A B\tC\t\r\r\n5/8 in foam  \tx  y \xe9\t\r\n");
}

} // namespace
} // namespace dorvik::testing
