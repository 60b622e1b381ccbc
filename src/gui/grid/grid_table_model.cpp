#include "gui/grid/grid_table_model.h"

#include "gui/platform/qt_text.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

#include <algorithm>

namespace dorvik::gui {

namespace {
QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// The current cell of a focused grid shows the style's focus frame even before the keyboard has been used:
// the grid takes the focus when the results page opens, and nothing else would show it has it.
class FocusFrameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(option);
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.backgroundColor = option.palette.color(QPalette::Highlight);
        // Drawn in the row's text colour: the style's own, a shade of the highlight, is lost on yellow.
        frame.palette.setColor(QPalette::Highlight, option.palette.color(QPalette::HighlightedText));
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, widget);
    }

    // A cell cut by its column shows its whole text in the tooltip; a cell that fits shows none.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (!text.isEmpty() && sizeHint(option, index).width() > view->visualRect(index).width()) {
            QToolTip::showText(event->globalPos(), text, view->viewport(), view->visualRect(index));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
};
} // namespace

GridTableModel::GridTableModel(const TGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), revision_(grid.Revision),
      layoutRevision_(grid.LayoutRevision), rows_(grid.RowCount()) {}

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
    case Qt::FontRole:
        if (grid_.RowMarked(row)) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case Qt::ToolTipRole:
        return grid_.RowMarked(row) ? QVariant(QObject::tr("A line of your own catalogue")) : QVariant();
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
    view.setItemDelegate(new FocusFrameDelegate(&view));
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setWordWrap(false);
    view.verticalHeader()->setVisible(false);
    // Fixed row heights keep a view of 100,000 rows as fast as one of ten.
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(grid.DefaultRowHeight);
    view.horizontalHeader()->setFixedHeight(grid.HeadingHeight);
    QFont headingFont = view.font();
    headingFont.setBold(true);
    view.horizontalHeader()->setFont(headingFont);
    view.horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    view.horizontalHeader()->setHighlightSections(false);
    // The user may widen a column (prices in currencies of large units), or fit it to its content by a
    // double click on its edge, which the table view does for an interactive header.
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view.horizontalHeader()->setStretchLastSection(false);
    for (int col = 1; col <= grid.ColCount(); ++col)
        view.setColumnWidth(col - 1, grid.Column(col).Width);
}

int HeadingRowHeight(const QTableView& view, const TGrid& grid) {
    const QHeaderView& header = *view.horizontalHeader();
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    const QFontMetrics metrics(header.font());
    int height = grid.HeadingHeight;
    for (int col = 1; col <= grid.ColCount(); ++col) {
        if (!grid.Column(col).Visible)
            continue;
        const int width = std::max(1, view.columnWidth(col - 1) - 2 * margin);
        const QRect text = metrics.boundingRect(
            QRect(0, 0, width, 10'000), Qt::AlignCenter | Qt::TextWordWrap, ToQString(grid.Heading(col)));
        height = std::max(height, text.height() + 2 * margin + 2);
    }
    return height;
}

void SyncGridView(QTableView& view, const TGrid& grid) {
    for (int col = 1; col <= grid.ColCount(); ++col)
        view.setColumnHidden(col - 1, !grid.Column(col).Visible);
    QHeaderView& header = *view.horizontalHeader();
    header.setSortIndicatorShown(grid.SortColumn() > 0);
    if (grid.SortColumn() > 0)
        header.setSortIndicator(grid.SortColumn() - 1,
                                grid.SortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    // The designed heading height, or more where a wrapped heading needs it (a font's metrics differ).
    if (const int height = HeadingRowHeight(view, grid); view.horizontalHeader()->height() != height)
        view.horizontalHeader()->setFixedHeight(height);
    QItemSelectionModel* selection = view.selectionModel();
    if (!selection || !view.model())
        return;
    // The current row is the selected one; when the grid colours it (yellow, aqua), the selection is drawn
    // in that colour with the grid's text colour, so the row looks as the grid paints it.
    const int current = grid.CurrentRow() - 1;
    const TColor rowColor =
        current >= 0 && current < grid.RowCount() ? grid.RowColor(current + 1) : kDefaultColor;
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
            selection->setCurrentIndex(index,
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            view.viewport()->update();
        }
    }
}

} // namespace dorvik::gui
