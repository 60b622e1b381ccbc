#pragma once
#include "cli/interrupt_cleanup.h"
#include "core/text/temporary_folder.h"

#include <filesystem>
#include <optional>

namespace dorvik::cli {

// A private temporary folder in $TMPDIR (else /tmp), removed with everything in it, also when the run is
// ended by SIGTERM, SIGINT or SIGHUP.
class ScratchFolder {
public:
    ScratchFolder(); // throws FileError, naming the folder and the reason, when it cannot be made
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return folder_.Path(); }

private:
    // Destroyed after the folder is removed, so no signal finds it left behind.
    std::optional<RemovedOnInterrupt> removedOnInterrupt_;
    TemporaryFolder folder_;
};

} // namespace dorvik::cli
