#pragma once
// dorvik-query --chart: the chart of the lines listed (the first ten) written as SVG, PNG or PDF, without a
// display. SVG needs nothing but the core; PNG and PDF are painted by the report library.
#include "core/chart/chart_figure.h"
#include "core/forms/main_window/frm_main.h"

#include <filesystem>
#include <iosfwd>

namespace dorvik::cli {

// The form holds the results of a search. Writes the chart to `file` (the type by its extension); the Qt
// application lives in `privateFolder` when one is needed. Returns an ExitStatus; throws DorvikError with the
// reason when the file cannot be written.
int WriteChart(TfrmMain& form, const std::filesystem::path& file, const std::filesystem::path& privateFolder,
               std::ostream& err);

// PNG (an image of the window's usual size) or PDF (the page the Print command prints); a build without Qt
// refuses both.
int WritePaintedChart(const ChartFigure& figure, const std::filesystem::path& file,
                      const std::filesystem::path& privateFolder, std::ostream& err);

} // namespace dorvik::cli
