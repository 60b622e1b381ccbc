#include "core/output/spreadsheet_text.h"

namespace dorvik {

namespace {

// A TAB, a line break or another control character in a cell would end the cell or the row: a space instead.
void AppendCell(std::string& line, std::string_view cell) {
    for (const char c : cell)
        line += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
}

} // namespace

void WriteSpreadsheetText(const TextTable& specs, const TextSink& write) {
    std::string line;
    for (int col = 1; col <= specs.ColCount(); ++col) {
        AppendCell(line, specs.Heading(col));
        line += '\t';
    }
    // The heading line carries one carriage return more than the data lines: spreadsheets read this layout.
    line += "\r\r\n";
    write(line);
    for (int row = 1; row <= specs.RowCount(); ++row) {
        line.clear();
        for (int col = 1; col <= specs.ColCount(); ++col) {
            AppendCell(line, specs.Cell(col, row));
            line += '\t';
        }
        line += "\r\n";
        write(line);
    }
}

std::string BuildSpreadsheetText(const TextTable& specs) {
    return CollectText([&specs](const TextSink& write) { WriteSpreadsheetText(specs, write); });
}

} // namespace dorvik
