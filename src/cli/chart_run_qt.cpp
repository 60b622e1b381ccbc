#include "cli/chart_run.h"

#include "cli/offscreen_application.h"
#include "cli/query_run.h"
#include "core/errors.h"
#include "core/text/collation.h"
#include "report/chart/chart_painter.h"

namespace dorvik::cli {

int WritePaintedChart(const ChartFigure& figure, const std::filesystem::path& file,
                      const std::filesystem::path& privateFolder, std::ostream&) {
    const OffscreenApplication application(privateFolder);
    if (SameTextIgnoreCase(file.extension().string(), ".pdf")) {
        report::WriteChartPdf(figure, ChartPage{}, file);
        return kLinesListed;
    }
    QString error;
    if (!report::SaveChart(figure, QString::fromStdString(file.string()), &error))
        throw DorvikError(error.toStdString());
    return kLinesListed;
}

} // namespace dorvik::cli
