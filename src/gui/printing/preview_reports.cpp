#include "gui/printing/preview_reports.h"

#include "gui/platform/qt_platform_services.h"
#include "gui/printing/print_options_view.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace dorvik::gui {

void PreviewReports::Output(const report::ReportRenderer& renderer) {
    QPrinter printer(QPrinter::HighResolution);
    renderer.SetUpPrinter(printer);
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeModalWidget();
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    // Room for the whole tool bar and a readable page, within the screen.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
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

void RegisterPrintingViews(QtPlatformServices& services) {
    services.SetReports(std::make_unique<PreviewReports>());
    services.RegisterModalView<TfrmPrintOptions>([](TfrmPrintOptions& window, QWidget* parent) {
        PrintOptionsView view(window, parent);
        view.exec();
        return TModalResult::Cancel;
    });
}

} // namespace dorvik::gui
