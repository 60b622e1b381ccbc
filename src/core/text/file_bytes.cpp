#include "core/text/file_bytes.h"

#include "core/errors.h"
#include "core/text/large_memory.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>

#if __has_include(<sys/mman.h>) && __has_include(<fcntl.h>) && __has_include(<unistd.h>)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#define DORVIK_HAS_MMAP 1
#else
#define DORVIK_HAS_MMAP 0
#endif

namespace dorvik {

namespace {

// Memory for a large file in huge pages where the system grants them: taking the pages one by one costs more
// than reading the file.
std::shared_ptr<char> AllocateBlock(std::size_t size) {
    return std::shared_ptr<char>(static_cast<char*>(AllocateLarge(size)), [](char* p) { FreeLarge(p); });
}

} // namespace

FileBytes::FileBytes(std::string text) {
    auto block = AllocateBlock(text.size());
    text.copy(block.get(), text.size());
    size_ = text.size();
    data_ = std::move(block);
}

FileBytes FileBytes::Read(const std::filesystem::path& path, [[maybe_unused]] Access access) {
#if DORVIK_HAS_MMAP
    if (access == Access::Map) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            throw FileError("Cannot open file \"" + path.string() + "\".");
        struct stat status {};
        void* mapped = MAP_FAILED;
        std::size_t size = 0;
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
            size = static_cast<std::size_t>(status.st_size);
            // Pages come in as they are first read: a lookup that stops early never reads the rest.
            mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        } else if (S_ISFIFO(status.st_mode)) {
            // Read through this opening: a FIFO opened again would find its writer gone.
            std::string text;
            char chunk[1 << 16];
            ssize_t got = 0;
            while ((got = ::read(fd, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR))
                if (got > 0)
                    text.append(chunk, static_cast<std::size_t>(got));
            ::close(fd);
            if (got < 0)
                throw FileError("Cannot read file \"" + path.string() + "\".");
            return FileBytes(std::move(text));
        }
        ::close(fd);
        if (mapped != MAP_FAILED)
            return FileBytes(
                std::shared_ptr<const char>(static_cast<const char*>(mapped),
                                            [size](const char* p) { ::munmap(const_cast<char*>(p), size); }),
                size, true);
        // An empty file, a device or a file system that cannot map: read it.
    }
#endif
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("Cannot open file \"" + path.string() + "\".");
    std::error_code sizeError;
    const auto expected = std::filesystem::file_size(path, sizeError);
    const std::size_t size = sizeError ? 0 : static_cast<std::size_t>(expected);
    auto block = AllocateBlock(size);
    in.read(block.get(), static_cast<std::streamsize>(size));
    const auto got = static_cast<std::size_t>(in.gcount());
    const bool more = got == size && in.peek() != std::char_traits<char>::eof();
    if (in.bad())
        throw FileError("Cannot read file \"" + path.string() + "\".");
    if (more) {
        // The file grew since its size was taken, or has no size (a pipe): the rest as it comes.
        std::string text(block.get(), got);
        char chunk[1 << 16];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
            text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (in.bad())
            throw FileError("Cannot read file \"" + path.string() + "\".");
        return FileBytes(std::move(text));
    }
    return FileBytes(std::move(block), got);
}

namespace {

// Advice on the whole pages within a range of a mapped file.
void AdvisePages([[maybe_unused]] const char* data, [[maybe_unused]] std::size_t offset,
                 [[maybe_unused]] std::size_t size, [[maybe_unused]] int advice) {
#if DORVIK_HAS_MMAP
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const auto base = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (base + offset + page - 1) / page * page;
    const std::uintptr_t last = (base + offset + size) / page * page;
    // Advice only: a kernel without it reads the pages as they are touched.
    if (first < last)
        ::madvise(reinterpret_cast<void*>(first), last - first, advice);
#endif
}

} // namespace

void FileBytes::LoadPages([[maybe_unused]] std::size_t offset, [[maybe_unused]] std::size_t size) const {
#if DORVIK_HAS_MMAP && defined(MADV_POPULATE_READ)
    if (mapped_ && offset < size_)
        AdvisePages(data_.get(), offset, std::min(size, size_ - offset), MADV_POPULATE_READ);
#endif
}

void FileBytes::ReleasePages([[maybe_unused]] std::size_t offset, [[maybe_unused]] std::size_t size) const {
#if DORVIK_HAS_MMAP
    // Never written, the pages of a private mapping of a file are the file's: dropped, they read back the
    // same.
    if (mapped_ && offset < size_)
        AdvisePages(data_.get(), offset, std::min(size, size_ - offset), MADV_DONTNEED);
#endif
}

std::size_t FileBytes::FindNul() const {
    constexpr std::size_t kBlock = std::size_t{4} << 20;
    for (std::size_t offset = 0; offset < size_; offset += kBlock) {
        const std::size_t size = std::min(kBlock, size_ - offset);
        LoadPages(offset, size);
        if (const void* nul = std::memchr(data_.get() + offset, '\0', size))
            return static_cast<std::size_t>(static_cast<const char*>(nul) - data_.get());
        ReleasePages(offset, size);
    }
    return std::string_view::npos;
}

} // namespace dorvik
