#pragma once
// The print options window: which extent of the results to print (the current selection, a page of six
// lines, the entire list), the print data file of that extent, and the report over it.
#include "core/forms/controls/control.h"
#include "core/forms/controls/form.h"
#include "core/forms/controls/radio_group.h"
#include "core/forms/printing/report_engine.h"

#include <filesystem>
#include <functional>

namespace dorvik {

class TfrmMain;

// Records per page of the list report; the page estimate and the confirmation above kConfirmAbovePages.
inline constexpr int kRecordsPerListPage = 7;
inline constexpr int kConfirmAbovePages = 5;
// Lines of "Current Page".
inline constexpr int kCurrentPageRows = 6;

// The list report's page count for n records: n / 7 rounded up.
int EstimatedListPages(int records);

// Rows first to last of "Current Page" for a grid of rowCount rows whose current row is currentRow: the six
// rows from the current one; all rows when there are six or fewer; near the end, shifted back so the window
// still holds six rows and ends at the last row.
struct TRowWindow {
    int First = 1, Last = 0;
};
TRowWindow CurrentPageRows(int rowCount, int currentRow);

// The extents of "Select Printing Criteria:", in the radio group's order.
enum class PrintExtent { Selection, Page, List };

class TfrmPrintOptions : public TForm {
public:
    TfrmPrintOptions(TfrmMain& main, IReportEngine& reports);
    ~TfrmPrintOptions() override;

    TRadioGroup rgPrintOptions{
        "rgPrintOptions", "Select Printing Criteria:", {"Current Selection", "Current Page", "Entire List"}};
    TButton btnPrint{"btnPrint"};
    TButton btnClose{"btnClose"};
    bool Closed = false; // FormClose ran: the window is gone

    void btnPrintClick();
    void btnCloseClick();
    void PrintCurrentSelection();
    void PrintCurrentPage();
    void PrintEntireList();
    // Closes both pipelines and deletes both print data files; runs once however the window closes.
    void FormClose();

    // Runs an action through the main window's general error handler.
    void Dispatch(const std::function<void()>& action);

    std::filesystem::path DataFile(const char* name) const;

private:
    void PrintList(int firstRow, int lastRow);
    void RunReport(TReportKind report, const std::filesystem::path& file);

    TfrmMain& main_;
    IReportEngine& reports_;
};

// The main window's print command: a new print options window over the services' report engine, shown
// modally through the services and released when it returns; the window's FormClose runs in any case.
void ShowPrintOptions(TfrmMain& main);

// Prints an extent of the results with the line of `row` (from 1) current, as the window does when that
// extent is chosen and Print is clicked; for front ends without a window (the command-line tool).
void PrintResults(TfrmMain& main, PrintExtent extent, int row, IReportEngine& reports);

} // namespace dorvik
