#pragma once
// dorvik-query --print: the print options window's choice made from the command line, its report written
// to a PDF file through the report engine, without a display.
#include "cli/options.h"
#include "core/forms/main_window/frm_main.h"

#include <iosfwd>

namespace dorvik::cli {

// The form holds the results of a search and writes its print data into its output folder. Makes
// options.printRow the current row, prints the chosen extent to options.pdfFile and closes the window, which
// deletes the data file. Returns an ExitStatus; errors of the print are thrown to the caller's error handler.
int PrintResults(TfrmMain& form, const QueryOptions& options, std::ostream& err);

} // namespace dorvik::cli
