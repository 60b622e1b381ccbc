#include "gui/printing/preview_reports.h"

#include "gui/printing/print_options_view.h"

#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace dorvik::gui {

void PreviewReports::Output(const report::ReportRenderer& renderer) {
    QPrinter printer(QPrinter::HighResolution);
    renderer.SetUpPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    // Room for the whole tool bar and a readable page, within the screen.
    if (const QScreen* screen = parent_ ? parent_->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        dialog.resize(std::min(900, room.width() * 9 / 10), room.height() * 9 / 10);
    }
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
