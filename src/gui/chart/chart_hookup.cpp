#include "gui/chart/chart_hookup.h"

#include "core/forms/main_window/frm_main.h"
#include "gui/chart/chart_window.h"
#include "gui/main_window/main_window_view.h"

#include <QMenu>
#include <QTableView>

namespace dorvik::gui {

void ConnectChartOfLines(TfrmMain& form, MainWindowView& view) {
    form.OnShowChart = [&form, &view] {
        // Created anew for each opening, like the program's other secondary windows.
        ChartWindow window(form.ChartOfLines(), form.Services(), form.Environment().OutputFolder, &view);
        window.exec();
    };
    auto* grid = qobject_cast<QTableView*>(view.WidgetOf(form.grdSpecs));
    if (!grid)
        return;
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, grid,
                     [&form, &view, grid](const QPoint& at) {
                         const QModelIndex index = grid->indexAt(at);
                         if (index.isValid())
                             view.Act([&form, row = index.row() + 1] { form.grdSpecs.SetCurrentRow(row); });
                         QMenu menu(grid);
                         QAction* chart = menu.addAction("Chart Of Lines");
                         chart->setEnabled(!form.Hits.empty());
                         if (menu.exec(grid->viewport()->mapToGlobal(at)) == chart)
                             view.Act([&form] { form.ChartOfLines1Click(); });
                     });
}

} // namespace dorvik::gui
