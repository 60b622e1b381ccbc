#include "gui/grid/grid_table_model.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QImage>
#include <QStyledItemDelegate>
#include <QTableView>

#include <gtest/gtest.h>

namespace dorvik::gui {
namespace {

TEST(GridTableModel, FollowsTheGridUnderTheModelTester) {
    TGrid grid("grdTest", {{"Part Number", 80}, {"Description", 200}, {"Price", 60}});
    GridTableModel model(grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 3);
    grid.SetRowCount(3);
    grid.SetCell(1, 2, "VF4-50");
    grid.SetCell(2, 2, std::string("caf\xE9")); // 8-bit text from the data files
    model.Sync();
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(1, 0), Qt::DisplayRole).toString(), QStringLiteral("VF4-50"));
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QString::fromUtf8("caf\xC3\xA9"));
    grid.SetRowColor(2, clYellow);
    grid.SetHeading(3, "Price (EUR)");
    model.Sync();
    EXPECT_EQ(model.data(model.index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::BackgroundRole).isValid());
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Price (EUR)"));
    grid.SetRowCount(0);
    model.Sync();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(GridTableModel, ViewTakesWidthsHiddenColumnsAndCurrentRow) {
    TGrid grid("grdTest", {{"A", 77}, {"B", 104}});
    grid.DefaultRowHeight = 27;
    grid.SetRowCount(100000);
    GridTableModel model(grid);
    QTableView view;
    view.setModel(&model);
    ConfigureGridView(view, grid);
    grid.SetColumnVisible(2, false);
    grid.SetCurrentRow(5000);
    model.Sync();
    SyncGridView(view, grid);
    EXPECT_EQ(view.columnWidth(0), 77);
    EXPECT_TRUE(view.isColumnHidden(1));
    EXPECT_EQ(view.rowHeight(0), 27);
    EXPECT_EQ(view.currentIndex().row(), 4999);
}

// A grid with the focus shows it on its current cell, with or without a key pressed before.
TEST(GridTableModel, FocusedGridShowsAFocusFrame) {
    TGrid grid("grdTest", {{"A", 77}, {"B", 104}});
    grid.SetRowCount(3);
    grid.SetCurrentRow(2);
    GridTableModel model(grid);
    QTableView view;
    view.setModel(&model);
    ConfigureGridView(view, grid);
    model.Sync();
    SyncGridView(view, grid);
    view.resize(300, 200);
    view.show();
    view.activateWindow();
    view.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(view.hasFocus());
    const QImage framed = view.grab().toImage();
    QStyledItemDelegate plain;
    view.setItemDelegate(&plain);
    EXPECT_NE(view.grab().toImage(), framed) << "the style's own painting shows no focus";
}

} // namespace
} // namespace dorvik::gui
