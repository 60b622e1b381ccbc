#include "core/forms/app_environment.h"

#include "core/store/system_store.h"

#include <cstdio>
#include <system_error>

namespace dorvik {

namespace {
bool CanCreateFileIn(const std::filesystem::path& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return false;
    const auto probe = folder / ".dorvik-write-test";
    std::FILE* out = std::fopen(probe.string().c_str(), "wb");
    if (out == nullptr)
        return false;
    std::fclose(out);
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

std::filesystem::path UserDataFolder(const std::filesystem::path& dataHome) {
    return dataHome / "Veltrane" / "Dorvik";
}

std::filesystem::path WritableDataFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& dataHome) {
    if (CanCreateFileIn(programFolder))
        return programFolder;
    const auto folder = UserDataFolder(dataHome);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

std::optional<std::filesystem::path> InstalledSharedFolder(const std::filesystem::path& executableFolder,
                                                           const std::filesystem::path& installedRelative) {
    if (installedRelative.empty() || !installedRelative.is_relative())
        return std::nullopt;
    const auto folder = (executableFolder / installedRelative).lexically_normal();
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return std::nullopt;
    return folder;
}

RegistryTree ReadSystemSettings(const std::vector<std::filesystem::path>& files,
                                const std::optional<std::filesystem::path>& installedSharedFolder) {
    RegistryTree tree = ReadSystemStores(files);
    const std::string key = std::string(kCurrentUserRoot) + std::string(kCommonFilesKey);
    // A folder the system files name that is gone (the installation was moved) is no better than none.
    const RegistryValue* named = tree.FindValue(key, "Path");
    std::error_code ec;
    const bool usable = named != nullptr && (named->data.type != StoredValue::Type::String ||
                                             std::filesystem::is_directory(named->data.text, ec));
    if (installedSharedFolder && !usable)
        tree.SetValue(
            key, RegistryValue{
                     "Path", StoredValue{StoredValue::Type::String, installedSharedFolder->string(), 0}, {}});
    return tree;
}

} // namespace dorvik
