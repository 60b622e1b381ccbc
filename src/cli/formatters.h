#pragma once
// The terminal table and the JSON document of dorvik-query (the tsv and html formats are the exports' own
// writers). Cell texts are the data files' bytes; both formats show them in UTF-8. Both are written as they
// are made, row by row.
#include "core/forms/controls/grid.h"
#include "core/output/line_figures.h"
#include "core/output/text_sink.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dorvik::cli {

struct PartNumberRow {
    std::string partNumber, description, price;
};

// One connector type fitting a line, with the rows of its part-number grid.
struct ConnectorParts {
    std::string name;
    std::vector<PartNumberRow> partNumbers;
};

// Columns aligned with two spaces between them, a rule under the headings; hidden columns are left out.
// Control characters show as '?'.
void WriteTextTable(const TGrid& specs, const TextSink& write);

// {"headings": [...], "rows": [[...], ...] (the cells as the spreadsheet export writes them),
// "connector_headings": [...], "connectors": [[...], ...]} where connectors[i] lists the connectors of
// rows[i]; a query by loss adds "longest_run_within_budget": {"unit": ..., "max_loss_db": ..., "rows":
// [...]}. Then the typed part: "format_version", "query" and "lines" (one object a row, from the figures).
// The connectors of grid row r (from 1), asked for once per row, in row order.
using RowConnectors = std::function<std::vector<ConnectorParts>(int row)>;

void WriteJson(const TextTable& specs, const std::vector<std::string>& connectorHeadings,
               const RowConnectors& connectorsOfRow, const SearchResult& result, const TextSink& write);

// A JSON string literal of the text, decoded to UTF-8 first.
std::string JsonString(std::string_view bytes);

} // namespace dorvik::cli
