#pragma once
// Memory for large arrays in huge pages where the system grants them: on some systems taking a fresh page
// costs microseconds, more than filling it, and an array of many megabytes takes thousands.
#include <cstddef>
#include <new>

namespace dorvik {

// At least bytes, aligned to 64; throws std::bad_alloc. Freed by FreeLarge only.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block) noexcept;

// For the containers of large arrays (up to 64-byte alignment).
template <typename T> struct LargeAllocator {
    using value_type = T;
    static_assert(alignof(T) <= 64);

    LargeAllocator() = default;
    template <typename U> LargeAllocator(const LargeAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(AllocateLarge(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t) noexcept { FreeLarge(block); }

    template <typename U> bool operator==(const LargeAllocator<U>&) const noexcept { return true; }
};

} // namespace dorvik
