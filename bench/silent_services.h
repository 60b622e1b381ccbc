#pragma once
// Platform services for the benchmarks: every message counted, every dialog refused.
#include "core/forms/services.h"

namespace dorvik::bench {

class SilentServices : public IPlatformServices {
public:
    int Messages = 0;
    void ShowMessage(const std::string&, MessageIcon) override { ++Messages; }
    bool Confirm(const std::string&) override { return false; }
    void Beep() override {}
    bool ExecuteFileDialog(TFileDialog&) override { return false; }
    void ShellOpen(const std::string&) override {}
    bool SetClipboardText(const std::string&) override { return true; }
    bool HasDefaultApplication(const std::string&) override { return false; }
    DownloadResult Download(const std::string&, const std::string&) override {
        return DownloadResult::Failed;
    }
    void SetBusyCursor(bool) override {}
    CalendarDate Today() override { return {}; }
};

} // namespace dorvik::bench
