#pragma once
// The platform services of the command-line tool: every message goes to standard error, one after the other;
// nothing asks a person, opens a window or a program, or touches the clipboard.
#include "core/forms/services.h"

#include <iosfwd>

namespace dorvik::cli {

class StderrServices final : public IPlatformServices {
public:
    // confirmAnswer: how every question is answered (shown on standard error either way).
    explicit StderrServices(std::ostream& err, bool confirmAnswer = false)
        : err_(err), confirmAnswer_(confirmAnswer) {}

    // The message in UTF-8, each "\r" as a line break, then a newline; other control characters as '?'. Each
    // line that holds text starts with "dorvik-query: ".
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    void ShowFieldMessage(const std::string& text, MessageIcon icon, const std::string& field) override {
        ShowMessage(field + ": " + text, icon);
    }
    bool Confirm(const std::string& text) override; // shown, answered with confirmAnswer
    void Beep() override {}
    bool ExecuteFileDialog(TFileDialog&) override { return false; }
    void ShellOpen(const std::string&) override {}
    bool SetClipboardText(const std::string&) override { return false; }
    bool HasDefaultApplication(const std::string&) override { return false; }
    DownloadResult Download(const std::string&, const std::string&) override {
        return DownloadResult::Failed;
    }
    void SetBusyCursor(bool) override {}
    CalendarDate Today() override;

private:
    std::ostream& err_;
    bool confirmAnswer_ = false;
};

} // namespace dorvik::cli
