#pragma once
// A QAbstractTableModel over a grid model; views redraw from it after every handler.
#include "core/forms/controls/grid.h"

#include <QAbstractTableModel>

class QTableView;

namespace dorvik::gui {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(const TGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Brings the Qt model up to the grid's state: a reset when rows or columns changed, else dataChanged.
    void Sync();

private:
    const TGrid& grid_;
    unsigned revision_ = 0;
    unsigned layoutRevision_ = 0;
    int rows_ = 0;
};

// Column widths, heights, hidden columns and the current row of the grid on the view.
void ConfigureGridView(QTableView& view, const TGrid& grid);
void SyncGridView(QTableView& view, const TGrid& grid);
// The heading row's height that shows every visible wrapped heading whole; at least the designed height.
int HeadingRowHeight(const QTableView& view, const TGrid& grid);

} // namespace dorvik::gui
