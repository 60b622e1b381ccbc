#pragma once
// Platform services for window-model tests: records what the program shows, answers dialogs from a queue.
#include "core/forms/services.h"

#include <deque>
#include <fstream>
#include <functional>
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
    CalendarDate TodayIs{2026, 12, 8};
    // Downloads: each asked "url > path"; the answer, and the bytes a completed one writes to the path.
    std::vector<std::string> Downloads;
    DownloadResult DownloadAnswer = DownloadResult::Failed;
    std::string DownloadedBytes = "package";
    // The busy cursor's state after each change, and whether it was busy during the last download.
    std::vector<bool> CursorChanges;
    bool BusyDuringDownload = false;
    // Modal windows: their captions in the order shown; OnShowModal plays the user (nullptr: closed at once).
    std::vector<std::string> ModalShown;
    std::function<TModalResult(TForm&)> OnShowModal;
    IReportEngine* ReportEngine = nullptr; // what the print command prints with

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
    DownloadResult Download(const std::string& url, const std::string& path) override {
        Downloads.push_back(url + " > " + path);
        BusyDuringDownload = !CursorChanges.empty() && CursorChanges.back();
        if (DownloadAnswer == DownloadResult::Completed)
            WriteDownload(path);
        return DownloadAnswer;
    }
    void SetBusyCursor(bool busy) override { CursorChanges.push_back(busy); }
    CalendarDate Today() override { return TodayIs; }
    CalendarDateTime Now() override { return {Today(), 14, 5, 9}; }
    TModalResult ShowModal(TForm& form) override {
        ModalShown.push_back(form.Caption);
        if (!OnShowModal)
            return form.ModalResult;
        const TModalResult result = OnShowModal(form);
        return result != TModalResult::None ? result : form.ModalResult;
    }
    IReportEngine* Reports() override { return ReportEngine; }

private:
    void WriteDownload(const std::string& path) const;
};

inline void FakeServices::WriteDownload(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << DownloadedBytes;
}

} // namespace dorvik::testing
