#include "core/forms/printing/frm_print_options.h"

#include "core/errors.h"
#include "core/forms/main_window/frm_main.h"
#include "core/output/print_data.h"
#include "core/text/text_file.h"

#include <string>
#include <system_error>

namespace dorvik {

int EstimatedListPages(int records) {
    if (records <= 0)
        return 0;
    return (records + kRecordsPerListPage - 1) / kRecordsPerListPage;
}

TRowWindow CurrentPageRows(int rowCount, int currentRow) {
    if (rowCount <= kCurrentPageRows)
        return {1, rowCount};
    int first = currentRow < 1 ? 1 : currentRow;
    if (first + kCurrentPageRows - 1 > rowCount)
        first = rowCount - kCurrentPageRows + 1;
    return {first, first + kCurrentPageRows - 1};
}

namespace {
// The selected connector's name; empty when none is selected.
std::string SelectedItem(const TListBox& list) {
    const int index = list.ItemIndex();
    const bool selected = index >= 0 && index < static_cast<int>(list.Items().size());
    return selected ? list.Items()[static_cast<std::size_t>(index)] : std::string();
}
} // namespace

TfrmPrintOptions::TfrmPrintOptions(TfrmMain& main, IReportEngine& reports)
    : TForm("frmPrintOptions", "Print Options"), main_(main), reports_(reports) {
    rgPrintOptions.SetItemIndex(0);
    btnPrint.SetCaption("&Print");
    btnClose.SetCaption("&Close");
    btnPrint.OnClick = [this] { btnPrintClick(); };
    btnClose.OnClick = [this] { btnCloseClick(); };
}

TfrmPrintOptions::~TfrmPrintOptions() {
    // A window released without closing still leaves no data file behind.
    if (!Closed)
        Dispatch([this] { FormClose(); });
}

void TfrmPrintOptions::Dispatch(const std::function<void()>& action) {
    main_.Dispatch(action);
}

std::filesystem::path TfrmPrintOptions::DataFile(const char* name) const {
    return main_.Environment().OutputFolder / name;
}

void TfrmPrintOptions::btnPrintClick() {
    switch (rgPrintOptions.ItemIndex()) {
    case 0:
        PrintCurrentSelection();
        break;
    case 1:
        PrintCurrentPage();
        break;
    case 2:
        PrintEntireList();
        break;
    default:
        break;
    }
}

void TfrmPrintOptions::btnCloseClick() {
    FormClose();
}

void TfrmPrintOptions::PrintEntireList() {
    const int rows = main_.grdSpecs.RowCount();
    const int pages = EstimatedListPages(rows);
    if (pages > kConfirmAbovePages &&
        !main_.Services().Confirm("The report you are about to print is over " + std::to_string(pages) +
                                  " pages long.\rAre you sure you want to continue?"))
        return;
    PrintList(1, rows);
}

void TfrmPrintOptions::PrintCurrentPage() {
    const TRowWindow window = CurrentPageRows(main_.grdSpecs.RowCount(), main_.grdSpecs.CurrentRow());
    PrintList(window.First, window.Last);
}

void TfrmPrintOptions::PrintCurrentSelection() {
    const auto file = DataFile(kSelectedDataFile);
    reports_.ClosePipeline(TReportKind::DataSheet);
    WriteFileAtomically(file, BuildSelectedPrintData(main_.ListedColumns(), SelectedItem(main_.lstConnectors),
                                                     main_.grdConnectors.Table(),
                                                     SelectedItem(main_.lstConnectors2),
                                                     main_.grdConnectors2.Table(),
                                                     main_.CostOfRunText(main_.grdSpecs.CurrentRow())));
    RunReport(TReportKind::DataSheet, file);
}

void TfrmPrintOptions::PrintList(int firstRow, int lastRow) {
    const auto file = DataFile(kListDataFile);
    reports_.ClosePipeline(TReportKind::List);
    WriteFileAtomically(file, BuildListPrintData(main_.ListedColumns(), firstRow, lastRow));
    RunReport(TReportKind::List, file);
}

void TfrmPrintOptions::RunReport(TReportKind report, const std::filesystem::path& file) {
    // The pipeline lets go of the file however the print operation ends.
    struct PipelineCloser {
        IReportEngine& reports;
        TReportKind report;
        ~PipelineCloser() { reports.ClosePipeline(report); }
    } closer{reports_, report};
    reports_.Print(report, file, main_.Services().Now());
}

void TfrmPrintOptions::FormClose() {
    if (Closed)
        return;
    Closed = true;
    std::error_code ignored; // a file that was never written is simply not there
    reports_.ClosePipeline(TReportKind::List);
    std::filesystem::remove(DataFile(kListDataFile), ignored);
    reports_.ClosePipeline(TReportKind::DataSheet);
    std::filesystem::remove(DataFile(kSelectedDataFile), ignored);
}

void ShowPrintOptions(TfrmMain& main) {
    IReportEngine* reports = main.Services().Reports();
    if (!reports)
        throw DorvikError("No report can be printed here.");
    TfrmPrintOptions window(main, *reports);
    main.Services().ShowModal(window);
    window.Dispatch([&window] { window.FormClose(); });
}

void PrintResults(TfrmMain& main, PrintExtent extent, int row, IReportEngine& reports) {
    main.SelectLine(row);
    TfrmPrintOptions window(main, reports);
    window.rgPrintOptions.SetItemIndex(static_cast<int>(extent));
    window.btnPrintClick();
    window.FormClose();
}

} // namespace dorvik
