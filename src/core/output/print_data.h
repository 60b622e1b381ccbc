#pragma once
// The print data files the report engine reads: one record a line, every field the cell's text followed by
// "|" (the last one too), CR LF line ends, the cells' bytes as stored. No heading, no quoting.
#include "core/output/text_table.h"

#include <string>

namespace dorvik {

inline constexpr const char* kListDataFile = "list.dvk";         // the list report's records
inline constexpr const char* kSelectedDataFile = "selected.dvk"; // the data sheet's one record

inline constexpr int kListFieldCount = 14;
inline constexpr int kSelectedFieldCount = 23;

// Rows first to last (from 1, both included, cut to the rows that exist) of the transmission-line grid, its
// 14 columns each.
std::string BuildListPrintData(const TextTable& specs, int firstRow, int lastRow);

// One record of 23 fields: the 14 cells of the grid's current row, then for each connector end the selected
// connector's name (empty when none is selected) and the 3 cells of its part-number grid's current row, then
// the line's cost of run. What has no selection or no current row is written as empty fields, so the record
// keeps its 23 fields; the cost comes last, so that the first 22 stay where readers of the record find them.
std::string BuildSelectedPrintData(const TextTable& specs, const std::string& connector1,
                                   const TextTable& partNumbers1, const std::string& connector2,
                                   const TextTable& partNumbers2, const std::string& costOfRun);

} // namespace dorvik
