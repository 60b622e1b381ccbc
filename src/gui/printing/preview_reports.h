#pragma once
// The desktop program's report engine: each report opens in a modal print preview, from which it goes to a
// printer or a PDF file; the print command returns when the preview closes.
#include "report/print_reports.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QPrintPreviewDialog;

namespace dorvik::gui {

class QtPlatformServices;

class PreviewReports final : public report::PrintReports {
public:
    // Without a parent, the preview belongs to the modal window on top (the print options window).
    explicit PreviewReports(QWidget* parent = nullptr) : parent_(parent) {}

    // Runs the modal preview; tests replace it to look at the dialog without blocking.
    std::function<void(QPrintPreviewDialog&)> ShowPreview;

protected:
    void Output(const report::ReportRenderer& renderer) override;

private:
    QPointer<QWidget> parent_;
};

// The print options window's view, and the preview as the services' report engine.
void RegisterPrintingViews(QtPlatformServices& services);

} // namespace dorvik::gui
