#include "web/web_services.h"

#include "core/forms/chart/frm_chart.h"
#include "core/forms/datasheet/frm_datasheet_line.h"
#include "core/forms/datasheet/frm_user_lines.h"
#include "core/forms/printing/frm_print_options.h"
#include "core/text/text_file.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace dorvik::web {

namespace {

// The page's own folders mean nothing to the person: a path in them is shown as its file name.
std::string WithoutPageFolders(std::string text) {
    for (auto start = text.find("/dorvik/"); start != std::string::npos;
         start = text.find("/dorvik/", start)) {
        const auto end = text.find_first_of(" \t\r\n'\"", start);
        const auto slash = text.rfind('/', end == std::string::npos ? text.size() - 1 : end - 1);
        text.erase(start, slash + 1 - start);
    }
    return text;
}

// The page breaks lines at "\n"; the program's messages break them at "\r".
std::string ForDialog(const std::string& text) {
    std::string out = WithoutPageFolders(DecodeForDisplay(text));
    std::replace(out.begin(), out.end(), '\r', '\n');
    return out;
}

std::string IconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return "warning";
    case MessageIcon::Error:
        return "error";
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
    outbox_.messages.push_back({ForDialog(text), IconName(icon), {}});
}

void WebServices::ShowDetailedMessage(const std::string& text, MessageIcon icon, const std::string& details) {
    outbox_.messages.push_back(
        {ForDialog(text), IconName(icon), details == text ? std::string() : ForDialog(details)});
}

bool WebServices::Confirm(const std::string& text) {
    if (outbox_.answer)
        return *outbox_.answer;
    outbox_.question = ForDialog(text);
    return false;
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
    } else if (const auto* options = dynamic_cast<const TfrmPrintOptions*>(&form)) {
        outbox_.windows.emplace_back("print");
        outbox_.printCaption = options->rgPrintOptions.Caption();
        outbox_.printChoices = options->rgPrintOptions.Items();
        outbox_.printChoice = options->rgPrintOptions.ItemIndex();
    } else if (const auto* chart = dynamic_cast<const TfrmChart*>(&form)) {
        outbox_.windows.emplace_back("chart");
        outbox_.chart = chart->Lines();
    } else if (const auto* line = dynamic_cast<const TfrmDatasheetLine*>(&form)) {
        outbox_.windows.emplace_back("datasheet");
        outbox_.editedLine = line->Edited();
    } else if (dynamic_cast<const TfrmUserLines*>(&form)) {
        outbox_.windows.emplace_back("userLines");
    }
    return TModalResult::Cancel;
}

void WebReports::Print(TReportKind report, const std::filesystem::path& dataFile,
                       const CalendarDateTime& printedAt) {
    Outbox::Report out;
    out.kind = report == TReportKind::List ? "list" : "datasheet";
    // Records end at CR LF; each field is followed by "|".
    for (const std::string& line : SplitLines(ReadWholeFile(dataFile))) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', start)) {
            fields.push_back(DecodeForDisplay(line.substr(start, bar - start)));
            start = bar + 1;
        }
        if (!fields.empty())
            out.records.push_back(std::move(fields));
    }
    char when[32];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d:%02d", printedAt.date.year,
                  printedAt.date.month, printedAt.date.day, printedAt.hour, printedAt.minute,
                  printedAt.second);
    out.printedAt = when;
    outbox_.report = std::move(out);
}

CalendarDate WebServices::Today() {
    const CalendarDateTime now = Now();
    return now.date;
}

} // namespace dorvik::web
