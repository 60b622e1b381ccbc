#pragma once
// The update reminder and the quick update: update.ini (section "UPDATE": the reminder date, the days
// between reminders, the auto-update option), the check at each activation of the main window, and the
// download of the setup package that is then handed to the desktop.
#include "core/forms/app_environment.h"
#include "core/forms/controls/form.h"
#include "core/forms/services.h"
#include "core/store/settings_store.h"

#include <filesystem>
#include <string>

namespace dorvik {

inline constexpr const char* kSetupUrl = "https://www.veltrane.example/downloads/dorvik/dvksetup.deb";
// The value beside the shared data folder's "Path" that points the quick update at another server (a
// distributor's, or a test's).
inline constexpr const char* kUpdateUrlValue = "UpdateURL";
inline constexpr const char* kUpdateSection = "UPDATE";
inline constexpr const char* kDateKey = "date";
inline constexpr const char* kDaysKey = "days";
inline constexpr const char* kAutoUpdateKey = "autoupdate";
inline constexpr int kDefaultReminderDays = 30;
inline constexpr const char* kReminderMessage =
    "It appears you have not updated your application files lately. You can download the latest data files "
    "from here.";
inline constexpr const char* kDownloadedMessage =
    "Update files have been downloaded. Press OK to continue with installation";
inline constexpr const char* kDownloadFailedMessage =
    "Unable to download files. Please make sure you have an active Internet connection.";
inline constexpr const char* kDownloadRefusedMessage =
    "Unable to download files: the update server does not have them. Please try again later.";

// A whole number of the "UPDATE" section of the file; defaultValue when missing or not a whole number.
int ReadUpdateInteger(const std::filesystem::path& iniFile, const char* key, int defaultValue);

// The setup package's address: the store's "UpdateURL" (the user's, else the system-wide one) when it is a
// non-empty text, else the maker's.
std::string QuickUpdateUrl(const ISettingsStore& store);

class TQuickUpdate {
public:
    TQuickUpdate(const TAppEnvironment& environment, IPlatformServices& services,
                 std::string setupUrl = kSetupUrl);

    // update.ini and the downloaded package go where the program writes its files; connect.gif lies beside
    // the program.
    std::filesystem::path IniFile() const { return outputFolder_ / "update.ini"; }
    std::filesystem::path SetupFile() const { return outputFolder_ / "dvksetup.deb"; }
    std::filesystem::path PictureFile() const { return programFolder_ / "connect.gif"; }
    const std::string& SetupUrl() const { return setupUrl_; }
    IPlatformServices& Services() { return services_; }

    // At each activation of the main window: shows the reminder when its date has passed, and writes the
    // date (today plus 30 days) when there is none or it does not read. A failure to write update.ini is
    // reported once per run.
    void CheckUpdateReminder();
    // The "Quick Update" dialog with the message (the dialog's own when empty); its result.
    TModalResult ShowUpdateDialog(const std::string& message);
    // The download with the busy cursor.
    DownloadResult DownloadFile(const std::string& url, const std::filesystem::path& path);
    // Downloads, reports, and hands the package to the desktop; a cancelled download reports nothing.
    void DownloadAndInstall(const std::string& url, const std::filesystem::path& path);
    // Writes the reminder date as today plus days; throws FileError when update.ini cannot be written.
    void SetNextReminder(int days);
    int ReadReminderDays() const;

private:
    std::filesystem::path programFolder_;
    std::filesystem::path outputFolder_;
    IPlatformServices& services_;
    std::string setupUrl_;
    bool writeFailureReported_ = false;
};

} // namespace dorvik
