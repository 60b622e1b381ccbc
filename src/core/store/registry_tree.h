#pragma once
// The key/value model behind the settings stores: a tree of keys under the registry's roots, each key with
// named, typed values. Key and value names compare without regard to letter case, as in the registry; the
// spelling of the first creation is kept for showing and writing out.
#include "core/store/settings_store.h"
#include "core/text/letter_case.h"

#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dorvik {

// "HKEY_CURRENT_USER": every key path of ISettingsStore lies under it.
inline constexpr std::string_view kCurrentUserRoot = "HKEY_CURRENT_USER";

// Without empty components and surrounding backslashes: "\A\\B\" -> "A\B".
std::string NormalizeKeyPath(std::string_view path);

struct RegistryValue {
    std::string name; // "" is the key's default value ("@" in the file)
    StoredValue data;
    // For Type::Other: the data as it stands after "=" in the file (e.g. "hex(2):41,00"), written back as is.
    std::string raw;
};

struct RegistryKey {
    std::string path; // full path with its root, as first spelt: "HKEY_CURRENT_USER\Software\Veltrane"
    std::vector<RegistryValue> values; // in the order of their first writing
    // Folded value name -> its place in values, kept by RegistryTree: a key of many values is read in
    // linear time and looked up in constant time.
    std::unordered_map<std::string, std::size_t> index;
};

class RegistryTree {
public:
    // Orders folded paths so that every key is followed directly by its subkeys (the order of an export).
    struct TreeOrder {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using KeyMap = std::map<std::string, RegistryKey, TreeOrder>;

    // Paths are full paths with their root; they are normalized here. A key exists when it was created or
    // when one of its subkeys was (creating a key creates its parents, as in the registry).
    bool HasKey(std::string_view path) const;
    // True when the key did not exist before.
    bool CreateKey(std::string_view path);
    const RegistryValue* FindValue(std::string_view path, std::string_view name) const;
    // Creates the key when needed; a value of the same name (any letter case) is replaced in its place and
    // keeps its first spelling.
    void SetValue(std::string_view path, RegistryValue value);

    // The keys that were created or hold values, in tree order, keyed by their folded path.
    const KeyMap& Keys() const { return keys_; }

private:
    RegistryKey& Key(std::string_view normalizedPath);

    KeyMap keys_;
};

} // namespace dorvik
