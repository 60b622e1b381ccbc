#pragma once
// dorvik-query --chart: the chart of the lines listed (the first ten) written as SVG or PNG, without a
// display.
#include "core/forms/main_window/frm_main.h"

#include <filesystem>
#include <iosfwd>

namespace dorvik::cli {

// The form holds the results of a search. Writes the chart to `file` (the type by its extension); the Qt
// application lives in `privateFolder` when one is needed. Returns an ExitStatus.
int WriteChart(TfrmMain& form, const std::filesystem::path& file, const std::filesystem::path& privateFolder,
               std::ostream& err);

} // namespace dorvik::cli
