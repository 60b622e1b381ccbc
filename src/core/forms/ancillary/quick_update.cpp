#include "core/forms/ancillary/quick_update.h"

#include "core/errors.h"
#include "core/forms/ancillary/frm_update.h"
#include "core/forms/ancillary/reminder_date.h"
#include "core/store/profile_file.h"
#include "core/text/whole_number.h"

namespace dorvik {

int ReadUpdateInteger(const std::filesystem::path& iniFile, const char* key, int defaultValue) {
    const auto text = FindProfileValue(iniFile, kUpdateSection, key);
    if (!text)
        return defaultValue;
    return TryReadWholeNumber(*text).value_or(defaultValue);
}

std::string QuickUpdateUrl(const ISettingsStore& store) {
    const auto value = store.ReadValue(kCommonFilesKey, kUpdateUrlValue);
    if (value && value->type == StoredValue::Type::String && !value->text.empty())
        return value->text;
    return kSetupUrl;
}

TQuickUpdate::TQuickUpdate(const TAppEnvironment& environment, IPlatformServices& services,
                           std::string setupUrl)
    : programFolder_(environment.ProgramFolder), outputFolder_(environment.OutputFolder), services_(services),
      setupUrl_(std::move(setupUrl)) {}

void TQuickUpdate::CheckUpdateReminder() {
    const CalendarDate today = services_.Today();
    const auto stored = FindProfileValue(IniFile(), kUpdateSection, kDateKey);
    const auto date = stored ? ReadIsoDate(*stored) : std::nullopt;
    if (date) {
        if (CompareDates(today, *date) > 0)
            ShowUpdateDialog(kReminderMessage);
        return;
    }
    // No date yet, or one that does not read: a date that never reads would silence the reminder for good.
    try {
        WriteProfileString(IniFile(), kUpdateSection, kDateKey,
                           FormatIsoDate(AddDays(today, kDefaultReminderDays)));
    } catch (const FileError& error) {
        // Every activation would report it again.
        if (writeFailureReported_)
            return;
        writeFailureReported_ = true;
        services_.ShowMessage(error.what(), MessageIcon::Error);
    }
}

TModalResult TQuickUpdate::ShowUpdateDialog(const std::string& message) {
    TfrmUpdate dialog(*this);
    dialog.FormCreate();
    if (!message.empty())
        dialog.lblMessage.SetCaption(message);
    services_.ShowModal(dialog);
    // The close box is Cancel: the reminder waits its days, instead of coming back at the next activation.
    if (dialog.ModalResult == TModalResult::None)
        dialog.btnCancelClick();
    return dialog.ModalResult;
}

DownloadResult TQuickUpdate::DownloadFile(const std::string& url, const std::filesystem::path& path) {
    const BusyCursor busy(services_);
    try {
        return services_.Download(url, path.string());
    } catch (const std::exception&) {
        return DownloadResult::Failed;
    }
}

void TQuickUpdate::DownloadAndInstall(const std::string& url, const std::filesystem::path& path) {
    switch (DownloadFile(url, path)) {
    case DownloadResult::Completed:
        services_.ShowMessage(kDownloadedMessage, MessageIcon::Information);
        services_.ShellOpen(path.string());
        break;
    case DownloadResult::Failed:
        services_.ShowMessage(kDownloadFailedMessage, MessageIcon::Error);
        break;
    case DownloadResult::Refused:
        services_.ShowMessage(kDownloadRefusedMessage, MessageIcon::Error);
        break;
    case DownloadResult::Cancelled:
        break;
    }
}

void TQuickUpdate::SetNextReminder(int days) {
    WriteProfileString(IniFile(), kUpdateSection, kDateKey, FormatIsoDate(AddDays(services_.Today(), days)));
}

int TQuickUpdate::ReadReminderDays() const {
    return ReadUpdateInteger(IniFile(), kDaysKey, kDefaultReminderDays);
}

} // namespace dorvik
