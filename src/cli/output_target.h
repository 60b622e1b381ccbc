#pragma once
// Where --pdf and --chart put what they make. The file is made whole in the run's private folder first, then
// delivered: a stream (standard output as "-", a FIFO, a character device) gets its bytes, a regular file is
// replaced whole. Nothing else is written: a device or a FIFO is never replaced by a plain file.
#include "core/errors.h"

#include <filesystem>
#include <iosfwd>
#include <string>

namespace dorvik::cli {

// "Unable to write to <path>: <reason>"
class OutputError : public FileError {
public:
    using FileError::FileError;
};

// An existing FIFO or character device: written as a stream, never replaced.
bool IsStreamFile(const std::filesystem::path& path);

class OutputTarget {
public:
    // Checks the target before anything is made. Throws OutputError for a folder, a socket or a block device,
    // a read-only file (for every user alike) and a folder that does not exist or cannot be written.
    explicit OutputTarget(std::filesystem::path path);

    // The bytes of the made file to the target; standardOutput stands for "-". Throws OutputError.
    void Deliver(const std::filesystem::path& made, std::ostream& standardOutput) const;

private:
    enum class Kind { StandardOutput, Stream, File };

    [[noreturn]] void Fail(const std::string& reason) const;

    std::filesystem::path path_;
    Kind kind_ = Kind::File;
};

} // namespace dorvik::cli
