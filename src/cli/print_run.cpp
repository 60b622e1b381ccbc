#include "cli/print_run.h"

#include "cli/offscreen_application.h"
#include "cli/query_run.h"
#include "core/errors.h"
#include "core/forms/printing/frm_print_options.h"
#include "report/print_reports.h"

#include <optional>
#include <ostream>

namespace dorvik::cli {

int PrintResults(TfrmMain& form, const QueryOptions& options, std::ostream& err) {
    const auto rows = static_cast<long long>(form.Result().Lines.size());
    if (options.printRow > rows) {
        err << "dorvik-query: --row " << options.printRow << ": the results have " << rows
            << (rows == 1 ? " line" : " lines") << ", and the row is past the end\n";
        return kFailed;
    }
    const OffscreenApplication application(form.Environment().OutputFolder);
    report::PdfReports reports(*options.pdfFile);
    dorvik::PrintResults(form, *options.print, static_cast<int>(options.printRow), reports);
    // The page-count question was answered Yes; anything else that stopped the print has been reported.
    return reports.LastPageCount() > 0 ? kLinesListed : kFailed;
}

} // namespace dorvik::cli
