#include "cli/print_run.h"

#include "cli/query_run.h"
#include "core/errors.h"
#include "core/forms/printing/frm_print_options.h"
#include "report/print_reports.h"

#include <QGuiApplication>

#include <optional>
#include <ostream>

namespace dorvik::cli {

namespace {

int RadioItemOf(PrintExtent extent) {
    switch (extent) {
    case PrintExtent::Selection:
        return 0;
    case PrintExtent::Page:
        return 1;
    case PrintExtent::List:
        return 2;
    }
    return 0;
}

// The report engine paints with Qt's GUI module; the tool needs no display for it. Without a session's
// runtime folder, Qt gets one inside the run's private folder, which goes away with it.
class OffscreenApplication {
public:
    explicit OffscreenApplication(const std::filesystem::path& privateFolder) {
        if (QGuiApplication::instance() == nullptr) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
                qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((privateFolder / "runtime").string()));
            app_.emplace(argc_, argv_);
        }
    }

private:
    int argc_ = 1;
    char name_[13] = "dorvik-query";
    char* argv_[2] = {name_, nullptr};
    std::optional<QGuiApplication> app_;
};

} // namespace

int PrintResults(TfrmMain& form, const QueryOptions& options, std::ostream& err) {
    const int rows = form.grdSpecs.RowCount();
    if (options.printRow > rows) {
        err << "dorvik-query: --row " << options.printRow << ": the results have " << rows
            << (rows == 1 ? " line\n" : " lines\n");
        return kFailed;
    }
    // As the user's click on the row: the connector lists and part-number grids follow it.
    form.grdSpecs.UserClick(options.printRow);

    const OffscreenApplication application(form.Environment().OutputFolder);
    report::PdfReports reports(*options.pdfFile);
    TfrmPrintOptions window(form, reports);
    window.rgPrintOptions.SetItemIndex(RadioItemOf(*options.print));
    window.btnPrintClick();
    window.FormClose();
    // The page-count question was answered Yes; anything else that stopped the print has been reported.
    return reports.LastPageCount() > 0 ? kLinesListed : kFailed;
}

} // namespace dorvik::cli
