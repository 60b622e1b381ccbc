#pragma once
// The clipboard text of the selected transmission line and its two connectors: for each grid a title, then
// one line per column with the heading and ":" padded to 31 characters and the cell of the grid's current
// row.
#include "core/output/text_table.h"

#include <string>
#include <string_view>

namespace dorvik {

enum class CellBytes {
    AsStored, // the data files' 8-bit bytes, unchanged
    Utf8,     // every heading and cell decoded for display (DecodeForDisplay)
};

// Every line, the last included, ends with lineEnd. A grid without a current row (a connector without part
// numbers, a part-number grid not filled yet) still gives its title and one line per column: the padded
// labels with empty values, so the layout keeps its line count and the line's own data can still be copied.
std::string BuildClipboardText(const TextTable& specs, const TextTable& connectors1,
                               const TextTable& connectors2, std::string_view lineEnd,
                               CellBytes cells = CellBytes::AsStored);

// The label of a column: heading and ":", followed by spaces up to 31 characters while it is 30 or shorter.
std::string ClipboardLabel(std::string_view heading);

} // namespace dorvik
