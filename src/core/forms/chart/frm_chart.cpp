#include "core/forms/chart/frm_chart.h"

#include "core/chart/chart_svg.h"
#include "core/errors.h"
#include "core/text/collation.h"

namespace dorvik {

TfrmChart::TfrmChart(TChartOfLines lines, IPlatformServices& services, TFileDialog& saveDialog,
                     std::filesystem::path defaultFolder)
    : TForm("frmChart", "Chart Of Lines"), lines_(std::move(lines)), services_(services),
      saveDialog_(saveDialog), defaultFolder_(std::move(defaultFolder)) {
    Redraw();
}

void TfrmChart::Redraw() {
    figure_ = lines_.Figure();
    ++revision_;
}

void TfrmChart::LineClickCheck(int index, bool checked) {
    if (lines_.Chosen(index) == checked)
        return;
    if (!lines_.SetChosen(index, checked)) {
        message_ = "At most " + std::to_string(TChartOfLines::kMaxChosen) + " lines are charted at once.";
        return;
    }
    message_.clear();
    Redraw();
}

void TfrmChart::SetQuantity(ChartQuantity quantity) {
    message_.clear();
    if (quantity == lines_.Quantity)
        return;
    lines_.Quantity = quantity;
    Redraw();
}

void TfrmChart::btnSaveClick(IChartOutput& output) {
    TFileDialog& dialog = saveDialog_;
    dialog.kind = TFileDialog::Kind::Save;
    dialog.Name = "ChartSave";
    dialog.Title = "Save The Chart";
    dialog.Filter = "PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg";
    dialog.DefaultExt = "png";
    dialog.OverwritePrompt = true;
    // The folder and name used last; the first time, chart.png in the program's output folder.
    const std::filesystem::path last(dialog.FileName);
    if (last.has_parent_path())
        dialog.InitialDir = last.parent_path().string();
    else if (dialog.InitialDir.empty())
        dialog.InitialDir = defaultFolder_.string();
    dialog.FileName = last.has_filename() ? last.filename().string() : "chart.png";
    if (!services_.ExecuteFileDialog(dialog))
        return;
    const std::filesystem::path file(dialog.FileName);
    const std::string extension = file.extension().string();
    if (SameTextIgnoreCase(extension, ".svg"))
        WriteChartSvg(figure_, file);
    else if (SameTextIgnoreCase(extension, ".png"))
        output.SavePng(figure_, file);
    else
        throw DorvikError("Cannot write " + file.string() + ": the chart is saved as .svg or .png");
}

void TfrmChart::btnPrintClick(IChartOutput& output) {
    output.Print(figure_, page_);
}

} // namespace dorvik
