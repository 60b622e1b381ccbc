#pragma once
// The platform services of the web page, which runs the program in a worker. What the page must do after a
// handler returns is collected in the outbox: messages to show, files written for the user (offered as
// downloads), the clipboard's new text, links to open and windows to show.
#include "core/catalogue/user_catalogue.h"
#include "core/forms/chart/chart_of_lines.h"
#include "core/forms/printing/report_engine.h"
#include "core/forms/services.h"

#include <optional>
#include <string>
#include <vector>

namespace dorvik::web {

struct Outbox {
    // Messages and their details, shown by the page after the handler; icon: "", "warning" or "error".
    struct Message {
        std::string text;
        std::string icon;
        std::string details;
    };
    std::vector<Message> messages;
    // A question asked during the handler: the page asks the person and runs the action again with the
    // answer, since a worker cannot wait for a click.
    std::optional<std::string> question;
    std::optional<bool> answer;
    // Save dialogs answered during the handler: the file named in each afterwards (the handler may add the
    // extension) is offered when it exists.
    std::vector<const TFileDialog*> saveDialogs;
    std::optional<std::string> clipboard;
    std::vector<std::string> links;
    std::vector<std::string> windows;   // "about", "print", "chart", "userLines", "datasheet"
    std::optional<TChartOfLines> chart; // the chart window's lines when "chart" is shown
    // The print options window's choices when "print" is shown: its caption, items and the item chosen.
    std::string printCaption;
    std::vector<std::string> printChoices;
    int printChoice = -1;
    // A report to print: "list" or "datasheet", its data file's records (fields as the report engine reads
    // them) and the time it was printed at.
    struct Report {
        std::string kind;
        std::vector<std::vector<std::string>> records;
        std::string printedAt;
    };
    std::optional<Report> report;
    // The user's line the datasheet window was shown to edit; whether the user's files were written.
    std::optional<UserLineEntry> editedLine;
    bool userFilesChanged = false;
    // The file the next open dialog answers with: the page has read it from the user's disk already.
    std::optional<std::string> openAnswer;
};

// The page's report engine: the report's records go to the page, which lays them out for the browser's print
// dialog.
class WebReports final : public IReportEngine {
public:
    explicit WebReports(Outbox& outbox) : outbox_(outbox) {}
    void Print(TReportKind report, const std::filesystem::path& dataFile,
               const CalendarDateTime& printedAt) override;
    void ClosePipeline(TReportKind) noexcept override {}

private:
    Outbox& outbox_;
};

class WebServices final : public IPlatformServices {
public:
    explicit WebServices(Outbox& outbox) : outbox_(outbox) {}

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    void ShowDetailedMessage(const std::string& text, MessageIcon icon, const std::string& details) override;
    bool Confirm(const std::string& text) override;
    void Beep() override {}
    bool ExecuteFileDialog(TFileDialog& dialog) override;
    void ShellOpen(const std::string& target) override;
    bool SetClipboardText(const std::string& text) override;
    // Whatever the page writes is a download, which the browser hands to the user's own programs.
    bool HasDefaultApplication(const std::string&) override { return true; }
    // No Quick Update: a web page is always current.
    DownloadResult Download(const std::string&, const std::string&) override {
        return DownloadResult::Failed;
    }
    void SetBusyCursor(bool) override {}
    CalendarDate Today() override;
    // The page shows the window after the handler returns; the window closes at once in the model.
    TModalResult ShowModal(TForm& form) override;
    IReportEngine* Reports() override { return &reports_; }

private:
    Outbox& outbox_;
    WebReports reports_{outbox_};
};

} // namespace dorvik::web
