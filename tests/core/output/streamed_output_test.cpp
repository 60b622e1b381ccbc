// The exports written piece by piece are the same bytes as built whole, and come in one piece per line.
#include "core/output/html_page.h"
#include "core/output/spreadsheet_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dorvik {
namespace {

void Fill(TextTable& grid, int rows) {
    for (int row = 1; row <= rows; ++row)
        grid.Rows.push_back({"P" + std::to_string(row), "<cable> & \xB0", "USD 1.00"});
}

TEST(StreamedOutput, OnePiecePerLineAndTheSameBytesAsWhole) {
    struct Writer {
        std::string Name;
        std::size_t PiecesBesideRows;
        std::function<void(const TextTable&, const TextSink&)> Write;
        std::function<std::string(const TextTable&)> Build;
    };
    const std::vector<Writer> writers{
        {"spreadsheet", 1, WriteSpreadsheetText, BuildSpreadsheetText},
        {"html", 9, [](const TextTable& g, const TextSink& w) { WriteHtmlPage(g, 3, w); },
         [](const TextTable& g) { return BuildHtmlPage(g, 3); }},
    };
    for (const auto& writer : writers) {
        for (const int rows : {0, 1, 250}) {
            SCOPED_TRACE(writer.Name + " " + std::to_string(rows));
            TextTable grid{{{"Part Number"}, {"Description"}, {"Price"}}, {}, 0};
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
