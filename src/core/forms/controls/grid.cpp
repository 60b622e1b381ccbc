#include "core/forms/controls/grid.h"

#include <stdexcept>

namespace dorvik {

TGrid::TGrid(std::string name, std::vector<TGridColumn> columns) : TControl(std::move(name)) {
    for (auto& column : columns) {
        table_.Columns.push_back({std::move(column.Heading), column.Visible});
        widths_.push_back(column.Width);
    }
}

void TGrid::SetRowCount(int rows) {
    if (rows < 0)
        rows = 0;
    table_.Rows.resize(static_cast<std::size_t>(rows), std::vector<std::string>(table_.Columns.size()));
    rowColors_.resize(static_cast<std::size_t>(rows), kDefaultColor);
    rowMarks_.assign(static_cast<std::size_t>(rows), false);
    if (rows == 0)
        table_.CurrentRow = 0;
    else if (table_.CurrentRow == 0 || table_.CurrentRow > rows)
        table_.CurrentRow = 1;
    ++LayoutRevision;
    Touch();
}

TGridColumn TGrid::Column(int col) const {
    const TextColumn& column = table_.Columns.at(static_cast<std::size_t>(col - 1));
    return {column.Heading, widths_[static_cast<std::size_t>(col - 1)], column.Visible};
}

const std::string& TGrid::Cell(int col, int row) const {
    if (col < 1 || col > ColCount() || row < 1 || row > RowCount())
        throw std::out_of_range("Grid index out of range: " + Name + " column " + std::to_string(col) +
                                ", row " + std::to_string(row));
    return table_.Cell(col, row);
}

void TGrid::SetCell(int col, int row, std::string text) {
    if (col < 1 || col > ColCount() || row < 1 || row > RowCount())
        throw std::out_of_range("Grid index out of range: " + Name + " column " + std::to_string(col) +
                                ", row " + std::to_string(row));
    table_.Rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] = std::move(text);
    Touch();
}

void TGrid::SetRowMarked(int row, bool marked) {
    if (row < 1 || row > RowCount() || rowMarks_[static_cast<std::size_t>(row - 1)] == marked)
        return;
    rowMarks_[static_cast<std::size_t>(row - 1)] = marked;
    Touch();
}

void TGrid::ClearCells() {
    for (auto& row : table_.Rows)
        for (auto& cell : row)
            cell.clear();
    ++LayoutRevision;
    Touch();
}

void TGrid::SetHeading(int col, std::string heading) {
    auto& column = table_.Columns.at(static_cast<std::size_t>(col - 1));
    if (column.Heading != heading) {
        column.Heading = std::move(heading);
        Touch();
    }
}

void TGrid::SetColumnVisible(int col, bool visible) {
    auto& column = table_.Columns.at(static_cast<std::size_t>(col - 1));
    if (column.Visible != visible) {
        column.Visible = visible;
        ++LayoutRevision;
        Touch();
    }
}

void TGrid::SetCurrentRow(int row) {
    if (row < 1 || row > RowCount() || row == table_.CurrentRow)
        return;
    table_.CurrentRow = row;
    Touch();
    if (OnRowChanged)
        OnRowChanged();
}

void TGrid::UserClick(int row) {
    SetCurrentRow(row);
    if (OnClick)
        OnClick();
}

void TGrid::SetRowColor(int row, TColor color) {
    rowColors_.at(static_cast<std::size_t>(row - 1)) = color;
    Touch();
}

void TGrid::ResetRowColors() {
    for (auto& color : rowColors_)
        color = kDefaultColor;
    Touch();
}

} // namespace dorvik
