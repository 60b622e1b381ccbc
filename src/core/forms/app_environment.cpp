#include "core/forms/app_environment.h"

#include <fstream>
#include <system_error>

namespace dorvik {

namespace {
bool CanCreateFileIn(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return false;
    const auto probe = folder / ".dorvik-write-test";
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
    }
    std::filesystem::remove(probe, ec);
    return true;
}
} // namespace

std::filesystem::path ProgramFolderOf(const std::filesystem::path& executableFolder,
                                      const std::filesystem::path& installedRelative) {
    if (!installedRelative.empty() && installedRelative.is_relative()) {
        const auto installed = (executableFolder / installedRelative).lexically_normal();
        std::error_code ec;
        if (std::filesystem::is_directory(installed, ec))
            return installed;
    }
    return executableFolder;
}

std::filesystem::path WritableDataFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& dataHome) {
    if (CanCreateFileIn(programFolder))
        return programFolder;
    const auto folder = dataHome / "Veltrane" / "Dorvik";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

} // namespace dorvik
