#pragma once
// The data grid model: design-time columns, cells by column and row (both from 1), per-column headings and
// visibility, the current data row, per-row colours. Row 0 is the heading row.
#include "core/forms/controls/control.h"
#include "core/output/text_table.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dorvik {

// 0x00BBGGRR as the platform's colour values; kDefaultColor means the grid's own.
using TColor = std::uint32_t;
inline constexpr TColor kDefaultColor = 0xFF000000u;
inline constexpr TColor clYellow = 0x0000FFFFu;
inline constexpr TColor clAqua = 0x00FFFF00u;
inline constexpr TColor clNavy = 0x00800000u;
inline constexpr TColor clBlack = 0x00000000u;

struct TGridColumn {
    std::string Heading;
    int Width = 64;
    bool Visible = true;
};

class TGrid : public TControl {
public:
    TGrid(std::string name, std::vector<TGridColumn> columns);

    TNotifyEvent OnClick;
    TNotifyEvent OnRowChanged;
    // A click on the heading of a column (from 1); none: the headings are not buttons.
    std::function<void(int col)> OnHeadingClick;
    // The column the rows are sorted by (0: none) and its direction, for the heading's mark.
    int SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return sortDescending_; }
    void SetSortMark(int col, bool descending) {
        sortColumn_ = col;
        sortDescending_ = descending;
        Touch();
    }
    TColor CellTextColor = clBlack;
    int DefaultRowHeight = 24;
    int HeadingHeight = 24;

    int ColCount() const { return table_.ColCount(); }
    int RowCount() const { return table_.RowCount(); }
    // Keeps the cells of rows that stay; new rows are empty. The current row follows: the first row when
    // rows appear, 0 when none is left.
    void SetRowCount(int rows);

    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    void ClearCells();

    TGridColumn Column(int col) const;
    const std::string& Heading(int col) const { return table_.Heading(col); }
    void SetHeading(int col, std::string heading);
    void SetColumnVisible(int col, bool visible);

    int CurrentRow() const { return table_.CurrentRow; }
    // The user's or program's move to another row; runs OnRowChanged when the row changes.
    void SetCurrentRow(int row);
    void UserClick(int row);
    // Asks the view to scroll the current row into view.
    void ScrollCurrentRowIntoView() {
        ++ScrollRevision;
        Touch();
    }
    unsigned ScrollRevision = 0;

    TColor RowColor(int row) const { return rowColors_.at(static_cast<std::size_t>(row - 1)); }
    void SetRowColor(int row, TColor color);
    void ResetRowColors();
    // A row marked for the eye only (a line of the user's own catalogue): no output reads it.
    bool RowMarked(int row) const {
        return row >= 1 && row <= RowCount() && rowMarks_[static_cast<std::size_t>(row - 1)];
    }
    void SetRowMarked(int row, bool marked);

    // Headings, visibility, cells and current row as the outputs read them.
    const TextTable& Table() const { return table_; }

    // Bumped when rows or cells are replaced wholesale, so views reset rather than diff.
    unsigned LayoutRevision = 0;

private:
    TextTable table_;
    std::vector<int> widths_;
    std::vector<TColor> rowColors_;
    std::vector<bool> rowMarks_;
    int sortColumn_ = 0;
    bool sortDescending_ = false;
};

} // namespace dorvik
