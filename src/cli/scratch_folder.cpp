#include "cli/scratch_folder.h"

#include "core/errors.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace dorvik::cli {

ScratchFolder::ScratchFolder() {
    // TMPDIR as the system's own tools read it: unset or empty means /tmp.
    const char* tmpdir = std::getenv("TMPDIR");
    const bool fromEnvironment = tmpdir && *tmpdir;
    const std::filesystem::path parent = fromEnvironment ? tmpdir : "/tmp";
    std::string pattern = (parent / "dorvik-query-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw FileError("cannot create a temporary folder in " + QuotedExcerpt(parent.string()) + ": " +
                        std::strerror(errno) + (fromEnvironment ? " (the folder of TMPDIR)" : ""));
    path_ = pattern;
    removedOnInterrupt_.emplace(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace dorvik::cli
