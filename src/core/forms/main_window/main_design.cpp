// The main window as designed: captions, hints, defaults, grid columns, the main menu, the event bindings.
#include "core/forms/main_window/frm_main.h"
#include "core/output/workbook.h"

namespace dorvik {

namespace {

std::vector<TGridColumn> SpecsColumns() {
    return {{"Part Number", 77},
            {"Frequency Band (MHz)", 104},
            {"Description", 242},
            {"Mid Band Frequency (MHz)", 105},
            {"Attenuation (dB/100 ft)", 86},
            {"Attenuation (dB/100m)", 96},
            {"Total Attenuation (dB)", 103},
            {"Insertion Loss (dB)", 69},
            {"Efficiency (%)", 76},
            {"Peak Power (kW)", 72},
            {"Avg. Power (kW)", 73},
            {"VSWR Derated Avg. Pwr. (kW)", 84},
            {"List Price Per Foot ($US)", 80},
            {"List Price Per Meter ($US)", 75}};
}

std::vector<TGridColumn> ConnectorColumns(int descriptionWidth, int priceWidth) {
    return {{"Part Number", 95}, {"Description", descriptionWidth}, {"Price ($US)", priceWidth}};
}

void Place(TControl& control, int left, int top, int width, int height) {
    control.Bounds = {left, top, width, height};
}

} // namespace

TfrmMain::TfrmMain(TAppEnvironment environment, ISettingsStore& store, IPlatformServices& services)
    : grdSpecs("grdSpecs", SpecsColumns()), grdConnectors("grdConnectors", ConnectorColumns(271, 73)),
      grdConnectors2("grdConnectors2", ConnectorColumns(269, 75)), env_(std::move(environment)),
      store_(store), services_(services) {
    DesignControls();
    BuildMainMenu();
    BuildCurrencyMenu();
    BindEvents();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::DesignControls() {
    StatusBar1.Hint = kMakerNotice;

    chkFrequency.Hint = "Query by Frequency";
    chkFrequency.TabStop = false;
    chkFrequency.SetChecked(true);
    cbxBeginningFrequency.Hint = "Select Beginning Frequency";
    cbxEndingFrequency.Hint = "Select Ending Frequency";
    chkInsertionLoss.Hint = "Query by Maximum Insertion Loss";
    chkInsertionLoss.TabStop = false;
    edtMaxLoss.Hint = "Enter A Maximum Insertion Loss";
    edtMaxLoss.SetText("0");
    edtLength.Hint = "Enter A Length";
    edtLength.SetText("0");
    rbMeters.Caption = "Meters";
    rbMeters.Hint = "Units = Meters";
    rbFeet.Caption = "Feet";
    rbFeet.Hint = "Units = Feet";
    rbMeters.Group = {&rbMeters, &rbFeet};
    rbFeet.Group = {&rbMeters, &rbFeet};
    rbFeet.SetChecked(true);
    chkConnector.Hint = "Query by Connector #1";
    chkConnector.TabStop = false;
    cbxConnector.Hint = "Select Connector Type";
    chkConnector2.Hint = "Query by Connector #2";
    chkConnector2.TabStop = false;
    cbxConnector2.Hint = "Select Connector Type";
    edtVSWR.Hint = "Enter VSWR for Derated Power Calculation";
    edtVSWR.SetText("1.1");
    GroupBox1.Caption = "Cable Type:";
    GroupBox1.Hint = kMakerNotice;
    chkAir.Caption = "Air Coax";
    chkAir.Hint = "Air Coaxial";
    chkFoam.Caption = "Foam Coax";
    chkFoam.Hint = "Foam Coaxial";
    chkWaveguide.Caption = "Elliptical Waveguide";
    chkWaveguide.Hint = "Elliptical Waveguide";
    for (TCheckBox* box : {&chkAir, &chkFoam, &chkWaveguide}) {
        box->TabStop = false;
        box->SetChecked(true);
    }
    btnSearch.Caption = "Click For &Transmission Lines";
    btnSearch.Hint = "Get Selected Transmission Lines";
    btnClose.Caption = "E&xit";
    btnClose.Hint = "Exit";
    btnClose.TabStop = false;
    ProgressBar1.Hint = "Progress";
    Image1.Hint = kMakerHomePage;
    Label7.Caption = "Query\nBy";

    gbxSpecifications.Caption = "Transmission Lines (0 Items)";
    gbxSpecifications.Hint = kMakerNotice;
    Place(gbxSpecifications, 7, 0, 778, 233);
    grdSpecs.Hint = "Transmission Line Specifications";
    grdSpecs.TabStop = false;
    grdSpecs.CellTextColor = clNavy;
    grdSpecs.DefaultRowHeight = 27;
    grdSpecs.HeadingHeight = 41;
    Place(grdSpecs, 8, 16, 761, 209);
    gbxConnector.Caption = " Connector #1";
    gbxConnector.Hint = kMakerNotice;
    Place(gbxConnector, 8, 240, 145, 129);
    lstConnectors.Hint = "Transmission Line Connector #1";
    Place(lstConnectors, 11, 16, 126, 105);
    GroupBox2.Caption = " Connector #2 ";
    GroupBox2.Hint = kMakerNotice;
    Place(GroupBox2, 8, 373, 145, 129);
    lstConnectors2.Hint = "Transmission Line Connector #2";
    Place(lstConnectors2, 11, 16, 126, 105);
    gbxPartNumbers.Caption = " Connector #1 Part Numbers ";
    gbxPartNumbers.Hint = kMakerNotice;
    Place(gbxPartNumbers, 160, 240, 489, 129);
    grdConnectors.Hint = "Connector #1 Information";
    Place(grdConnectors, 8, 16, 473, 105);
    GroupBox3.Caption = " Connector #2 Part Numbers ";
    GroupBox3.Hint = kMakerNotice;
    Place(GroupBox3, 160, 373, 489, 129);
    grdConnectors2.Hint = "Connector #2 Information";
    Place(grdConnectors2, 8, 16, 473, 105);
    for (TGrid* grid : {&grdConnectors, &grdConnectors2}) {
        grid->CellTextColor = clBlack;
        grid->DefaultRowHeight = 26;
        grid->HeadingHeight = 27;
    }
    btnPrint.Caption = "&Print Results";
    btnPrint.Hint = "Print Query Results";
    Place(btnPrint, 664, 320, 115, 25);
    btnClipboard.Caption = "&Copy to Clipboard";
    btnClipboard.Hint = "Copy Transmission Line Data To The Clipboard";
    Place(btnClipboard, 664, 368, 113, 25);
    btnNewQuery.Caption = "&New Query";
    btnNewQuery.Hint = "Select New Query Values";
    Place(btnNewQuery, 664, 416, 113, 25);
    Button1.Caption = "E&xit";
    Button1.Hint = "Exit";
    Place(Button1, 664, 464, 113, 25);
    Image2.Hint = kMakerHomePage;
    Place(Image2, 659, 260, 0, 0);

    OpenDialog1.Name = "OpenDialog1";
    OpenDialog1.kind = TFileDialog::Kind::Open;
    OpenDialog1.DefaultExt = "dvk";
    OpenDialog1.Filter = "Dorvik Files (*.dvk)|*.dvk";
    HtmlSave.Name = "HtmlSave";
    HtmlSave.kind = TFileDialog::Kind::Save;
    HtmlSave.Title = "Select A File";
    HtmlSave.OverwritePrompt = true;
    ExcelSave.Name = "ExcelSave";
    ExcelSave.kind = TFileDialog::Kind::Save;
    ExcelSave.Title = "Select A File";
    ExcelSave.DefaultExt = "xls";
    ExcelSave.Filter = "MS Excel Files (*.xls)|*.xls";
    ExcelSave.OverwritePrompt = true;
    WorkbookSave.Name = "WorkbookSave";
    WorkbookSave.kind = TFileDialog::Kind::Save;
    WorkbookSave.Title = "Select A File";
    WorkbookSave.DefaultExt = "xlsx";
    WorkbookSave.Filter = "Excel Workbooks (*.xlsx)|*.xlsx";
    WorkbookSave.OverwritePrompt = true;
}

void TfrmMain::BuildMainMenu() {
    File1 = &MainMenu1.Add("File1", "&File");
    OpenFile1 = &File1->Add("OpenFile1", "&Open File", "Ctrl+O");
    // Ctrl+S belongs to "Save Query Settings To File", the command users expect there.
    SaveSettingsOnExit1 = &File1->Add("SaveSettingsOnExit1", "Save Settings On Exit");
    SaveSettingsOnExit1->SetChecked(true);
    N1 = &File1->Add("N1", "-");
    Print1 = &File1->Add("Print1", "Print", "Ctrl+P");
    CopyToClipboard1 = &File1->Add("CopyToClipboard1", "Copy To Clipboard", "Ctrl+C");
    SaveQuerySettingsToFile1 =
        &File1->Add("SaveQuerySettingsToFile1", "Save Query Settings To File", "Ctrl+S");
    ChartOfLines1 = &File1->Add("ChartOfLines1", "Chart Of Lines");
    ExportData1 = &File1->Add("ExportData1", "Export Data");
    ToAMicrosoftExcelFile1 = &ExportData1->Add("ToAMicrosoftExcelFile1", "To A Microsoft Excel File");
    ToAnHTMLFile1 = &ExportData1->Add("ToAnHTMLFile1", "To An HTML File");
    ToAnExcelWorkbook1 = &ExportData1->Add("ToAnExcelWorkbook1", "To An Excel Workbook...");
    ToAnExcelWorkbook1->SetEnabled(WorkbooksAvailable());
    N2 = &File1->Add("N2", "-");
    GetTransmissionLines1 = &File1->Add("GetTransmissionLines1", "Get Transmission Lines", "Ctrl+G");
    NewQuery1 = &File1->Add("NewQuery1", "New Query", "Ctrl+Q");
    N3 = &File1->Add("N3", "-");
    Update1 = &File1->Add("Update1", "Quick Update", "Ctrl+U");
    Exit1 = &File1->Add("Exit1", "Exit", "Ctrl+X");
    CurrencySettings1 = &MainMenu1.Add("CurrencySettings1", "Currency Settings");
    CurrencySettings1->SetVisible(false);
    About1 = &MainMenu1.Add("About1", "About");
}

void TfrmMain::BindEvents() {
    edtMaxLoss.OnChange = [this] { edtMaxLossChange(); };
    edtLength.OnChange = [this] { edtLengthChange(); };
    edtVSWR.OnChange = [this] { edtVSWRChange(); };
    cbxBeginningFrequency.OnChange = [this] { cbxBeginningFrequencyChange(); };
    cbxEndingFrequency.OnChange = [this] { cbxEndingFrequencyChange(); };
    chkFrequency.OnClick = [this] { chkFrequencyClick(); };
    chkInsertionLoss.OnClick = [this] { chkInsertionLossClick(); };
    btnSearch.OnClick = [this] { btnSearchClick(); };
    btnClose.OnClick = [this] { BitBtn1Click(); };
    btnPrint.OnClick = [this] { btnPrintClick(); };
    btnClipboard.OnClick = [this] { btnClipboardClick(); };
    btnNewQuery.OnClick = [this] { btnNewQueryClick(); };
    Button1.OnClick = [this] { btnCloseClick(); };
    grdSpecs.OnClick = [this] { grdSpecsClick(); };
    grdSpecs.OnRowChanged = [this] { grdSpecsRowChanged(); };
    grdConnectors.OnRowChanged = [this] { grdConnectorsRowChanged(); };
    grdConnectors2.OnRowChanged = [this] { grdConnectors2RowChanged(); };
    lstConnectors.OnClick = [this] { lstConnectorsClick(); };
    lstConnectors2.OnClick = [this] { lstConnectors2Click(); };
    PageControl1.OnShow = {[this] { tsQueryValuesShow(); }, [this] { tsResultsShow(); }};

    OpenFile1->OnClick = [this] { OpenFile1Click(); };
    SaveSettingsOnExit1->OnClick = [this] { SaveSettingsOnExit1Click(); };
    Print1->OnClick = btnPrint.OnClick;
    CopyToClipboard1->OnClick = [this] { btnClipboardClick(); };
    SaveQuerySettingsToFile1->OnClick = [this] { SaveQuerySettingsToFile1Click(); };
    ChartOfLines1->OnClick = [this] { ChartOfLines1Click(); };
    ToAMicrosoftExcelFile1->OnClick = [this] { ToAMicrosoftExcelFile1Click(); };
    ToAnHTMLFile1->OnClick = [this] { ToAnHTMLFile1Click(); };
    ToAnExcelWorkbook1->OnClick = [this] { ToAnExcelWorkbook1Click(); };
    GetTransmissionLines1->OnClick = [this] { btnSearchClick(); };
    NewQuery1->OnClick = [this] { btnNewQueryClick(); };
    Update1->OnClick = [this] { Update1Click(); };
    Exit1->OnClick = [this] { btnCloseClick(); };
    About1->OnClick = [this] { About1Click(); };
    for (TMenuItem* item : CurrencyItems)
        item->OnClick = [this, item] { US1Click(*item); };
}

void TfrmMain::Dispatch(const std::function<void()>& action) {
    RunHandler(services_, action);
}

void TfrmMain::Close() {
    Closed = true;
}

} // namespace dorvik
