// The module the page imports: the application and the one about box text it shows.
#include "core/forms/ancillary/frm_about.h"
#include "core/text/text_file.h"
#include "web/json_writer.h"
#include "web/web_app.h"

#include <emscripten/bind.h>

namespace {

std::string AboutJson() {
    const dorvik::TfrmAbout about;
    dorvik::web::JsonWriter json;
    json.BeginObject()
        .Field("caption", dorvik::DecodeForDisplay(about.Caption))
        .Field("label", dorvik::DecodeForDisplay(about.Label1.Caption()))
        .Field("notice", dorvik::DecodeForDisplay(about.Memo1.Caption()))
        .Field("button", dorvik::DecodeForDisplay(about.Button1.Caption()))
        .Field("version", std::string(DORVIK_VERSION))
        .EndObject();
    return json.Text();
}

} // namespace

EMSCRIPTEN_BINDINGS(dorvik) {
    using dorvik::web::WebApp;
    emscripten::class_<WebApp>("WebApp")
        .constructor<const std::string&, const std::string&, const std::string&>()
        .function("event", &WebApp::Event)
        .function("openQueryFile", &WebApp::OpenQueryFile)
        .function("runLink", &WebApp::RunLink)
        .function("print", &WebApp::Print)
        .function("state", &WebApp::State)
        .function("rows", &WebApp::Rows)
        .function("takeOutbox", &WebApp::TakeOutbox)
        .function("close", &WebApp::Close)
        .function("saveSettings", &WebApp::SaveSettings)
        .function("usable", &WebApp::Usable)
        .function("discard", &WebApp::Discard)
        .function("chart", &WebApp::Chart)
        .function("chartChoose", &WebApp::ChartChoose)
        .function("chartQuantity", &WebApp::ChartQuantity)
        .function("chartReadOut", &WebApp::ChartReadOut)
        .function("chartSvg", &WebApp::ChartSvg)
        .function("dialog", &WebApp::Dialog)
        .function("dialogEvent", &WebApp::DialogEvent)
        .function("closeDialogs", &WebApp::CloseDialogs)
        .function("reloadUserLines", &WebApp::ReloadUserLines);
    emscripten::function("aboutBox", &AboutJson);
    emscripten::constant("dataFolder", std::string(dorvik::web::kDataFolder));
    emscripten::constant("storeFile", std::string(dorvik::web::kStoreFile));
    emscripten::constant("inputFolder", std::string(dorvik::web::kInputFolder));
    emscripten::constant("userFolder", std::string(dorvik::web::kUserFolder));
}
