#pragma once
// The Excel workbook (.xlsx) of the lines found: a sheet "Lines" with a row a line (numeric cells with two
// decimals, the prices as currency cells, the headings frozen and filtered, the widths fitted to the
// contents) and a sheet "Query" with the query it was found by. Written with libxlsxwriter where the build
// has it; no type of that library appears here.
#include "core/output/line_figures.h"

#include <filesystem>

namespace dorvik {

// False when this build cannot write workbooks (then WriteWorkbook throws FileError).
bool WorkbooksAvailable();

// Replaces the file as a whole: a failure leaves no partial workbook under its name. Throws FileError with
// the reason. The workbook is built in a folder of its own in scratchParent (default: the system's temporary
// folder), so a caller that cleans a folder of its own on a signal can have it cleaned too.
void WriteWorkbook(const SearchResult& figures, const std::filesystem::path& path,
                   const std::filesystem::path& scratchParent = {});

} // namespace dorvik
