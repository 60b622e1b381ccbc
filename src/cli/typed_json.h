#pragma once
// The typed part of dorvik-query's JSON document: the query as read and each line's figures as JSON numbers
// with their units in the names, null where the grid shows "N/A" or nothing. Described by the schema
// packaging/dorvik-query-output.schema.json.
#include "core/output/line_figures.h"

#include <string>

namespace dorvik::cli {

// Raised whenever a name, a type or the meaning of a value changes.
inline constexpr int kJsonFormatVersion = 2;

void AppendQueryJson(std::string& out, const QueryEcho& query);
// "longest_run_within_budget" only for a query by loss, as the grid's texts have it.
void AppendLineJson(std::string& out, const LineFigures& line, bool byLoss);

} // namespace dorvik::cli
