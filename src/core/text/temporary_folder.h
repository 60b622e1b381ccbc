#pragma once
// A new private folder for one writer's temporary files, removed with everything in it when it goes.
#include <filesystem>
#include <string_view>

namespace dorvik {

class TemporaryFolder {
public:
    // Makes "<prefix>XXXXXX" in parent, a name no other folder has; throws std::system_error with the
    // system's reason when it cannot. The caller says which folder and why it was wanted.
    TemporaryFolder(const std::filesystem::path& parent, std::string_view prefix);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace dorvik
