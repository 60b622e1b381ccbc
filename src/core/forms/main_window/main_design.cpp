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
            {"List Price Per Meter ($US)", 75},
            {"Cost Of Run ($US)", 90, false}};
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

    DesignQueryPage();

    gbxSpecifications.SetCaption("Transmission Lines (0 Items)");
    gbxSpecifications.Hint = kMakerNotice;
    Place(gbxSpecifications, 7, 0, 778, 233);
    grdSpecs.Hint = "Transmission Line Specifications";
    grdSpecs.TabStop = false;
    grdSpecs.CellTextColor = clNavy;
    grdSpecs.DefaultRowHeight = 27;
    grdSpecs.HeadingHeight = 41;
    Place(grdSpecs, 8, 16, 761, 209);
    gbxConnector.SetCaption(" Connector #1");
    gbxConnector.Hint = kMakerNotice;
    Place(gbxConnector, 8, 240, 145, 129);
    lstConnectors.Hint = "Transmission Line Connector #1";
    Place(lstConnectors, 11, 16, 126, 105);
    GroupBox2.SetCaption(" Connector #2 ");
    GroupBox2.Hint = kMakerNotice;
    Place(GroupBox2, 8, 373, 145, 129);
    lstConnectors2.Hint = "Transmission Line Connector #2";
    Place(lstConnectors2, 11, 16, 126, 105);
    gbxPartNumbers.SetCaption(" Connector #1 Part Numbers ");
    gbxPartNumbers.Hint = kMakerNotice;
    Place(gbxPartNumbers, 160, 240, 489, 129);
    grdConnectors.Hint = "Connector #1 Information";
    Place(grdConnectors, 8, 16, 473, 105);
    GroupBox3.SetCaption(" Connector #2 Part Numbers ");
    GroupBox3.Hint = kMakerNotice;
    Place(GroupBox3, 160, 373, 489, 129);
    grdConnectors2.Hint = "Connector #2 Information";
    Place(grdConnectors2, 8, 16, 473, 105);
    for (TGrid* grid : {&grdConnectors, &grdConnectors2}) {
        grid->CellTextColor = clBlack;
        grid->DefaultRowHeight = 26;
        grid->HeadingHeight = 27;
    }
    btnPrint.SetCaption("&Print Results");
    btnPrint.Hint = "Print Query Results";
    Place(btnPrint, 664, 320, 115, 25);
    btnClipboard.SetCaption("&Copy to Clipboard");
    btnClipboard.Hint = "Copy Transmission Line Data To The Clipboard";
    Place(btnClipboard, 664, 368, 113, 25);
    btnNewQuery.SetCaption("&New Query");
    btnNewQuery.Hint = "Select New Query Values";
    Place(btnNewQuery, 664, 416, 113, 25);
    Button1.SetCaption("E&xit");
    Button1.Hint = "Exit";
    Place(Button1, 664, 464, 113, 25);
    Image2.Hint = kMakerHomePage;
    Place(Image2, 659, 260, 120, 50);

    OpenDialog1.Name = "OpenDialog1";
    OpenDialog1.kind = TFileDialog::Kind::Open;
    OpenDialog1.DefaultExt = "dvk";
    OpenDialog1.Filter = kQueryFilter;
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

void TfrmMain::DesignQueryPage() {
    const auto label = [](TStatic& control, const char* caption, int left, int top, int width) {
        control.SetCaption(caption);
        Place(control, left, top, width, 17);
    };
    label(Label7, "Query\nBy", 6, 4, 40);
    Label7.Bounds.Height = 30;

    chkFrequency.Hint = "Query by Frequency";
    chkFrequency.TabStop = false;
    chkFrequency.SetChecked(true);
    Place(chkFrequency, 16, 44, 18, 18);
    label(Label1, "Beginning Frequency", 48, 44, 130);
    cbxBeginningFrequency.Hint = "Select Beginning Frequency";
    Place(cbxBeginningFrequency, 186, 40, 110, 22);
    label(Label2, "MHz", 302, 44, 40);
    label(Label3, "Ending Frequency", 48, 72, 130);
    cbxEndingFrequency.Hint = "Select Ending Frequency";
    Place(cbxEndingFrequency, 186, 68, 110, 22);
    label(Label4, "MHz", 302, 72, 40);

    chkInsertionLoss.Hint = "Query by Maximum Insertion Loss";
    chkInsertionLoss.TabStop = false;
    Place(chkInsertionLoss, 16, 110, 18, 18);
    label(Label5, "Maximum Insertion Loss:", 48, 110, 138);
    edtMaxLoss.Hint = "Enter A Maximum Insertion Loss";
    edtMaxLoss.SetText("0");
    Place(edtMaxLoss, 186, 106, 70, 22);
    label(Label6, "dB", 262, 110, 30);
    label(Label8, "Length:", 48, 138, 130);
    edtLength.Hint = "Enter A Length";
    edtLength.SetText("0");
    Place(edtLength, 186, 134, 70, 22);
    rbMeters.SetCaption("Meters");
    rbMeters.Hint = "Units = Meters";
    Place(rbMeters, 262, 128, 80, 18);
    rbFeet.SetCaption("Feet");
    rbFeet.Hint = "Units = Feet";
    Place(rbFeet, 262, 146, 80, 18);
    rbMeters.Group = {&rbMeters, &rbFeet};
    rbFeet.Group = {&rbMeters, &rbFeet};
    rbFeet.SetChecked(true);

    chkConnector.Hint = "Query by Connector #1";
    chkConnector.TabStop = false;
    Place(chkConnector, 16, 184, 18, 18);
    label(Label9, "Connector #1", 48, 184, 80);
    cbxConnector.Hint = "Select Connector Type";
    Place(cbxConnector, 130, 180, 150, 22);
    chkConnector2.Hint = "Query by Connector #2";
    chkConnector2.TabStop = false;
    Place(chkConnector2, 16, 214, 18, 18);
    label(Label10, "Connector #2", 48, 214, 80);
    cbxConnector2.Hint = "Select Connector Type";
    Place(cbxConnector2, 130, 210, 150, 22);
    Image1.Hint = kMakerHomePage;
    Place(Image1, 290, 176, 82, 60);

    label(Label11, "VSWR", 48, 250, 80);
    edtVSWR.Hint = "Enter VSWR for Derated Power Calculation";
    edtVSWR.SetText(kDefaultVswrText);
    Place(edtVSWR, 130, 246, 60, 22);

    GroupBox1.SetCaption("Cable Type:");
    GroupBox1.Hint = kMakerNotice;
    Place(GroupBox1, 8, 280, 364, 50);
    chkAir.SetCaption("Air Coax");
    chkAir.Hint = "Air Coaxial";
    chkFoam.SetCaption("Foam Coax");
    chkFoam.Hint = "Foam Coaxial";
    chkWaveguide.SetCaption("Elliptical Waveguide");
    chkWaveguide.Hint = "Elliptical Waveguide";
    int left = 12; // inside the group box
    for (TCheckBox* box : {&chkAir, &chkFoam, &chkWaveguide}) {
        box->TabStop = false;
        box->SetChecked(true);
        Place(*box, left, 22, box == &chkWaveguide ? 140 : 100, 18);
        left += 110;
    }

    btnSearch.SetCaption("Click For &Transmission Lines");
    btnSearch.Hint = "Get Selected Transmission Lines";
    Place(btnSearch, 8, 340, 364, 28);
    ProgressBar1.Hint = "Progress";
    Place(ProgressBar1, 8, 376, 270, 16);
    btnClose.SetCaption("E&xit");
    btnClose.Hint = "Exit";
    btnClose.TabStop = false;
    Place(btnClose, 292, 372, 80, 24);
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
    NewLineFromDatasheet1 = &File1->Add("NewLineFromDatasheet1", "New Line From Datasheet...");
    UserLines1 = &File1->Add("UserLines1", "User Lines...");
    for (TMenuItem* item : {NewLineFromDatasheet1, UserLines1})
        item->SetVisible(UserCatalogueFolder().has_value());
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
    cbxBeginningFrequency.OnEntryCompleted = [this] { cbxBeginningFrequencyChange(); };
    cbxEndingFrequency.OnEntryCompleted = [this] { cbxEndingFrequencyChange(); };
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
    grdSpecs.OnHeadingClick = [this](int col) { grdSpecsHeadingClick(col); };
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
    NewLineFromDatasheet1->OnClick = [this] { NewLineFromDatasheet1Click(); };
    UserLines1->OnClick = [this] { UserLines1Click(); };
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
