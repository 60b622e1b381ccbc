#include "cli/chart_run.h"

#include "cli/query_run.h"
#include "core/chart/chart_svg.h"
#include "core/text/collation.h"

namespace dorvik::cli {

int WriteChart(TfrmMain& form, const std::filesystem::path& file, const std::filesystem::path& privateFolder,
               std::ostream& err) {
    const ChartFigure figure = form.ChartOfLines().Figure();
    if (!SameTextIgnoreCase(file.extension().string(), ".svg"))
        return WritePaintedChart(figure, file, privateFolder, err);
    WriteChartSvg(figure, file);
    return kLinesListed;
}

} // namespace dorvik::cli
