#pragma once
// The report engine as the print options window uses it. The desktop program shows the report in a preview
// from which it goes to a printer or a PDF file; the command-line tool writes the PDF file directly.
#include "core/forms/services.h"

#include <filesystem>

namespace dorvik {

enum class TReportKind {
    List,      // rptAll over tplAll: the list report, seven records a page
    DataSheet, // rptSelected over tplSelection: one record on one page
};

class IReportEngine {
public:
    virtual ~IReportEngine() = default;
    // Sets the report's pipeline to the data file and runs the print operation; returns when it is done (the
    // preview closed). printedAt is the printing time the report shows. Throws DorvikError on failure.
    virtual void Print(TReportKind report, const std::filesystem::path& dataFile,
                       const CalendarDateTime& printedAt) = 0;
    // The report's pipeline releases its data file; closing a closed pipeline does nothing.
    virtual void ClosePipeline(TReportKind report) noexcept = 0;
};

} // namespace dorvik
