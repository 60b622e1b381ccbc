#include "cli/chart_run.h"

#include "cli/offscreen_application.h"
#include "cli/query_run.h"
#include "report/chart/chart_painter.h"

#include <ostream>

namespace dorvik::cli {

int WriteChart(TfrmMain& form, const std::filesystem::path& file, const std::filesystem::path& privateFolder,
               std::ostream& err) {
    const OffscreenApplication application(privateFolder);
    QString error;
    if (!report::SaveChart(form.ChartOfLines().Figure(), QString::fromStdString(file.string()), &error)) {
        err << "dorvik-query: " << error.toStdString() << '\n';
        return kFailed;
    }
    return kLinesListed;
}

} // namespace dorvik::cli
