// The desktop program.
#include "core/forms/ancillary/frm_splash.h"
#include "core/forms/app_environment.h"
#include "core/forms/main_window/frm_main.h"
#include "core/store/registry_file_store.h"
#include "core/store/system_store.h"
#include "gui/ancillary/ancillary_views.h"
#include "gui/ancillary/splash_view.h"
#include "gui/chart/chart_hookup.h"
#include "gui/datasheet/datasheet_views.h"
#include "gui/main_window/main_window_view.h"
#include "gui/platform/qt_platform_services.h"
#include "gui/platform/quit_on_signal.h"
#include "gui/printing/preview_reports.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path DataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : ".") / ".local" / "share";
}

// The user's documents folder (xdg-user-dir DOCUMENTS), else the home folder.
std::filesystem::path DocumentsFolder() {
    const std::filesystem::path documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    std::error_code ec;
    if (!documents.empty() && std::filesystem::is_directory(documents, ec))
        return documents;
    return QDir::homePath().toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(dorvik::kApplicationTitle));
    // No display name: Qt would append it to every window title and cut small dialogs' designed captions.
    // Ties the windows to the installed desktop entry (taskbar icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral(DORVIK_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(DORVIK_APP_ID)));

    dorvik::TAppEnvironment environment;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    for (const QString& argument : arguments)
        environment.Params.push_back(argument.toStdString());
    environment.ProgramFolder = dorvik::ProgramFolderOf(QApplication::applicationDirPath().toStdString(),
                                                        DORVIK_PROGRAM_FOLDER_FROM_BIN);
    environment.OutputFolder = dorvik::WritableDataFolder(environment.ProgramFolder, DataHome());
    // An installed program's own files stay in the hidden data folder; the user's go where the user looks.
    if (environment.OutputFolder != environment.ProgramFolder)
        environment.DocumentsFolder = DocumentsFolder();
    environment.DecimalSeparator = dorvik::gui::SystemDecimalSeparator();
    const auto userFolder = dorvik::UserDataFolder(DataHome());
    environment.UserCatalogueFile = userFolder / "User_TLine_Connectors.dat";
    environment.UserPriceFile = userFolder / "User_M_lom.dat";

    // An interactive start shows the splash first; the main window is made once it has gone.
    if (environment.Params.empty()) {
        dorvik::TfrmSplash splash;
        dorvik::gui::ShowSplashAndWait(splash);
    }

    const std::filesystem::path executableFolder = QApplication::applicationDirPath().toStdString();
    dorvik::RegistryFileStore store(
        dorvik::DefaultStorePath(),
        dorvik::ReadSystemSettings(
            dorvik::SystemStorePaths(),
            dorvik::InstalledSharedFolder(executableFolder, DORVIK_SHARED_FOLDER_FROM_BIN)));
    dorvik::gui::QtPlatformServices services;
    dorvik::gui::RegisterAncillaryViews(services);
    dorvik::gui::RegisterChartView(services);
    dorvik::gui::RegisterDatasheetViews(services);
    dorvik::gui::RegisterPrintingViews(services);
    dorvik::TfrmMain form(environment, store, services);
    dorvik::gui::MainWindowView view(form);
    form.Dispatch([&form] { form.FormCreate(); });
    int status = 0;
    if (!form.TerminateRequested) {
        services.SetDialogParent(&view);
        services.SetBeforeProcessEvents([&view] { view.Refresh(); });
        // The spreadsheet program is looked up in the background, so the answer is ready when the export
        // asks whether to open the file.
        form.ExcelInstalled();
        view.Refresh();
        view.show();
        dorvik::gui::QuitOnTerminationSignals(&view);
        status = QApplication::exec();
    }
    services.SetDialogParent(nullptr);
    services.SetBeforeProcessEvents({});
    form.Dispatch([&form] { form.FormDestroy(); });
    return status;
}
