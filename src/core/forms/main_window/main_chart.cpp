// The chart of the lines found: built from the results page as it stands.
#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/chart/frm_chart.h"
#include "core/forms/main_window/frm_main.h"

namespace dorvik {

TChartOfLines TfrmMain::ChartOfLines() {
    ChartQuery query;
    query.Feet = rbFeet.Checked();
    query.DecimalSeparator = DecimalSeparator();
    // A part-number lookup has no query band: each line is charted over its own.
    if (!PartNumberMode()) {
        query.Band = FrequencyRange{ReadQueryNumber(cbxBeginningFrequency.Text()),
                                    ReadQueryNumber(cbxEndingFrequency.Text())};
        if (chkInsertionLoss.Checked())
            query.MaxLoss = ReadQueryNumber(edtMaxLoss.Text());
    }
    std::vector<const TTransmissionLine*> lines(Hits.begin(), Hits.end());
    return TChartOfLines(query, std::move(lines), grdSpecs.CurrentRow() - 1);
}

void TfrmMain::ChartOfLines1Click() {
    if (Hits.empty())
        return;
    TfrmChart chart(ChartOfLines(), services_, ChartSaveDialog, UserFilesFolder({}));
    services_.ShowModal(chart);
}

} // namespace dorvik
