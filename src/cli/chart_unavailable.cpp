// dorvik-query built without Qt: the chart is written as SVG only.
#include "cli/chart_run.h"

#include "core/errors.h"

namespace dorvik::cli {

int WritePaintedChart(const ChartFigure&, const std::filesystem::path& file, const std::filesystem::path&,
                      std::ostream&) {
    throw DorvikError("This dorvik-query was built without Qt: --chart writes .svg files only, not " +
                      file.string());
}

} // namespace dorvik::cli
