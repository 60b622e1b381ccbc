#pragma once
// ISettingsStore over a RegistryTree: the reading side and the rules of writing, shared by the file store and
// the memory store. Every key path lies under HKEY_CURRENT_USER. A value written to a key that does not exist
// creates the key. A write is made on a copy of the tree and kept only when Persist accepts it, so a write
// that fails changes nothing.
// Below the store's own tree lies a read-only system layer (the system-wide store, system_store.h): a key
// exists when either holds it, a value is read from the own tree first and from the system layer when the own
// tree lacks it, and nothing is ever written to the system layer.
#include "core/store/registry_tree.h"
#include "core/store/settings_store.h"

namespace dorvik {

class TreeSettingsStore : public ISettingsStore {
public:
    bool KeyExists(std::string_view key) const override;
    std::optional<StoredValue> ReadValue(std::string_view key, std::string_view name) const override;

    bool CreateKey(std::string_view key) override;
    bool WriteString(std::string_view key, std::string_view name, std::string_view text) override;
    bool WriteDword(std::string_view key, std::string_view name, std::uint32_t value) override;

    const RegistryTree& Tree() const { return tree_; }
    const RegistryTree& SystemTree() const { return system_; }

protected:
    TreeSettingsStore() = default;
    explicit TreeSettingsStore(RegistryTree tree, RegistryTree system = {})
        : tree_(std::move(tree)), system_(std::move(system)) {}
    TreeSettingsStore(const TreeSettingsStore&) = default;
    TreeSettingsStore& operator=(const TreeSettingsStore&) = default;

    // Called for every write with the tree as it would be after it; changed is false when the write would
    // change nothing (creating a key that exists). Returns false to refuse the write.
    virtual bool Persist(const RegistryTree& next, bool changed) = 0;

private:
    bool WriteValue(std::string_view key, RegistryValue value);

    RegistryTree tree_;
    RegistryTree system_;
};

// "HKEY_CURRENT_USER" followed by the key path.
std::string CurrentUserPath(std::string_view key);

} // namespace dorvik
