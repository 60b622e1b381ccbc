#pragma once
// What the workbook's sheets hold, apart from how they are written: the columns of the lines sheet (the same
// columns whatever the query's length) and the rows of the query sheet.
#include "core/output/line_figures.h"

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace dorvik {

// Empty, a number or a text (UTF-8).
using WorkbookCell = std::variant<std::monostate, double, std::string>;

enum class CellStyle { Text, General, Fixed2, Price };

struct WorkbookColumn {
    std::string Heading;
    CellStyle Style = CellStyle::Text;
    std::function<WorkbookCell(const LineResult&)> Value;
};

struct QueryRow {
    std::string Name;
    WorkbookCell Value;
};

// The currency of the prices: the lines' own, US dollars when there are none.
std::string PriceCurrency(const SearchResult& result);
std::vector<WorkbookColumn> LineColumns(const SearchResult& result);
std::vector<QueryRow> QueryRows(const SearchResult& result);

// The width in characters the cell's text needs in its column's style.
std::size_t CellWidth(const WorkbookCell& cell, CellStyle style, const std::string& currency);

} // namespace dorvik
