// The exports written piece by piece are the same bytes as built whole, and come in one piece per line.
#include "core/forms/main_window/frm_main.h"
#include "core/output/html_page.h"
#include "core/output/spreadsheet_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dorvik {
namespace {

void Fill(TGrid& grid, int rows) {
    grid.SetRowCount(rows);
    for (int row = 1; row <= rows; ++row) {
        grid.SetCell(1, row, "P" + std::to_string(row));
        grid.SetCell(2, row, "<cable> & \xB0");
        grid.SetCell(3, row, "USD 1.00");
    }
}

TEST(StreamedOutput, OnePiecePerLineAndTheSameBytesAsWhole) {
    struct Writer {
        std::string Name;
        std::size_t PiecesBesideRows;
        std::function<void(const TGrid&, const TextSink&)> Write;
        std::function<std::string(const TGrid&)> Build;
    };
    const std::vector<Writer> writers{
        {"spreadsheet", 1, WriteSpreadsheetText, BuildSpreadsheetText},
        {"html", 9, [](const TGrid& g, const TextSink& w) { WriteHtmlPage(g, 3, w); },
         [](const TGrid& g) { return BuildHtmlPage(g, 3); }},
    };
    for (const auto& writer : writers) {
        for (const int rows : {0, 1, 250}) {
            SCOPED_TRACE(writer.Name + " " + std::to_string(rows));
            TGrid grid("grdSpecs", {{"Part Number"}, {"Description"}, {"Price"}});
            Fill(grid, rows);
            std::vector<std::string> pieces;
            writer.Write(grid, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
            EXPECT_EQ(pieces.size(), static_cast<std::size_t>(rows) + writer.PiecesBesideRows);
            std::string joined;
            for (const auto& piece : pieces)
                joined += piece;
            EXPECT_EQ(joined, writer.Build(grid));
        }
    }
}

} // namespace
} // namespace dorvik
