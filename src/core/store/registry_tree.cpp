#include "core/store/registry_tree.h"

#include <algorithm>

namespace dorvik {

namespace {

// The separator sorts before every other byte, so that "a\b" comes before "a b" and subkeys follow their key.
unsigned Rank(char c) {
    return c == '\\' ? 0U : static_cast<unsigned>(static_cast<unsigned char>(c)) + 1U;
}

} // namespace

std::string NormalizeKeyPath(std::string_view path) {
    std::string out;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find('\\', start), path.size());
        if (end > start) {
            if (!out.empty())
                out += '\\';
            out.append(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return out;
}

bool RegistryTree::TreeOrder::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Rank(x) < Rank(y); });
}

bool RegistryTree::HasKey(std::string_view path) const {
    const auto normalized = NormalizeKeyPath(path);
    if (normalized.empty())
        return false;
    if (normalized.find('\\') == std::string::npos)
        return true; // a root always exists
    const auto folded = LowerCaseAscii(normalized);
    // In tree order the key itself, or else its first subkey, is the first entry not before the path.
    const auto it = keys_.lower_bound(folded);
    if (it == keys_.end())
        return false;
    const std::string& found = it->first;
    return found == folded || (found.size() > folded.size() && found.compare(0, folded.size(), folded) == 0 &&
                               found[folded.size()] == '\\');
}

bool RegistryTree::CreateKey(std::string_view path) {
    if (NormalizeKeyPath(path).empty() || HasKey(path))
        return false;
    Key(NormalizeKeyPath(path));
    return true;
}

const RegistryValue* RegistryTree::FindValue(std::string_view path, std::string_view name) const {
    const auto it = keys_.find(LowerCaseAscii(NormalizeKeyPath(path)));
    if (it == keys_.end())
        return nullptr;
    const auto& key = it->second;
    const auto found = key.index.find(LowerCaseAscii(name));
    return found == key.index.end() ? nullptr : &key.values[found->second];
}

void RegistryTree::SetValue(std::string_view path, RegistryValue value) {
    const auto normalized = NormalizeKeyPath(path);
    if (normalized.empty())
        return;
    auto& key = Key(normalized);
    const auto [found, inserted] = key.index.try_emplace(LowerCaseAscii(value.name), key.values.size());
    if (!inserted) {
        auto& existing = key.values[found->second];
        existing.data = std::move(value.data);
        existing.raw = std::move(value.raw);
        return;
    }
    key.values.push_back(std::move(value));
}

RegistryKey& RegistryTree::Key(std::string_view normalizedPath) {
    auto [it, inserted] = keys_.try_emplace(LowerCaseAscii(normalizedPath));
    if (inserted)
        it->second.path = std::string(normalizedPath);
    return it->second;
}

} // namespace dorvik
