#pragma once
// The platform services of the web page. Messages and questions are the browser's own dialogs. What the page
// must do after a handler returns is collected in the outbox: files written for the user (offered as
// downloads), the clipboard's new text, links to open and windows to show.
#include "core/forms/services.h"

#include <optional>
#include <string>
#include <vector>

namespace dorvik::web {

struct Outbox {
    // Save dialogs answered during the handler: the file named in each afterwards (the handler may add the
    // extension) is offered when it exists.
    std::vector<const TFileDialog*> saveDialogs;
    std::optional<std::string> clipboard;
    std::vector<std::string> links;
    std::vector<std::string> windows; // "about", "print", "chart"
    std::string chartSvg;             // the chart's picture when "chart" is shown
    // The file the next open dialog answers with: the page has read it from the user's disk already.
    std::optional<std::string> openAnswer;
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

private:
    Outbox& outbox_;
};

} // namespace dorvik::web
