#pragma once
// The per-user settings store kept in a text file in the layout of a registry export (registry_text.h).
// The file is read once, at construction; every write updates the memory and rewrites the whole file
// atomically (temporary file, then rename), creating its folder when needed. A write whose file cannot be
// written returns false and leaves the memory as it was. A damaged file is read as far as it can be.
#include "core/store/tree_settings_store.h"

#include <cstddef>
#include <filesystem>

namespace dorvik {

class RegistryFileStore final : public TreeSettingsStore {
public:
    explicit RegistryFileStore(std::filesystem::path file, RegistryTree system = {});

    const std::filesystem::path& File() const { return file_; }
    // False when the file exists but could not be read: every write is then refused, so that settings that
    // were never loaded are not overwritten.
    bool Writable() const { return writable_; }
    // Lines of the file that could not be read at construction.
    std::size_t SkippedLines() const { return skippedLines_; }

private:
    struct Loaded;
    RegistryFileStore(std::filesystem::path file, Loaded loaded, RegistryTree system);
    static Loaded Load(const std::filesystem::path& file);
    bool Persist(const RegistryTree& next, bool changed) override;

    std::filesystem::path file_;
    bool writable_ = true;
    std::size_t skippedLines_ = 0;
};

// $XDG_CONFIG_HOME/Veltrane/registry.reg, or ~/.config/Veltrane/registry.reg when XDG_CONFIG_HOME is unset,
// empty or not an absolute path.
std::filesystem::path DefaultStorePath();

} // namespace dorvik
