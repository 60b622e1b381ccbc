#include "core/output/print_data.h"

namespace dorvik {

namespace {

constexpr const char* kRecordEnd = "\r\n";

void AppendField(std::string& record, const std::string& text) {
    record += text;
    record += '|';
}

// The cells of a row; empty fields, as many as the grid has columns, when there is no such row.
void AppendRow(std::string& record, const TextTable& grid, int row) {
    const bool exists = row >= 1 && row <= grid.RowCount();
    for (int col = 1; col <= grid.ColCount(); ++col)
        AppendField(record, exists ? grid.Cell(col, row) : std::string());
}

} // namespace

std::string BuildListPrintData(const TextTable& specs, int firstRow, int lastRow) {
    std::string text;
    // Only rows that exist: no record is made up.
    if (firstRow < 1)
        firstRow = 1;
    if (lastRow > specs.RowCount())
        lastRow = specs.RowCount();
    for (int row = firstRow; row <= lastRow; ++row) {
        AppendRow(text, specs, row);
        text += kRecordEnd;
    }
    return text;
}

std::string BuildSelectedPrintData(const TextTable& specs, const std::string& connector1,
                                   const TextTable& partNumbers1, const std::string& connector2,
                                   const TextTable& partNumbers2, const std::string& costOfRun) {
    std::string text;
    AppendRow(text, specs, specs.CurrentRow);
    AppendField(text, connector1);
    AppendRow(text, partNumbers1, partNumbers1.CurrentRow);
    AppendField(text, connector2);
    AppendRow(text, partNumbers2, partNumbers2.CurrentRow);
    AppendField(text, costOfRun);
    text += kRecordEnd;
    return text;
}

} // namespace dorvik
