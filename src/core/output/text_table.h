#pragma once
// What an output reads of a grid: headings, which columns show, the cell texts and the current row. The
// window models' grids keep their cells in one, so the outputs never see a control.
#include <string>
#include <vector>

namespace dorvik {

struct TextColumn {
    std::string Heading;
    bool Visible = true;
};

struct TextTable {
    std::vector<TextColumn> Columns;
    std::vector<std::vector<std::string>> Rows; // each with one cell per column
    int CurrentRow = 0;                         // from 1; 0 when there is none

    int ColCount() const { return static_cast<int>(Columns.size()); }
    int RowCount() const { return static_cast<int>(Rows.size()); }
    // Columns and rows count from 1; std::out_of_range outside the table.
    const std::string& Heading(int col) const {
        return Columns.at(static_cast<std::size_t>(col - 1)).Heading;
    }
    const std::string& Cell(int col, int row) const {
        return Rows.at(static_cast<std::size_t>(row - 1)).at(static_cast<std::size_t>(col - 1));
    }
    bool HasCurrentRow() const { return CurrentRow >= 1 && CurrentRow <= RowCount(); }
};

// The table's first count columns.
inline TextTable FirstColumns(const TextTable& table, int count) {
    TextTable first{{table.Columns.begin(), table.Columns.begin() + count}, {}, table.CurrentRow};
    first.Rows.reserve(table.Rows.size());
    for (const auto& row : table.Rows)
        first.Rows.emplace_back(row.begin(), row.begin() + count);
    return first;
}

} // namespace dorvik
