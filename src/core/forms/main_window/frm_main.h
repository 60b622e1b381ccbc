#pragma once
// The main window's model: the query page, the results page, the main menu, and every handler. Handlers are
// split over several files by concern (main_*.cpp beside this header).
#include "core/catalogue/catalogue_loader.h"
#include "core/catalogue/pick_list.h"
#include "core/catalogue/price_list.h"
#include "core/catalogue/records.h"
#include "core/engine/search.h"
#include "core/engine/search_result.h"
#include "core/forms/ancillary/quick_update.h"
#include "core/forms/app_environment.h"
#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/controls/check_box.h"
#include "core/forms/controls/combo_box.h"
#include "core/forms/controls/control.h"
#include "core/forms/controls/edit.h"
#include "core/forms/controls/grid.h"
#include "core/forms/controls/menu_item.h"
#include "core/forms/controls/page_control.h"
#include "core/forms/services.h"
#include "core/store/settings_store.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dorvik {

inline constexpr const char* kApplicationTitle = "Veltrane Insertion Loss Calculator";
inline constexpr const char* kMakerHomePage = "https://www.veltrane.example/";
inline constexpr const char* kMakerNotice =
    "Veltrane Transmission Systems - feeder lines and connectors for RF engineers";

// The codes of the currencies that are looked up in the rates file (every one but US dollars), in menu order.
std::vector<std::string> ConvertedCurrencyCodes();

// The file dialogs' filter for query files.
inline constexpr const char* kQueryFilter = "Dorvik Files (*.dvk)|*.dvk";

class TfrmMain {
public:
    TfrmMain(TAppEnvironment environment, ISettingsStore& store, IPlatformServices& services);
    ~TfrmMain();
    TfrmMain(const TfrmMain&) = delete;
    TfrmMain& operator=(const TfrmMain&) = delete;

    // Runs an action from outside (the view, the command-line tool); an error it raises is reported here, the
    // application's general error handler, and the program goes on.
    void Dispatch(const std::function<void()>& action);

    // --- window
    std::string Caption = "Select Query Values";
    // The query page's outer size; the results page's is larger.
    static constexpr int kQueryPageWidth = 388, kQueryPageHeight = 490;
    static constexpr int kResultsPageWidth = 800, kResultsPageHeight = 580;
    int Width = kQueryPageWidth, Height = kQueryPageHeight; // outer size
    unsigned CenterRevision = 0;     // bumped when the window is to be centred on the screen
    bool Closed = false;             // the window was closed: the program ends
    bool TerminateRequested = false; // the command-line set-up told the program to end
    TControl* ActiveControl = nullptr;
    void Close();

    TPageControl PageControl1{"PageControl1"};
    TStatic StatusBar1{"StatusBar1"}; // Caption is the first panel's text
    // The second panel: how many lines of the last search show "N/A" or were left out, and why.
    TStatic StatusNote{"StatusNote"};

    // --- query page
    TCheckBox chkFrequency{"chkFrequency"};
    TComboBox cbxBeginningFrequency{"cbxBeginningFrequency", TComboBox::Style::DropDown, false};
    TComboBox cbxEndingFrequency{"cbxEndingFrequency", TComboBox::Style::DropDown, false};
    TCheckBox chkInsertionLoss{"chkInsertionLoss"};
    TEdit edtMaxLoss{"edtMaxLoss"};
    TEdit edtLength{"edtLength"};
    TRadioButton rbMeters{"rbMeters"};
    TRadioButton rbFeet{"rbFeet"};
    TCheckBox chkConnector{"chkConnector"};
    TComboBox cbxConnector{"cbxConnector", TComboBox::Style::DropDownList, true};
    TCheckBox chkConnector2{"chkConnector2"};
    TComboBox cbxConnector2{"cbxConnector2", TComboBox::Style::DropDownList, true};
    TEdit edtVSWR{"edtVSWR"};
    TStatic GroupBox1{"GroupBox1"};
    TCheckBox chkAir{"chkAir"};
    TCheckBox chkFoam{"chkFoam"};
    TCheckBox chkWaveguide{"chkWaveguide"};
    TButton btnSearch{"btnSearch"};
    TButton btnClose{"btnClose"};
    TProgressBar ProgressBar1{"ProgressBar1"};
    TStatic Image1{"Image1"};
    TStatic Label7{"Label7"}; // "Query" above "By" over the switch column
    // The labels beside the fields, and the fields' units.
    TStatic Label1{"Label1"}, Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"},
        Label6{"Label6"}, Label8{"Label8"}, Label9{"Label9"}, Label10{"Label10"}, Label11{"Label11"};
    std::vector<TStatic*> QueryPageLabels() {
        return {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label8, &Label9, &Label10, &Label11};
    }

    // --- results page
    TStatic gbxSpecifications{"gbxSpecifications"};
    TGrid grdSpecs;
    TStatic gbxConnector{"gbxConnector"};
    TListBox lstConnectors{"lstConnectors"};
    TStatic GroupBox2{"GroupBox2"};
    TListBox lstConnectors2{"lstConnectors2"};
    TStatic gbxPartNumbers{"gbxPartNumbers"};
    TGrid grdConnectors;
    TStatic GroupBox3{"GroupBox3"};
    TGrid grdConnectors2;
    TButton btnPrint{"btnPrint"};
    TButton btnClipboard{"btnClipboard"};
    TButton btnNewQuery{"btnNewQuery"};
    TButton Button1{"Button1"};
    TStatic Image2{"Image2"};

    // --- main menu
    TMenuItem MainMenu1{"MainMenu1"};
    TMenuItem* File1 = nullptr;
    TMenuItem* OpenFile1 = nullptr;
    TMenuItem* SaveSettingsOnExit1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* Print1 = nullptr;
    TMenuItem* CopyToClipboard1 = nullptr;
    TMenuItem* SaveQuerySettingsToFile1 = nullptr;
    TMenuItem* ChartOfLines1 = nullptr;
    TMenuItem* ExportData1 = nullptr;
    TMenuItem* ToAMicrosoftExcelFile1 = nullptr;
    TMenuItem* ToAnHTMLFile1 = nullptr;
    TMenuItem* ToAnExcelWorkbook1 = nullptr; // .xlsx, with numeric cells
    TMenuItem* N2 = nullptr;
    TMenuItem* GetTransmissionLines1 = nullptr;
    TMenuItem* NewQuery1 = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* NewLineFromDatasheet1 = nullptr; // the user's own lines; query page only
    TMenuItem* UserLines1 = nullptr;
    TMenuItem* Update1 = nullptr;
    TMenuItem* Exit1 = nullptr;
    TMenuItem* CurrencySettings1 = nullptr;
    TMenuItem* About1 = nullptr;
    // The currency items in menu order (37, two of them US dollars with Tag 1).
    std::vector<TMenuItem*> CurrencyItems;

    // --- dialogs
    TFileDialog OpenDialog1;
    TFileDialog HtmlSave;
    TFileDialog ExcelSave;
    TFileDialog ChartSaveDialog; // the chart window's: it keeps the file saved last
    TFileDialog WorkbookSave;

    // --- data
    Catalogue TheCatalogue;
    PriceList PriceLines;
    // Band edges: their texts with the values they stand for, numerically ascending.
    std::vector<PickEntry> BeginFrequencyList;
    std::vector<PickEntry> EndFrequencyList;
    std::vector<std::string> ExchangeRates;
    bool CurrencyAvailable = false;
    bool Loaded = false;
    HitList Hits;
    std::string LookupPartNumber;
    // A start with a part number (any parameters but the "FILE" form).
    bool PartNumberMode() const { return !LookupPartNumber.empty(); }
    // The part-number parameter "PART[|LENGTH|UNIT]" read once: the grid, the search and the typed figures
    // all take it from here.
    struct PartNumberParameter {
        std::string PartNumber;
        // The length text; nothing without a "|". With one "|" only it is empty: a conversion error.
        std::optional<std::string> LengthText;
        LengthUnit Unit = LengthUnit::Feet; // any unit but "M"
    };
    PartNumberParameter ReadPartNumberParameter() const;
    std::string SharedDataFolder;

    // --- start-up and shutdown (main_startup.cpp)
    void FormCreate();
    void FormDestroy();
    void FormActivate();
    bool HasParams() const { return !env_.Params.empty(); }
    const TAppEnvironment& Environment() const { return env_; }
    std::filesystem::path CatalogueFilePath() const;
    std::string MissingFilesMessage() const;
    std::filesystem::path PriceFilePath() const;
    std::filesystem::path RatesFilePath() const;

    // --- query page (main_query_page.cpp)
    bool IsNumericField(const std::string& text, const std::string& field);
    void edtMaxLossChange();
    void edtLengthChange();
    void edtVSWRChange();
    void cbxBeginningFrequencyChange();
    void cbxEndingFrequencyChange();
    // The rule of the frequency pair for a completed entry of `own`: the other field's entries become those
    // of its master list beyond own's value, and the other field keeps its value while it still fits.
    void ApplyFrequencyPairRule(TComboBox& own, TComboBox& other, const std::vector<PickEntry>& otherMaster,
                                bool ownIsBeginning);
    void chkFrequencyClick();
    void chkInsertionLossClick();
    bool CheckFrequencies();
    void BitBtn1Click();
    void Image1Click();
    void About1Click();
    void Update1Click();
    void SaveSettingsOnExit1Click();
    void ApplicationEvents1Hint(const std::string& hint);

    // --- registry settings (main_settings.cpp)
    void SaveSettings();
    void LoadSettings();

    // --- search driver (main_search.cpp)
    void btnSearchClick();
    // The query page (or the part-number parameter) read once; throws when a number does not read.
    SearchCriteria ReadQuery() const;
    // The last search: its query, outcome and every figure of the lines the grid lists.
    const SearchResult& Result() const { return result_; }
    SearchOutcome Outcome() const { return result_.Outcome; }
    void AttachPartData(TTransmissionLine& line);
    std::string NormaliseDecimalPoint(const std::string& text) const;

    // --- results page (main_results.cpp)
    // Computes the result of the last search's query and hit list in the chosen currency, and fills the grid
    // and the status note from it.
    void FillSpecsGrid();
    void tsResultsShow();
    void tsQueryValuesShow();
    void SetResultsMenus(bool results);
    void grdSpecsClick();
    // Sorts the lines by the column, or reverses the order when they are sorted by it already.
    void grdSpecsHeadingClick(int col);
    // The lines in this order from now on (a new search starts in catalogue order); the current line stays.
    void SortBy(SortOrder order);
    SortOrder SortOrderShown() const { return sortOrder_; }
    // The line of row (from 1) of grdSpecs.
    const TTransmissionLine& LineAt(int row) const;
    // The grid's columns that the clipboard, the spreadsheet and HTML exports and the printed list write:
    // all but the cost of run, which other programs reading them do not expect.
    TextTable ListedColumns() const;
    // The cost-of-run cell of row (from 1), "N/A" when the query gives no length; empty without the row.
    std::string CostOfRunText(int row) const;
    // Makes the line of row (from 1) current, with its connector lists and part-number grids.
    void SelectLine(int row);
    void FillConnectorList(TListBox& list, TCheckBox& check, TGrid& grid, TComboBox& combo);
    void FillPartNumberGrid(TGrid& grid, TListBox& list);
    void lstConnectorsClick();
    void lstConnectors2Click();
    void grdSpecsRowChanged();
    void grdConnectorsRowChanged();
    void grdConnectors2RowChanged();
    void btnNewQueryClick();
    void btnCloseClick();
    // What the part-number grids show, asked for without moving the page's selection.
    using TPartNumberRow = std::array<std::string, 3>; // part number, description, price
    struct TConnectorRows {
        std::string Name;
        std::vector<TPartNumberRow> PartNumbers;
    };
    // Every connector of the line in row (from 1) of grdSpecs, with its part-number grid's rows.
    std::vector<TConnectorRows> ConnectorRowsOf(int row) const;
    // The part-number grids' headings once every connector of the hit list has been shown: the price column
    // names the currency as soon as one part number has a price line.
    std::vector<std::string> ConnectorHeadings() const;

    // --- currency (main_currency.cpp)
    std::pair<std::string, std::string> GetCurrencyCode() const; // "EUR", "(EUR)"
    // The code of a currency menu item ("EUR").
    std::string CurrencyCodeOf(const TMenuItem& item) const;
    double ConvertPrice(double amount) const;
    // The rate the selected currency divides by; nullopt when prices stay in US dollars.
    std::optional<double> SelectedExchangeRate() const;
    double GetExchangeRate(const std::string& code) const;
    // The message for a currency without a line in the rates file or whose line cannot divide a price, or
    // nothing.
    std::optional<std::string> UnusableRateMessage(const std::string& code) const;
    // The item itself, or, after reporting its unusable rate, the US-dollar item that stands in for it.
    TMenuItem& UsableCurrency(TMenuItem& item);
    void SelectCurrency(TMenuItem& item);
    // A currency chosen for this run by its code ("EUR"), as the command-line tool's --currency: the
    // searches show it in place of the stored one and store nothing. False for an unknown code.
    bool ChooseCurrency(const std::string& code);
    void SaveCurrency(int tag);
    void LoadCurrency();
    void US1Click(TMenuItem& item);

    // --- query files and command line (main_query_files.cpp)
    void OpenFile1Click();
    void SaveQuerySettingsToFile1Click();
    void ApplyCommandLine();

    // --- exports (main_exports.cpp)
    void btnPrintClick(); // a new print options window, shown modally
    void btnClipboardClick();
    void ToAMicrosoftExcelFile1Click();
    void ToAnHTMLFile1Click();
    void ToAnExcelWorkbook1Click();
    void CreateHtml(const std::string& extension, int border);
    // The folder the dialogs for the user's own files open in: kind is the program folder's sub-folder, if
    // any.
    std::filesystem::path UserFilesFolder(const std::string& kind) const;
    bool ExcelInstalled();

    // --- chart of the lines found (main_chart.cpp)
    // The chart window's model for the hit list and the page as they stand; throws when the page's
    // frequencies or maximum loss do not read.
    TChartOfLines ChartOfLines();
    void ChartOfLines1Click();
    void NewLineFromDatasheet1Click(); // main_user_lines.cpp
    void UserLines1Click();
    // The data files read again after the user's own lines changed; the query page keeps its values.
    void ReloadUserLines();
    // The folder of the user's catalogue files; none where the program has none.
    std::optional<std::filesystem::path> UserCatalogueFolder() const;

    IPlatformServices& Services() { return services_; }
    char DecimalSeparator() const { return env_.DecimalSeparator; }

private:
    void DesignControls();    // main_design.cpp: captions, hints, sizes, defaults as designed
    void DesignQueryPage();   // main_design.cpp
    void BuildMainMenu();     // main_design.cpp
    void BuildCurrencyMenu(); // main_currency.cpp
    void BindEvents();        // main_design.cpp
    void LoadDataFiles();     // main_startup.cpp
    // The maker's file and the user's, where it exists.
    LoadedCatalogue LoadCatalogueFiles(const std::filesystem::path& cataloguePath) const;
    PriceList LoadPriceFiles(const std::filesystem::path& pricePath) const;
    // A file cut at a NUL is read up to it, and the user is told so.
    void WarnOfNulByte(std::string_view bytes, const std::string& fileName) const;
    void ReportCatalogueProblems(const std::vector<std::string>& problems);
    void ReadSharedDataFolder();
    const TTransmissionLine& CurrentLine() const; // the line of the current row
    std::optional<double> TryReadPageNumber(const std::string& text) const;
    PriceBasis CurrentPriceBasis() const;
    void CheckCurrencyItem(TMenuItem& item); // the menu's check on the item alone
    std::optional<int> chosenCurrencyTag_;
    void FillSpecsGridRows(); // FillSpecsGrid without the highlight
    void WriteSpecsRows();    // the grid's cells from result_
    // The sort and heading mark, with the same line current after it.
    void ApplySort(SortOrder order, int column);
    void MarkSort(SortOrder order, int column); // the order and the heading's mark only
    // A new search's order: catalogue order, or the sort its query file gives.
    void StartSearchOrder();
    SortOrder sortOrder_;
    std::optional<SortOrder> fileSort_; // the sort of an opened query file, for its search
    // A negative length or maximum loss, or a VSWR below 1: the message, and true.
    bool RefuseValuesOutOfRange();

    // The part-number grid's rows of a connector, as FillPartNumberGrid writes them.
    std::vector<TPartNumberRow> PartNumberRows(const TConnector& connector) const;
    std::string PriceHeading() const; // "Price (EUR)"

    SearchCriteria query_;
    SearchResult result_;
    TAppEnvironment env_;
    ISettingsStore& store_;
    IPlatformServices& services_;
    // The update reminder and the quick update of this run, from the address the settings give.
    TQuickUpdate quickUpdate_{env_, services_, QuickUpdateUrl(store_)};
};

} // namespace dorvik
