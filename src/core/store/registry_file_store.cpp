#include "core/store/registry_file_store.h"

#include "core/errors.h"
#include "core/store/registry_text.h"
#include "core/text/text_file.h"

#include <cstdlib>
#include <system_error>

namespace dorvik {

struct RegistryFileStore::Loaded {
    ParsedRegistry parsed;
    bool readable = true;
};

RegistryFileStore::RegistryFileStore(std::filesystem::path file, RegistryTree system)
    : RegistryFileStore(file, Load(file), std::move(system)) {}

RegistryFileStore::RegistryFileStore(std::filesystem::path file, Loaded loaded, RegistryTree system)
    : TreeSettingsStore(std::move(loaded.parsed.tree), std::move(system)), file_(std::move(file)),
      writable_(loaded.readable), skippedLines_(loaded.parsed.skippedLines) {}

RegistryFileStore::Loaded RegistryFileStore::Load(const std::filesystem::path& file) {
    Loaded loaded;
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return loaded; // a first start: an empty store
    if (ec || std::filesystem::is_directory(status)) {
        loaded.readable = false;
        return loaded;
    }
    try {
        loaded.parsed = ParseRegistryText(ReadWholeFile(file));
    } catch (const FileError&) {
        loaded.readable = false;
    }
    return loaded;
}

bool RegistryFileStore::Persist(const RegistryTree& next, bool changed) {
    if (!writable_)
        return false;
    if (!changed)
        return true;
    if (const auto folder = file_.parent_path(); !folder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec)
            return false;
    }
    try {
        WriteFileAtomically(file_, FormatRegistryText(next));
    } catch (const FileError&) {
        return false;
    }
    return true;
}

std::filesystem::path DefaultStorePath() {
    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        config = xdg;
        if (!config.is_absolute())
            config.clear();
    }
    if (config.empty()) {
        const char* home = std::getenv("HOME");
        config = std::filesystem::path(home != nullptr ? home : "") / ".config";
    }
    return config / "Veltrane" / "registry.reg";
}

} // namespace dorvik
