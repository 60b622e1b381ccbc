#pragma once
// A data file's bytes in one block of memory, read at once: no copy per line, nothing per line to free.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace dorvik {

class FileBytes {
public:
    // Copy reads the bytes into memory of the process. Map maps the file read-only where the platform can
    // (falling back to Copy): much cheaper for a large file, but a file cut short by another program while it
    // is mapped takes the process down, so only a short run that reads its files once may map them.
    enum class Access { Copy, Map };

    FileBytes() = default;
    explicit FileBytes(std::string text);

    // Throws FileError naming the file when it cannot be opened or read.
    static FileBytes Read(const std::filesystem::path& path, Access access = Access::Copy);

    std::string_view View() const { return {data_.get(), size_}; }

    bool Mapped() const { return data_ && file_ >= 0; }
    // The bytes within [offset, offset + size) of the file: a view of the bytes held, or, for a mapped file,
    // read into buffer (room for size bytes). A pass that reads each byte once reads a mapped file this way:
    // taking the mapping's pages in, one by one, costs several times more than reading them. Throws FileError
    // when a mapped file was cut short while mapped.
    std::string_view Read(std::size_t offset, std::size_t size, char* buffer) const;
    // Where the first NUL is, or npos. A mapped file is read in blocks, so a search over a large list holds
    // no more of it than a block.
    std::size_t FindNul() const;

private:
    FileBytes(std::shared_ptr<const char> data, std::size_t size, int file = -1)
        : data_(std::move(data)), size_(size), file_(file) {}

    // Shared: the bytes never change, so copies of a holder (a copied price list) share one block.
    std::shared_ptr<const char> data_;
    std::size_t size_ = 0;
    int file_ = -1; // a mapped file's descriptor, open while data_ lives
};

} // namespace dorvik
