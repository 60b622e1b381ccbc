#pragma once
// The platform services of the desktop program, with Qt.
#include "core/forms/services.h"

class QWidget;

namespace dorvik::gui {

class QtPlatformServices : public IPlatformServices {
public:
    void SetParentWindow(QWidget* window) { parent_ = window; }

    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool Confirm(const std::string& text) override;
    void Beep() override;
    bool ExecuteFileDialog(TFileDialog& dialog) override;
    void ShellOpen(const std::string& target) override;
    bool SetClipboardText(const std::string& text) override;
    bool HasDefaultApplication(const std::string& mimeType) override;
    bool Download(const std::string& url, const std::string& path) override;
    void SetBusyCursor(bool busy) override;
    CalendarDate Today() override;
    void ProcessEvents() override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace dorvik::gui
