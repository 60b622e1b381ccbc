#include "cli/scratch_folder.h"

#include "core/errors.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace dorvik::cli {

namespace {

// TMPDIR as the system's own tools read it: unset or empty means /tmp.
const char* TmpdirOfEnvironment() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir && *tmpdir ? tmpdir : nullptr;
}

TemporaryFolder MakeFolder() {
    const char* tmpdir = TmpdirOfEnvironment();
    const std::filesystem::path parent = tmpdir ? tmpdir : "/tmp";
    try {
        return TemporaryFolder(parent, "dorvik-query-");
    } catch (const std::system_error& error) {
        throw FileError("cannot create a temporary folder in " + QuotedExcerpt(parent.string()) + ": " +
                        error.code().message() + (tmpdir ? " (the folder of TMPDIR)" : ""));
    }
}

} // namespace

ScratchFolder::ScratchFolder() : folder_(MakeFolder()) {
    removedOnInterrupt_.emplace(folder_.Path());
}

} // namespace dorvik::cli
