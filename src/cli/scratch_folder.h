#pragma once
#include <filesystem>

namespace dorvik::cli {

// A private temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder(); // throws FileError when it cannot be made
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace dorvik::cli
