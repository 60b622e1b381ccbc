#include "core/output/spreadsheet_text.h"

namespace dorvik {

std::string BuildSpreadsheetText(const TGrid& specs) {
    std::string text;
    for (int col = 1; col <= specs.ColCount(); ++col) {
        text += specs.Heading(col);
        text += '\t';
    }
    // The heading line carries one carriage return more than the data lines: spreadsheets read this layout.
    text += "\r\r\n";
    for (int row = 1; row <= specs.RowCount(); ++row) {
        for (int col = 1; col <= specs.ColCount(); ++col) {
            text += specs.Cell(col, row);
            text += '\t';
        }
        text += "\r\n";
    }
    return text;
}

} // namespace dorvik
