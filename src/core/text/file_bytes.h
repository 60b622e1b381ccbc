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

private:
    FileBytes(std::shared_ptr<const char> data, std::size_t size) : data_(std::move(data)), size_(size) {}

    // Shared: the bytes never change, so copies of a holder (a copied price list) share one block.
    std::shared_ptr<const char> data_;
    std::size_t size_ = 0;
};

} // namespace dorvik
