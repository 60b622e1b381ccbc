#pragma once
// The spreadsheet export: the transmission-line grid as tab-separated lines, headings first. The bytes of the
// cells are written as stored (the system code page). Every field, the last one too, is followed by a tab;
// the heading line ends with CR, CR, LF, the data lines with CR, LF.
#include "core/output/text_sink.h"
#include "core/output/text_table.h"

#include <string>

namespace dorvik {

// One line at a time.
void WriteSpreadsheetText(const TextTable& specs, const TextSink& write);
std::string BuildSpreadsheetText(const TextTable& specs);

} // namespace dorvik
