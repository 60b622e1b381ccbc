#include "gui/printing/preview_reports.h"

#include "gui/printing/print_options_view.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace dorvik::gui {

void PreviewReports::Output(const report::ReportRenderer& renderer) {
    QPrinter printer(QPrinter::HighResolution);
    renderer.SetUpPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&renderer](QPrinter* target) { renderer.Paint(*target); });
    if (ShowPreview)
        ShowPreview(dialog);
    else
        dialog.exec();
}

void InstallPrintCommand(TfrmMain& form, QWidget& parent) {
    form.OnPrint = [&form, owner = QPointer<QWidget>(&parent)] {
        PreviewReports reports(owner);
        ShowPrintOptions(form, reports, [&owner](TfrmPrintOptions& window) {
            PrintOptionsView view(window, owner);
            view.exec();
        });
    };
}

} // namespace dorvik::gui
