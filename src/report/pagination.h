#pragma once
// The first pass: which band goes where on which page, so the page count is known before painting.
#include "report/report_definition.h"

#include <vector>

namespace dorvik::report {

struct PlacedBand {
    const Band* band = nullptr;
    double top = 0;  // points from the top of the printable area
    int record = -1; // the detail band's record; -1 for the others
};

struct LaidOutPage {
    std::vector<PlacedBand> bands;
};

// The title band on page 1 first, then the page header; detail bands while they fit above the page footer
// (at the bottom of the printable area) and the page holds fewer than maxRecordsPerPage. A detail band taller
// than an empty page still gets a page of its own. Without records there is one page.
std::vector<LaidOutPage> Paginate(const ReportDefinition& report, int recordCount, double printableHeight);

} // namespace dorvik::report
