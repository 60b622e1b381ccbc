#include "gui/chart/chart_hookup.h"

#include "core/errors.h"
#include "core/forms/main_window/frm_main.h"
#include "gui/chart/chart_window.h"
#include "gui/main_window/main_window_view.h"
#include "gui/platform/qt_platform_services.h"
#include "gui/platform/qt_text.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <QMenu>
#include <QTableView>

namespace dorvik::gui {

namespace {

// PNG files and the printed chart, through a print preview from which it goes to a printer or a PDF file.
class PreviewChartOutput final : public IChartOutput {
public:
    explicit PreviewChartOutput(QWidget* parent) : parent_(parent) {}

    void SavePng(const ChartFigure& figure, const std::filesystem::path& file) override {
        QString error;
        if (!report::SaveChart(figure, ToQString(file.string()), &error))
            throw DorvikError(FromQString(error));
    }

    void Print(const ChartFigure& figure, const ChartPage& page) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(ToQString(page.DocumentName));
        printer.setPageLayout(report::ChartPageLayout(page));
        QPrintPreviewDialog preview(&printer, parent_);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&figure](QPrinter* target) {
                             QPainter painter(target);
                             report::PaintChartPage(painter, *target, figure);
                         });
        preview.exec();
    }

private:
    QWidget* parent_;
};

} // namespace

void RegisterChartView(QtPlatformServices& services) {
    services.RegisterModalView<TfrmChart>([&services](TfrmChart& form, QWidget* parent) {
        PreviewChartOutput output(parent);
        ChartWindow window(form, services, output, parent);
        return window.Run();
    });
}

void ConnectChartOfLines(TfrmMain& form, MainWindowView& view) {
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
                         QAction* chart = menu.addAction(QStringLiteral("Chart Of Lines"));
                         chart->setEnabled(!form.Hits.empty());
                         if (menu.exec(grid->viewport()->mapToGlobal(at)) == chart)
                             view.Act([&form] { form.ChartOfLines1Click(); });
                     });
}

} // namespace dorvik::gui
