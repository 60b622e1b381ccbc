#include "cli/print_run.h"

#include "cli/offscreen_application.h"
#include "cli/query_run.h"
#include "core/errors.h"
#include "core/forms/printing/frm_print_options.h"
#include "report/print_reports.h"

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

} // namespace

int PrintResults(TfrmMain& form, const QueryOptions& options, std::ostream& err) {
    const int rows = form.grdSpecs.RowCount();
    if (options.printRow > rows) {
        err << "dorvik-query: --row " << options.printRow << ": the results have " << rows
            << (rows == 1 ? " line" : " lines") << ", and the row is past the end\n";
        return kFailed;
    }
    // As the user's click on the row: the connector lists and part-number grids follow it.
    form.grdSpecs.UserClick(static_cast<int>(options.printRow));

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
