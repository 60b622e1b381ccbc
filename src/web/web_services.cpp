#include "web/web_services.h"

#include "core/chart/chart_svg.h"
#include "core/forms/chart/frm_chart.h"
#include "core/text/text_file.h"

#include <emscripten/val.h>

#include <algorithm>
#include <filesystem>

namespace dorvik::web {

namespace {

// The chart's size in points, as the desktop program saves it.
constexpr double kChartWidth = 750;
constexpr double kChartHeight = 525;

// The browser's dialogs break lines at "\n"; the program's messages break them at "\r".
std::string ForDialog(const std::string& text) {
    std::string out = DecodeForDisplay(text);
    std::replace(out.begin(), out.end(), '\r', '\n');
    return out;
}

std::string IconPrefix(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return "Warning\n\n";
    case MessageIcon::Error:
        return "Error\n\n";
    case MessageIcon::Information:
        break;
    }
    return {};
}

// A name for a file dialog that proposes none: the filter's first pattern after a neutral base name.
std::string FallbackName(const TFileDialog& dialog) {
    std::string ext = dialog.DefaultExt;
    if (!ext.empty() && ext.front() == '.')
        ext.erase(0, 1);
    return ext.empty() ? "lines" : "lines." + ext;
}

} // namespace

void WebServices::ShowMessage(const std::string& text, MessageIcon icon) {
    emscripten::val::global("window").call<void>("alert", IconPrefix(icon) + ForDialog(text));
}

void WebServices::ShowDetailedMessage(const std::string& text, MessageIcon icon, const std::string& details) {
    if (details.empty() || details == text) {
        ShowMessage(text, icon);
        return;
    }
    emscripten::val::global("window").call<void>("alert", IconPrefix(icon) + ForDialog(text) + "\n\n" +
                                                              "Details:\n" + ForDialog(details));
}

bool WebServices::Confirm(const std::string& text) {
    return emscripten::val::global("window").call<bool>("confirm", ForDialog(text));
}

bool WebServices::ExecuteFileDialog(TFileDialog& dialog) {
    if (dialog.kind == TFileDialog::Kind::Open) {
        if (!outbox_.openAnswer)
            return false;
        dialog.FileName = *outbox_.openAnswer;
        outbox_.openAnswer.reset();
        return true;
    }
    // Saving: the proposed name in the program's own folder; the browser asks where the download goes.
    std::filesystem::path path = dialog.FileName;
    if (path.filename().empty())
        path = std::filesystem::path(dialog.InitialDir) / FallbackName(dialog);
    dialog.FileName = path.string();
    outbox_.saveDialogs.push_back(&dialog);
    return true;
}

void WebServices::ShellOpen(const std::string& target) {
    // A file written here is offered as a download already; links open in a new tab.
    if (target.rfind("http://", 0) == 0 || target.rfind("https://", 0) == 0 ||
        target.rfind("mailto:", 0) == 0)
        outbox_.links.push_back(target);
}

bool WebServices::SetClipboardText(const std::string& text) {
    outbox_.clipboard = DecodeForDisplay(text);
    return true;
}

TModalResult WebServices::ShowModal(TForm& form) {
    if (form.Name == "frmAbout") {
        outbox_.windows.emplace_back("about");
    } else if (form.Name == "frmPrintOptions") {
        outbox_.windows.emplace_back("print");
    } else if (const auto* chart = dynamic_cast<const TfrmChart*>(&form)) {
        outbox_.windows.emplace_back("chart");
        outbox_.chartSvg = ChartSvg(MakeChartScene(chart->Figure(), kChartWidth, kChartHeight));
    }
    return TModalResult::Cancel;
}

CalendarDate WebServices::Today() {
    const CalendarDateTime now = Now();
    return now.date;
}

} // namespace dorvik::web
