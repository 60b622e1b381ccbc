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

    // For a pass over a mapped file: the pages within [offset, offset + size) come in at once, cheaper than
    // one by one as they are first read (LoadPages), or leave the process's memory and come back from the
    // file when read again (ReleasePages). Nothing changes for bytes read into memory (Copy).
    void LoadPages(std::size_t offset, std::size_t size) const;
    void ReleasePages(std::size_t offset, std::size_t size) const;
    // Where the first NUL is, or npos. The pages of a mapped file it has searched leave memory as it goes, so
    // a search over a large list does not hold it whole.
    std::size_t FindNul() const;

private:
    FileBytes(std::shared_ptr<const char> data, std::size_t size, bool mapped = false)
        : data_(std::move(data)), size_(size), mapped_(mapped) {}

    // Shared: the bytes never change, so copies of a holder (a copied price list) share one block.
    std::shared_ptr<const char> data_;
    std::size_t size_ = 0;
    bool mapped_ = false;
};

} // namespace dorvik
