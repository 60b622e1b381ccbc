#include "report/pagination.h"

namespace dorvik::report {

std::vector<LaidOutPage> Paginate(const ReportDefinition& report, int recordCount, double printableHeight) {
    const double footerHeight = report.pageFooter ? report.pageFooter->height : 0;
    const double detailBottom = printableHeight - footerHeight;
    std::vector<LaidOutPage> pages;
    double y = 0;
    int onPage = 0;
    const auto startPage = [&] {
        if (!pages.empty() && report.pageFooter)
            pages.back().bands.push_back({&*report.pageFooter, detailBottom, -1});
        pages.emplace_back();
        y = 0;
        onPage = 0;
        if (pages.size() == 1 && report.title) {
            pages.back().bands.push_back({&*report.title, y, -1});
            y += report.title->height;
        }
        if (report.pageHeader) {
            pages.back().bands.push_back({&*report.pageHeader, y, -1});
            y += report.pageHeader->height;
        }
    };
    startPage();
    for (int record = 0; record < recordCount; ++record) {
        const bool full = report.maxRecordsPerPage > 0 && onPage >= report.maxRecordsPerPage;
        if (onPage > 0 && (full || y + report.detail.height > detailBottom))
            startPage();
        pages.back().bands.push_back({&report.detail, y, record});
        y += report.detail.height;
        ++onPage;
    }
    if (report.pageFooter)
        pages.back().bands.push_back({&*report.pageFooter, detailBottom, -1});
    return pages;
}

} // namespace dorvik::report
