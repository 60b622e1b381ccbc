#include "core/store/memory_settings_store.h"

namespace dorvik {

void MemorySettingsStore::SetWritesFail(bool fail) {
    if (fail)
        writesLeft_ = 0;
    else
        writesLeft_.reset();
}

void MemorySettingsStore::FailWritesAfter(std::size_t successfulWrites) {
    writesLeft_ = successfulWrites;
}

bool MemorySettingsStore::Persist(const RegistryTree& /*next*/, bool /*changed*/) {
    ++attempts_;
    if (!writesLeft_)
        return true;
    if (*writesLeft_ == 0)
        return false;
    --*writesLeft_;
    return true;
}

} // namespace dorvik
