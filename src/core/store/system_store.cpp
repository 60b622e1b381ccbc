#include "core/store/system_store.h"

#include "core/errors.h"
#include "core/store/registry_text.h"
#include "core/text/text_file.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace dorvik {

std::vector<std::filesystem::path> SystemStorePaths() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string_view list = (dirs != nullptr && *dirs != '\0') ? dirs : "/etc/xdg";
    std::vector<std::filesystem::path> files;
    while (!list.empty()) {
        const auto colon = list.find(':');
        const std::filesystem::path folder(list.substr(0, colon));
        // Relative entries are invalid and ignored, as every XDG reader does.
        if (folder.is_absolute())
            files.push_back(folder / "Veltrane" / "registry.reg");
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return files;
}

RegistryTree ReadSystemStores(const std::vector<std::filesystem::path>& files) {
    RegistryTree merged;
    // The least important file first, so that each more important one overwrites what it also holds.
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(*file, ec))
            continue;
        std::string text;
        try {
            text = ReadWholeFile(*file);
        } catch (const FileError&) {
            continue;
        }
        const ParsedRegistry parsed = ParseRegistryText(text);
        for (const auto& [folded, key] : parsed.tree.Keys()) {
            merged.CreateKey(key.path);
            for (const auto& value : key.values)
                merged.SetValue(key.path, value);
        }
    }
    return merged;
}

} // namespace dorvik
