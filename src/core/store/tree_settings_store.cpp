#include "core/store/tree_settings_store.h"

#include "core/store/registry_text.h"

namespace dorvik {

namespace {

bool SameData(const RegistryValue& current, const RegistryValue& written) {
    const StoredValue& a = current.data;
    const StoredValue& b = written.data;
    if (a.type != b.type || !current.raw.empty())
        return false;
    return a.type == StoredValue::Type::Dword ? a.number == b.number : a.text == b.text;
}

} // namespace

std::string CurrentUserPath(std::string_view key) {
    std::string path(kCurrentUserRoot);
    path += '\\';
    path += key;
    return NormalizeKeyPath(path);
}

bool TreeSettingsStore::KeyExists(std::string_view key) const {
    const auto path = CurrentUserPath(key);
    return tree_.HasKey(path) || system_.HasKey(path);
}

std::optional<StoredValue> TreeSettingsStore::ReadValue(std::string_view key, std::string_view name) const {
    const auto path = CurrentUserPath(key);
    const auto* value = tree_.FindValue(path, name);
    if (value == nullptr)
        value = system_.FindValue(path, name);
    if (value == nullptr)
        return std::nullopt;
    return value->data;
}

bool TreeSettingsStore::CreateKey(std::string_view key) {
    if (!IsStorableName(key))
        return false;
    RegistryTree next = tree_;
    const bool changed = next.CreateKey(CurrentUserPath(key));
    if (!Persist(next, changed))
        return false;
    tree_ = std::move(next);
    return true;
}

bool TreeSettingsStore::WriteString(std::string_view key, std::string_view name, std::string_view text) {
    RegistryValue value;
    value.name = std::string(name);
    value.data.type = StoredValue::Type::String;
    value.data.text = std::string(text);
    return WriteValue(key, std::move(value));
}

bool TreeSettingsStore::WriteDword(std::string_view key, std::string_view name, std::uint32_t number) {
    RegistryValue value;
    value.name = std::string(name);
    value.data.type = StoredValue::Type::Dword;
    value.data.number = number;
    return WriteValue(key, std::move(value));
}

bool TreeSettingsStore::WriteValue(std::string_view key, RegistryValue value) {
    if (!IsStorableName(key) || !IsStorableName(value.name))
        return false;
    const auto path = CurrentUserPath(key);
    // A value written again as it stands changes nothing: the settings are saved after every action, and a
    // store written back whole for each value would be rewritten many times over for nothing.
    if (const auto* current = tree_.FindValue(path, value.name);
        current != nullptr && SameData(*current, value))
        return Persist(tree_, false);
    RegistryTree next = tree_;
    next.SetValue(path, std::move(value));
    if (!Persist(next, true))
        return false;
    tree_ = std::move(next);
    return true;
}

} // namespace dorvik
