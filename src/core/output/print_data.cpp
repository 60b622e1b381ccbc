#include "core/output/print_data.h"

namespace dorvik {

namespace {

constexpr const char* kRecordEnd = "\r\n";

void AppendField(std::string& record, const std::string& text) {
    record += text;
    record += '|';
}

// The cells of a row; empty fields, as many as the grid has columns, when there is no such row.
void AppendRow(std::string& record, const TGrid& grid, int row) {
    const bool exists = row >= 1 && row <= grid.RowCount();
    for (int col = 1; col <= grid.ColCount(); ++col)
        AppendField(record, exists ? grid.Cell(col, row) : std::string());
}

void AppendSelectedItem(std::string& record, const TListBox& list) {
    const int index = list.ItemIndex();
    const bool selected = index >= 0 && index < static_cast<int>(list.Items().size());
    AppendField(record, selected ? list.Items()[static_cast<std::size_t>(index)] : std::string());
}

} // namespace

std::string BuildListPrintData(const TGrid& specs, int firstRow, int lastRow) {
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

std::string BuildSelectedPrintData(const TGrid& specs, const TListBox& connectors1, const TGrid& partNumbers1,
                                   const TListBox& connectors2, const TGrid& partNumbers2) {
    std::string text;
    AppendRow(text, specs, specs.CurrentRow());
    AppendSelectedItem(text, connectors1);
    AppendRow(text, partNumbers1, partNumbers1.CurrentRow());
    AppendSelectedItem(text, connectors2);
    AppendRow(text, partNumbers2, partNumbers2.CurrentRow());
    text += kRecordEnd;
    return text;
}

} // namespace dorvik
