#include "web/web_app.h"

#include "core/forms/printing/frm_print_options.h"
#include "core/output/report_layout.h"
#include "core/store/system_store.h"
#include "core/text/text_file.h"
#include "core/text/whole_number.h"
#include "web/form_controls.h"
#include "web/form_state.h"
#include "web/json_writer.h"
#include "web/query_link.h"

#include <filesystem>
#include <span>
#include <system_error>

namespace dorvik::web {

namespace {

// The system-wide settings of an installation: the shared data folder, where the page keeps the price list.
std::filesystem::path WriteSystemStore(const std::string& dataFolder) {
    const std::filesystem::path file = "/dorvik/system/registry.reg";
    std::filesystem::create_directories(file.parent_path());
    WriteFileAtomically(
        file, std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\r\n"
                          "\"Path\"=\"") +
                  dataFolder + "\"\r\n");
    return file;
}

TAppEnvironment MakeEnvironment(const std::string& separator, const std::string& dataFolder) {
    TAppEnvironment env;
    env.ProgramFolder = dataFolder;
    env.OutputFolder = kOutputFolder;
    env.DecimalSeparator = separator.size() == 1 ? separator.front() : '.';
    std::error_code ignored;
    std::filesystem::create_directories(kOutputFolder, ignored);
    std::filesystem::create_directories(kInputFolder, ignored);
    std::filesystem::create_directories(kUserFolder, ignored);
    env.UserCatalogueFile = std::filesystem::path(kUserFolder) / kUserCatalogueFileName;
    env.UserPriceFile = std::filesystem::path(kUserFolder) / kUserPriceFileName;
    return env;
}

int ReadIndex(const std::string& value) {
    return TryReadWholeNumber(value).value_or(-1);
}

} // namespace

WebApp::WebApp(const std::string& fragment, const std::string& separator, const std::string& dataFolder)
    : store_(
          std::make_unique<RegistryFileStore>(kStoreFile, ReadSystemStores({WriteSystemStore(dataFolder)}))),
      form_(std::make_unique<TfrmMain>(MakeEnvironment(separator, dataFolder), *store_, services_)),
      userLines_(*form_, outbox_, services_) {
    Act([this] { form_->FormCreate(); });
    // No Quick Update: a web page is always current. No Exit: the browser closes its tabs, and Ctrl+X cuts.
    for (TControl* control : std::initializer_list<TControl*>{form_->Update1, form_->N3, form_->Exit1,
                                                              &form_->btnClose, &form_->Button1})
        control->SetVisible(false);
    // The query page is shown: its menus, as when the desktop window shows it.
    Act([this] { form_->SetResultsMenus(form_->PageControl1.ActivePageIndex() == 1); });
    RunLink(fragment);
}

void WebApp::RunLink(const std::string& fragment) {
    if (const auto unreadable = UnreadablePairs(fragment); !unreadable.empty()) {
        std::string names;
        for (const auto& pair : unreadable)
            names += (names.empty() ? "" : ", ") + pair;
        services_.ShowMessage("This link's query cannot be read (" + names + "). Nothing was searched.",
                              MessageIcon::Error);
        return;
    }
    auto query = QueryFileOfFragment(fragment);
    if (!query)
        return;
    // A link that names no connector keeps the entry the page shows, as a pick list holds no empty entry.
    for (const auto& [key, combo] : {std::pair{"C1=", &form_->cbxConnector}, {"C2=", &form_->cbxConnector2}})
        if (query->find("\n" + std::string(key)) == std::string::npos)
            *query += key + combo->Text() + "\r\n";
    const std::filesystem::path file = std::filesystem::path(kInputFolder) / "address.dvk";
    WriteFileAtomically(file, *query);
    OpenQueryFile(file.string());
    if (form_->Loaded)
        Act([this] { form_->btnSearchClick(); });
}

bool WebApp::Usable() const {
    return form_->Loaded && !form_->TheCatalogue.empty();
}

void WebApp::SaveSettings() {
    Act([this] { form_->SaveSettings(); });
}

WebApp::~WebApp() {
    Close();
}

void WebApp::Act(const std::function<void()>& action) {
    form_->Dispatch(action);
    userLines_.Adopt();
    if (outbox_.chart)
        chart_ = std::make_unique<WebChart>(*outbox_.chart, services_, form_->ChartSaveDialog);
    outbox_.chart.reset();
}

std::string WebApp::Chart(double width, double height) {
    return chart_ ? chart_->Json(width, height) : "null";
}

void WebApp::ChartChoose(int index, bool chosen) {
    if (chart_)
        form_->Dispatch([&] { chart_->Choose(index, chosen); });
}

void WebApp::ChartQuantity(int quantity) {
    if (chart_)
        form_->Dispatch([&] { chart_->SetQuantity(quantity); });
}

std::string WebApp::ChartReadOut(double x, double y, double tolerance) {
    return chart_ ? chart_->ReadOut(x, y, tolerance) : std::string();
}

std::string WebApp::ChartSvg() {
    return chart_ ? chart_->SavedSvg() : std::string();
}

void WebApp::DialogEvent(const std::string& control, const std::string& action, const std::string& value,
                         int answer) {
    userLines_.Event(control, action, value, answer);
}

void WebApp::ReloadUserLines() {
    userLines_.Changed();
}

void WebApp::Event(const std::string& control, const std::string& action, const std::string& value) {
    const FormControls controls = ControlsOf(*form_);
    // Any action but a hint is on the main window: the chart window was closed.
    if (action != "hint")
        chart_.reset();
    Act([&] {
        if (action == "click") {
            if (TButton* button = Named(controls.buttons, control))
                button->Click();
            else if (TMenuItem* item = form_->MainMenu1.Find(control))
                item->Click();
            else if (TCheckBox* check = Named(controls.checks, control))
                check->SetChecked(!check->Checked());
            else if (control == "Image1" || control == "Image2")
                form_->Image1Click();
        } else if (action == "text") {
            if (TEdit* edit = Named(controls.edits, control))
                edit->SetText(EncodeForFile(value));
            else if (TComboBox* combo = Named(controls.combos, control))
                combo->UserType(EncodeForFile(value));
        } else if (action == "pick") {
            if (TComboBox* combo = Named(controls.combos, control))
                combo->UserPick(ReadIndex(value));
        } else if (action == "complete") {
            if (TComboBox* combo = Named(controls.combos, control))
                combo->CompleteEntry();
        } else if (action == "check") {
            if (TCheckBox* check = Named(controls.checks, control))
                check->SetChecked(value == "true");
            else if (TRadioButton* radio = Named(controls.radios, control))
                radio->SetChecked(value == "true");
        } else if (action == "hint") {
            form_->ApplicationEvents1Hint(EncodeForFile(value));
        } else if (action == "heading") {
            if (TGrid* grid = Named(controls.grids, control); grid && grid->OnHeadingClick)
                grid->OnHeadingClick(ReadIndex(value));
        } else if (action == "row") {
            if (TGrid* grid = Named(controls.grids, control))
                grid->UserClick(ReadIndex(value));
        } else if (action == "item") {
            if (TListBox* list = Named(controls.lists, control))
                list->UserClick(ReadIndex(value));
        }
    });
}

void WebApp::OpenQueryFile(const std::string& path) {
    outbox_.openAnswer = path;
    Act([this] { form_->OpenFile1Click(); });
    outbox_.openAnswer.reset();
}

void WebApp::Print(int choice, int answer) {
    if (answer >= 0)
        outbox_.answer = answer == 1;
    // The window the page showed, made again for its Print button: the model's rules choose the rows, write
    // the data file and confirm a long list; the file goes when the window closes.
    TfrmPrintOptions window(*form_, *services_.Reports());
    window.rgPrintOptions.SetItemIndex(choice);
    window.Dispatch([&window] { window.btnPrintClick(); });
    window.Dispatch([&window] { window.FormClose(); });
    outbox_.answer.reset();
}

namespace {

void WriteFields(JsonWriter& json, std::string_view key, std::span<const ReportField> fields) {
    json.Key(key).BeginArray();
    for (const ReportField& field : fields)
        json.BeginArray().String(field.Caption).Number(field.Field).Number(field.Lines).EndArray();
    json.EndArray();
}

// The reports' captions and fields as the core names them: the page only places them on paper.
void WriteReportLayout(JsonWriter& json) {
    json.Key("layout").BeginObject().Field("title", std::string(kReportTitle));
    json.Field("recordsPerPage", kListRecordsPerPage)
        .Field("partNumberField", kListPartNumberField)
        .Field("descriptionField", kListDescriptionField);
    WriteFields(json, "listRow3", kListRow3);
    WriteFields(json, "listRow4", kListRow4);
    WriteFields(json, "sheetLine", kSheetLineRows);
    WriteFields(json, "sheetConnector", kSheetConnectorRows);
    json.Key("connectorFirstFields").BeginArray();
    for (const int first : kSheetConnectorFirstField)
        json.Number(first);
    json.EndArray().EndObject();
}

} // namespace

std::string WebApp::State() {
    return FormStateJson(*form_);
}

std::string WebApp::Rows(const std::string& grid, int first, int count) {
    const TGrid* found = Named(ControlsOf(*form_).grids, grid);
    return found ? GridRowsJson(*found, first, count) : "[]";
}

std::string WebApp::TakeOutbox() {
    JsonWriter json;
    json.BeginObject().Key("messages").BeginArray();
    for (const auto& message : outbox_.messages)
        json.BeginObject()
            .Field("text", message.text)
            .Field("icon", message.icon)
            .Field("details", message.details)
            .EndObject();
    json.EndArray();
    if (outbox_.question)
        json.Field("question", *outbox_.question);
    json.Key("downloads").BeginArray();
    for (const TFileDialog* dialog : outbox_.saveDialogs) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(dialog->FileName, ec))
            json.String(dialog->FileName);
    }
    json.EndArray();
    if (outbox_.clipboard)
        json.Field("clipboard", *outbox_.clipboard);
    json.Field("userFilesChanged", outbox_.userFilesChanged);
    json.Key("links").BeginArray();
    for (const auto& link : outbox_.links)
        json.String(link);
    json.EndArray().Key("windows").BeginArray();
    for (const auto& window : outbox_.windows)
        json.String(window);
    json.EndArray();
    if (!outbox_.printChoices.empty()) {
        json.Key("printOptions").BeginObject().Field("caption", DecodeForDisplay(outbox_.printCaption));
        json.Field("choice", outbox_.printChoice).Key("choices").BeginArray();
        for (const auto& choice : outbox_.printChoices)
            json.String(DecodeForDisplay(choice));
        json.EndArray().EndObject();
    }
    if (outbox_.report) {
        json.Key("report").BeginObject().Field("kind", outbox_.report->kind);
        WriteReportLayout(json);
        json.Field("printedAt", outbox_.report->printedAt).Key("records").BeginArray();
        for (const auto& record : outbox_.report->records) {
            json.BeginArray();
            for (const auto& field : record)
                json.String(field);
            json.EndArray();
        }
        json.EndArray().EndObject();
    }
    json.EndObject();
    outbox_ = Outbox{};
    return json.Text();
}

void WebApp::Close() {
    if (destroyed_)
        return;
    destroyed_ = true;
    Act([this] { form_->FormDestroy(); });
}

} // namespace dorvik::web
