#pragma once
// A settings store held in memory only: for tests, and for the command-line tool, which reads the user's
// settings but must never write them (it works on a copy).
#include "core/store/tree_settings_store.h"

#include <cstddef>
#include <optional>

namespace dorvik {

class MemorySettingsStore final : public TreeSettingsStore {
public:
    MemorySettingsStore() = default;
    explicit MemorySettingsStore(RegistryTree tree) : TreeSettingsStore(std::move(tree)) {}
    // A copy of another store's content, its system layer included; writing to the copy leaves the other
    // store alone.
    explicit MemorySettingsStore(const TreeSettingsStore& source)
        : TreeSettingsStore(source.Tree(), source.SystemTree()) {}

    // For tests of the rules on failing writes. With fail set, every write from now on fails and changes
    // nothing; FailWritesAfter(n) lets the next n writes succeed and fails every later one.
    void SetWritesFail(bool fail);
    void FailWritesAfter(std::size_t successfulWrites);
    // Writes that reached the store (CreateKey, WriteString, WriteDword), failed ones included.
    std::size_t WriteAttempts() const { return attempts_; }

private:
    bool Persist(const RegistryTree& next, bool changed) override;

    std::optional<std::size_t> writesLeft_; // none: no limit
    std::size_t attempts_ = 0;
};

} // namespace dorvik
