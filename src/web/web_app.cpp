#include "web/web_app.h"

#include "core/forms/printing/frm_print_options.h"
#include "core/store/system_store.h"
#include "core/text/text_file.h"
#include "core/text/whole_number.h"
#include "web/form_controls.h"
#include "web/form_state.h"
#include "web/json_writer.h"
#include "web/query_link.h"

#include <filesystem>
#include <system_error>

namespace dorvik::web {

namespace {

// The system-wide settings of an installation: the shared data folder, where the page keeps the price list.
std::filesystem::path WriteSystemStore() {
    const std::filesystem::path file = "/dorvik/system/registry.reg";
    std::filesystem::create_directories(file.parent_path());
    WriteFileAtomically(
        file, std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\r\n"
                          "\"Path\"=\"") +
                  kDataFolder + "\"\r\n");
    return file;
}

TAppEnvironment MakeEnvironment(const std::string& fragment, const std::string& separator) {
    TAppEnvironment env;
    env.ProgramFolder = kDataFolder;
    env.OutputFolder = kOutputFolder;
    env.DecimalSeparator = separator.size() == 1 ? separator.front() : '.';
    std::error_code ignored;
    std::filesystem::create_directories(kOutputFolder, ignored);
    std::filesystem::create_directories(kInputFolder, ignored);
    if (const auto query = QueryFileOfFragment(fragment)) {
        const std::filesystem::path file = std::filesystem::path(kInputFolder) / "address.dvk";
        WriteFileAtomically(file, *query);
        env.Params = {"FILE", file.string()};
    }
    return env;
}

int ReadIndex(const std::string& value) {
    return TryReadWholeNumber(value).value_or(-1);
}

} // namespace

WebApp::WebApp(const std::string& fragment, const std::string& separator)
    : store_(std::make_unique<RegistryFileStore>(kStoreFile, ReadSystemStores({WriteSystemStore()}))),
      form_(std::make_unique<TfrmMain>(MakeEnvironment(fragment, separator), *store_, services_)) {
    Act([this] { form_->FormCreate(); });
    // No Quick Update: a web page is always current.
    form_->Update1->SetVisible(false);
}

WebApp::~WebApp() {
    Close();
}

void WebApp::Act(const std::function<void()>& action) {
    form_->Dispatch(action);
}

void WebApp::Event(const std::string& control, const std::string& action, const std::string& value) {
    const FormControls controls = ControlsOf(*form_);
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

void WebApp::Print(int choice) {
    // The window the page showed, made again for its Print button: the model's rules choose the rows, write
    // the data file and confirm a long list; the file goes when the window closes.
    TfrmPrintOptions window(*form_, *services_.Reports());
    window.rgPrintOptions.SetItemIndex(choice);
    window.Dispatch([&window] { window.btnPrintClick(); });
    window.Dispatch([&window] { window.FormClose(); });
}

std::string WebApp::State() {
    return FormStateJson(*form_);
}

std::string WebApp::Rows(const std::string& grid, int first, int count) {
    const TGrid* found = Named(ControlsOf(*form_).grids, grid);
    return found ? GridRowsJson(*found, first, count) : "[]";
}

std::string WebApp::TakeOutbox() {
    JsonWriter json;
    json.BeginObject().Key("downloads").BeginArray();
    for (const TFileDialog* dialog : outbox_.saveDialogs) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(dialog->FileName, ec))
            json.String(dialog->FileName);
    }
    json.EndArray();
    if (outbox_.clipboard)
        json.Field("clipboard", *outbox_.clipboard);
    json.Key("links").BeginArray();
    for (const auto& link : outbox_.links)
        json.String(link);
    json.EndArray().Key("windows").BeginArray();
    for (const auto& window : outbox_.windows)
        json.String(window);
    json.EndArray();
    if (!outbox_.chartSvg.empty())
        json.Field("chart", outbox_.chartSvg);
    if (!outbox_.printChoices.empty()) {
        json.Key("printOptions").BeginObject().Field("caption", DecodeForDisplay(outbox_.printCaption));
        json.Field("choice", outbox_.printChoice).Key("choices").BeginArray();
        for (const auto& choice : outbox_.printChoices)
            json.String(DecodeForDisplay(choice));
        json.EndArray().EndObject();
    }
    if (outbox_.report) {
        json.Key("report").BeginObject().Field("kind", outbox_.report->kind);
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
