#pragma once
// Platform services for window-model tests: records what the program shows, answers dialogs from a queue.
#include "core/forms/services.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace dorvik::testing {

class FakeServices : public IPlatformServices {
public:
    // "beep", "info: ...", "warning: ...", "error: ...", "open: ...", "clipboard" in the order they happened.
    std::vector<std::string> Events;
    std::deque<std::optional<std::string>> DialogAnswers; // nullopt cancels
    std::vector<TFileDialog> DialogsShown;
    bool ClipboardWorks = true;
    std::string Clipboard;
    bool HasSpreadsheetProgram = true;
    bool ConfirmAnswer = true;
    std::vector<std::string> Details; // the unfolding text of each detailed message, in order

    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& event : Events)
            if (event != "beep" && event.rfind("open: ", 0) != 0)
                out.push_back(event);
        return out;
    }

    void ShowMessage(const std::string& text, MessageIcon icon) override {
        const char* prefix = icon == MessageIcon::Information ? "info: "
                             : icon == MessageIcon::Warning   ? "warning: "
                                                              : "error: ";
        Events.push_back(prefix + text);
    }
    void ShowDetailedMessage(const std::string& text, MessageIcon icon, const std::string& details) override {
        ShowMessage(text, icon);
        Details.push_back(details);
    }
    bool Confirm(const std::string& text) override {
        Events.push_back("confirm: " + text);
        return ConfirmAnswer;
    }
    void Beep() override { Events.push_back("beep"); }
    bool ExecuteFileDialog(TFileDialog& dialog) override {
        DialogsShown.push_back(dialog);
        if (DialogAnswers.empty())
            return false;
        auto answer = DialogAnswers.front();
        DialogAnswers.pop_front();
        if (!answer)
            return false;
        dialog.FileName = *answer;
        return true;
    }
    void ShellOpen(const std::string& target) override { Events.push_back("open: " + target); }
    bool SetClipboardText(const std::string& text) override {
        if (!ClipboardWorks)
            return false;
        Clipboard = text;
        return true;
    }
    bool HasDefaultApplication(const std::string&) override { return HasSpreadsheetProgram; }
    bool Download(const std::string&, const std::string&) override { return false; }
    void SetBusyCursor(bool) override {}
    CalendarDate Today() override { return {2026, 12, 8}; }
    CalendarDateTime Now() override { return {Today(), 14, 5, 9}; }
};

} // namespace dorvik::testing
