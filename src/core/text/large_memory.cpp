#include "core/text/large_memory.h"

#include <cstdlib>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace dorvik {

namespace {

constexpr std::size_t kHugePage = std::size_t{1} << 21;
constexpr std::size_t kCacheLine = 64;

} // namespace

void* AllocateLarge(std::size_t bytes) {
    const std::size_t alignment = bytes >= kHugePage ? kHugePage : kCacheLine;
    if (bytes > static_cast<std::size_t>(-1) - alignment)
        throw std::bad_alloc();
    // aligned_alloc wants a whole multiple of the alignment.
    const std::size_t rounded = bytes == 0 ? alignment : (bytes + alignment - 1) / alignment * alignment;
    void* block = std::aligned_alloc(alignment, rounded);
    if (block == nullptr)
        throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
    if (alignment == kHugePage)
        madvise(block, rounded, MADV_HUGEPAGE); // advice only: without huge pages the block works the same
#endif
    return block;
}

void FreeLarge(void* block) noexcept {
    std::free(block);
}

} // namespace dorvik
