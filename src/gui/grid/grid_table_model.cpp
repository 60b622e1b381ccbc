#include "gui/grid/grid_table_model.h"

#include "gui/platform/qt_text.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPalette>
#include <QApplication>
#include <QTableView>

namespace dorvik::gui {

namespace {
QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}
} // namespace

GridTableModel::GridTableModel(const TGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), revision_(grid.Revision), layoutRevision_(grid.LayoutRevision),
      rows_(grid.RowCount()) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.column() >= grid_.ColCount())
        return {};
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(grid_.Cell(col, row));
    case Qt::ForegroundRole:
        return ToQColor(grid_.CellTextColor);
    case Qt::BackgroundRole: {
        const TColor color = grid_.RowColor(row);
        return color == kDefaultColor ? QVariant() : QVariant(ToQColor(color));
    }
    case Qt::TextAlignmentRole:
        return QVariant(static_cast<int>(Qt::AlignVCenter | Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_.ColCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return ToQString(grid_.Heading(section + 1));
    case Qt::FontRole: {
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::TextAlignmentRole:
        return QVariant(static_cast<int>(Qt::AlignCenter | Qt::TextWordWrap));
    default:
        return {};
    }
}

void GridTableModel::Sync() {
    if (grid_.LayoutRevision != layoutRevision_ || grid_.RowCount() != rows_) {
        beginResetModel();
        rows_ = grid_.RowCount();
        layoutRevision_ = grid_.LayoutRevision;
        revision_ = grid_.Revision;
        endResetModel();
        return;
    }
    if (grid_.Revision != revision_) {
        revision_ = grid_.Revision;
        if (rows_ > 0)
            emit dataChanged(index(0, 0), index(rows_ - 1, grid_.ColCount() - 1));
        emit headerDataChanged(Qt::Horizontal, 0, grid_.ColCount() - 1);
    }
}

void ConfigureGridView(QTableView& view, const TGrid& grid) {
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setWordWrap(false);
    view.verticalHeader()->setVisible(false);
    // Fixed row heights keep a view of 100,000 rows as fast as one of ten.
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight);
    view.horizontalHeader()->setFixedHeight(grid.HeadingHeight);
    view.horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    view.horizontalHeader()->setHighlightSections(false);
    for (int col = 1; col <= grid.ColCount(); ++col)
        view.setColumnWidth(col - 1, grid.Column(col).Width);
}

void SyncGridView(QTableView& view, const TGrid& grid) {
    for (int col = 1; col <= grid.ColCount(); ++col)
        view.setColumnHidden(col - 1, !grid.Column(col).Visible);
    QItemSelectionModel* selection = view.selectionModel();
    if (!selection || !view.model())
        return;
    // The current row is the selected one; when the grid colours it (yellow, aqua), the selection is drawn
    // in that colour with the grid's text colour, so the row looks as the grid paints it.
    const int current = grid.CurrentRow() - 1;
    const TColor rowColor = current >= 0 && current < grid.RowCount() ? grid.RowColor(current + 1) : kDefaultColor;
    QPalette palette = QApplication::palette(&view);
    if (rowColor != kDefaultColor) {
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Highlight, ToQColor(rowColor));
            palette.setColor(group, QPalette::HighlightedText, ToQColor(grid.CellTextColor));
        }
    }
    if (view.palette() != palette)
        view.setPalette(palette);
    if (current >= 0 && current < view.model()->rowCount()) {
        if (selection->currentIndex().row() != current) {
            const QSignalBlocker blocker(selection);
            const QModelIndex index = view.model()->index(current, 0);
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            view.viewport()->update();
        }
    }
}

} // namespace dorvik::gui
