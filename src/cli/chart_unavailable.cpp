// dorvik-query built without Qt: --chart is refused with a message.
#include "cli/chart_run.h"

#include "core/errors.h"

namespace dorvik::cli {

int WriteChart(TfrmMain&, const std::filesystem::path&, const std::filesystem::path&, std::ostream&) {
    throw DorvikError("This dorvik-query was built without the report engine: --chart is not available");
}

} // namespace dorvik::cli
