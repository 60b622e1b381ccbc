#pragma once
// The read-only, system-wide settings store: what an installation supplies to every user (the shared data
// folder's "Path"). It is one file in the user store's layout, Veltrane/registry.reg, in each folder of
// $XDG_CONFIG_DIRS (/etc/xdg when unset or empty); a user's own value always wins over it
// (TreeSettingsStore).
#include "core/store/registry_tree.h"

#include <filesystem>
#include <vector>

namespace dorvik {

// The system store files to read, most important first: one for each absolute folder of $XDG_CONFIG_DIRS.
std::vector<std::filesystem::path> SystemStorePaths();

// The system files merged into one tree: a value in an earlier file wins over the same value in a later one.
// A file that is missing or cannot be read is passed over; a damaged one is read as far as it can be.
RegistryTree ReadSystemStores(const std::vector<std::filesystem::path>& files);

} // namespace dorvik
