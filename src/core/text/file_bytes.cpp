#include "core/text/file_bytes.h"

#include "core/errors.h"
#include "core/text/large_memory.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>
#include <vector>

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

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

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
        if (mapped != MAP_FAILED)
            return FileBytes(std::shared_ptr<const char>(static_cast<const char*>(mapped),
                                                         [size, fd](const char* p) {
                                                             ::munmap(const_cast<char*>(p), size);
                                                             ::close(fd);
                                                         }),
                             size, fd);
        ::close(fd);
        // An empty file, a device or a file system that cannot map: read it.
    }
#endif
    // stdio rather than a stream: the stream library would be most of the web page's engine.
    const std::unique_ptr<std::FILE, CloseFile> in(std::fopen(path.string().c_str(), "rb"));
    if (!in)
        throw FileError("Cannot open file \"" + path.string() + "\".");
    std::error_code sizeError;
    const auto expected = std::filesystem::file_size(path, sizeError);
    const std::size_t size = sizeError ? 0 : static_cast<std::size_t>(expected);
    auto block = AllocateBlock(size);
    const std::size_t got = std::fread(block.get(), 1, size, in.get());
    const int next = got == size && !std::ferror(in.get()) ? std::fgetc(in.get()) : EOF;
    if (std::ferror(in.get()))
        throw FileError("Cannot read file \"" + path.string() + "\".");
    if (next != EOF) {
        // The file grew since its size was taken, or has no size (a pipe): the rest as it comes.
        std::string text(block.get(), got);
        text += static_cast<char>(next);
        char chunk[1 << 16];
        for (std::size_t n = 0; (n = std::fread(chunk, 1, sizeof chunk, in.get())) > 0;)
            text.append(chunk, n);
        if (std::ferror(in.get()))
            throw FileError("Cannot read file \"" + path.string() + "\".");
        return FileBytes(std::move(text));
    }
    return FileBytes(std::move(block), got);
}

std::string_view FileBytes::Read(std::size_t offset, std::size_t size, [[maybe_unused]] char* buffer) const {
    offset = std::min(offset, size_);
    size = std::min(size, size_ - offset);
#if DORVIK_HAS_MMAP
    if (Mapped()) {
        std::size_t got = 0;
        while (got < size) {
            const ssize_t read = ::pread(file_, buffer + got, size - got, static_cast<off_t>(offset + got));
            if (read < 0 && errno == EINTR)
                continue;
            if (read <= 0)
                throw FileError("The file changed while it was read.");
            got += static_cast<std::size_t>(read);
        }
        return {buffer, size};
    }
#endif
    return View().substr(offset, size);
}

std::size_t FileBytes::FindNul() const {
    constexpr std::size_t kBlock = std::size_t{2} << 20;
    std::vector<char, LargeAllocator<char>> buffer(Mapped() ? kBlock : 0);
    for (std::size_t offset = 0; offset < size_; offset += kBlock) {
        const std::string_view block = Read(offset, kBlock, buffer.data());
        if (const auto nul = block.find('\0'); nul != std::string_view::npos)
            return offset + nul;
    }
    return std::string_view::npos;
}

} // namespace dorvik
