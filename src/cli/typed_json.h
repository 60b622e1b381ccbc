#pragma once
// The typed part of dorvik-query's JSON document: the query as read and each line's figures as JSON numbers
// with their units in the names, null where the grid shows "N/A" or nothing; each
// number is the one the grid's text shows. Described by the schema
// packaging/dorvik-query-output.schema.json.
#include "core/output/line_figures.h"

#include <string>
#include <vector>

namespace dorvik::cli {

// Raised whenever a name, a type or the meaning of a value changes.
inline constexpr int kJsonFormatVersion = 4;

// An array of texts of the catalogue, on one line.
std::string JsonStrings(const std::vector<std::string>& texts);

void AppendQueryJson(std::string& out, const QueryEcho& query);
// Every member in every line: null where the grid shows "N/A" or the query asked for no such figure.
void AppendLineJson(std::string& out, const LineResult& line, const std::string& currency);

} // namespace dorvik::cli
