#pragma once
// The chart window's model: the lines of the last search with the ones charted (at most ten), the quantity
// shown, the save dialog's proposal and the page the chart is printed on. Its view paints the figure and
// passes on what the user does.
#include "core/chart/chart_page.h"
#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/controls/form.h"
#include "core/forms/services.h"

#include <filesystem>
#include <string>

namespace dorvik {

// What only a window system does with a chart: paint it into an image file, print it.
class IChartOutput {
public:
    virtual ~IChartOutput() = default;
    // Writes the figure as a PNG image; throws DorvikError naming the file on failure.
    virtual void SavePng(const ChartFigure& figure, const std::filesystem::path& file) = 0;
    // Prints the figure on the page (through a preview); returns when done.
    virtual void Print(const ChartFigure& figure, const ChartPage& page) = 0;
};

class TfrmChart : public TForm {
public:
    // saveDialog is the main window's: it keeps the file chosen last between openings; before the first save
    // the dialog opens in defaultFolder.
    TfrmChart(TChartOfLines lines, IPlatformServices& services, TFileDialog& saveDialog,
              std::filesystem::path defaultFolder);

    const TChartOfLines& Lines() const { return lines_; }
    ChartQuantity Quantity() const { return lines_.Quantity; }
    const ChartFigure& Figure() const { return figure_; }
    // Counts the changes of the figure, so the view repaints only when it changed.
    int FigureRevision() const { return revision_; }
    const ChartPage& Page() const { return page_; }
    // Why the last change was refused; empty after one that was made.
    const std::string& Message() const { return message_; }

    // The user checks or unchecks a line: an eleventh line is refused with a message.
    void LineClickCheck(int index, bool checked);
    void SetQuantity(ChartQuantity quantity);
    void btnSaveClick(IChartOutput& output);
    void btnPrintClick(IChartOutput& output);
    void btnCloseClick() { ModalResult = TModalResult::Ok; }

private:
    void Redraw();

    TChartOfLines lines_;
    IPlatformServices& services_;
    TFileDialog& saveDialog_;
    std::filesystem::path defaultFolder_;
    ChartFigure figure_;
    int revision_ = 0;
    ChartPage page_;
    std::string message_;
};

} // namespace dorvik
