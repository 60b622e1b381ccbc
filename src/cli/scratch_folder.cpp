#include "cli/scratch_folder.h"

#include "core/errors.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace dorvik::cli {

ScratchFolder::ScratchFolder() {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "dorvik-query-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr)
        throw FileError("Cannot create a temporary folder in " +
                        std::filesystem::temp_directory_path(ec).string());
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace dorvik::cli
