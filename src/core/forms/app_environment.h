#pragma once
// What a window model needs to know of the process it runs in.
#include "core/store/registry_tree.h"
#include "core/text/file_bytes.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dorvik {

struct TAppEnvironment {
    std::vector<std::string> Params;     // command-line parameters, without the program's own name
    std::filesystem::path ProgramFolder; // the running program's folder: catalogue and rates beside it
    // Where the program writes its own files (dvk/, xls/, html/, update.ini, print data): the program folder
    // when writable, else the per-user data folder. See WritableDataFolder.
    std::filesystem::path OutputFolder;
    // Where the dialogs for exports, query files and charts open when the program folder cannot be written
    // (an installed program): the user's documents folder, where a file manager shows them. Unset: the
    // sub-folders of OutputFolder (dvk/, xls/, html/).
    std::optional<std::filesystem::path> DocumentsFolder;
    char DecimalSeparator = '.'; // the user's locale's
    // Set by the command-line tool to read other files than the installed ones.
    std::optional<std::filesystem::path> CatalogueFile;
    std::optional<std::filesystem::path> PriceFile;
    std::optional<std::filesystem::path> RatesFile;
    // The user's own lines and their prices (User_TLine_Connectors.dat, User_M_lom.dat), read after the
    // maker's files when they exist. The desktop program names its user data folder's; the command-line tool
    // only the files given, so that its output never depends on the machine.
    std::optional<std::filesystem::path> UserCatalogueFile;
    std::optional<std::filesystem::path> UserPriceFile;
    // How the catalogue and the price list are read: the command-line tool, which ends after one query, maps
    // them; the desktop program, which keeps the price list for hours, copies it (see FileBytes::Access).
    FileBytes::Access DataFileAccess = FileBytes::Access::Copy;
};

// The program folder of an executable in executableFolder: in an installed layout the folder the package puts
// the catalogue in, installedRelative to the executable's folder (such as "../share/dorvik"), when it exists;
// otherwise the executable's own folder, as in the build tree.
std::filesystem::path ProgramFolderOf(const std::filesystem::path& executableFolder,
                                      const std::filesystem::path& installedRelative);

// The program folder when a file can be created in it; otherwise dataHome/Veltrane/Dorvik (created).
// dataHome is $XDG_DATA_HOME, or ~/.local/share when that is unset.
std::filesystem::path WritableDataFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& dataHome);

// Where the user's own catalogue files live: dataHome/Veltrane/Dorvik (not created).
std::filesystem::path UserDataFolder(const std::filesystem::path& dataHome);

// The shared data folder an installation puts beside the program, installedRelative to the executable's
// folder (such as "../share/veltrane/common-files"), when it exists.
std::optional<std::filesystem::path> InstalledSharedFolder(const std::filesystem::path& executableFolder,
                                                           const std::filesystem::path& installedRelative);

// The system-wide settings of the files (ReadSystemStores); when none of them names the shared data folder,
// or the folder named is gone, the installed one stands in as its "Path", so a moved or relocated
// installation finds its price list. The user's own "Path" still wins.
RegistryTree ReadSystemSettings(const std::vector<std::filesystem::path>& files,
                                const std::optional<std::filesystem::path>& installedSharedFolder);

} // namespace dorvik
