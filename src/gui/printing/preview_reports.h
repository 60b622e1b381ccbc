#pragma once
// The desktop program's report engine: each report opens in a modal print preview, from which it goes to a
// printer or a PDF file; the print command returns when the preview closes.
#include "core/forms/main_window/frm_main.h"
#include "report/print_reports.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QPrintPreviewDialog;

namespace dorvik::gui {

class PreviewReports final : public report::PrintReports {
public:
    explicit PreviewReports(QWidget* parent) : parent_(parent) {}

    // Runs the modal preview; tests replace it to look at the dialog without blocking.
    std::function<void(QPrintPreviewDialog&)> ShowPreview;

protected:
    void Output(const report::ReportRenderer& renderer) override;

private:
    QPointer<QWidget> parent_;
};

// The main window's print command: a new print options window over a new report engine, each time.
void InstallPrintCommand(TfrmMain& form, QWidget& parent);

} // namespace dorvik::gui
