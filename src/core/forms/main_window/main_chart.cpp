// The chart of the lines found: built from the results page as it stands.
#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/chart/frm_chart.h"
#include "core/forms/main_window/frm_main.h"

namespace dorvik {

TChartOfLines TfrmMain::ChartOfLines() {
    const SearchCriteria& q = result_.Query;
    ChartQuery query;
    query.Unit = q.Length.Unit;
    query.DecimalSeparator = DecimalSeparator();
    // A part-number lookup has no query band: each line is charted over its own.
    if (!q.PartNumber) {
        query.Band = q.Band;
        if (q.ByLoss)
            query.MaxLoss = q.MaxLoss;
    }
    std::vector<const TTransmissionLine*> lines;
    lines.reserve(result_.Lines.size());
    for (const LineResult& line : result_.Lines) {
        lines.push_back(line.Line);
        if (result_.CostComputed)
            query.CostsOfRun.push_back(CostOfRunText(static_cast<int>(lines.size())));
    }
    return TChartOfLines(query, std::move(lines), grdSpecs.CurrentRow() - 1);
}

void TfrmMain::ChartOfLines1Click() {
    if (Hits.empty())
        return;
    TfrmChart chart(ChartOfLines(), services_, ChartSaveDialog, UserFilesFolder({}));
    services_.ShowModal(chart);
}

} // namespace dorvik
