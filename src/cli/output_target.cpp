#include "cli/output_target.h"

#include "core/text/file_bytes.h"
#include "core/text/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace dorvik::cli {

namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

} // namespace

bool IsStreamFile(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode));
}

OutputTarget::OutputTarget(std::filesystem::path path) : path_(std::move(path)) {
    if (path_ == "-") {
        kind_ = Kind::StandardOutput;
        return;
    }
    struct stat status {};
    if (::stat(path_.c_str(), &status) != 0) {
        if (errno != ENOENT)
            Fail(Reason(errno));
        // A new file: its folder must take it.
        const std::filesystem::path folder = path_.has_parent_path() ? path_.parent_path() : ".";
        if (::access(folder.c_str(), W_OK | X_OK) != 0)
            Fail(Reason(errno));
        return;
    }
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
        kind_ = Kind::Stream;
        return;
    }
    if (S_ISDIR(status.st_mode))
        Fail("it is a folder");
    if (!S_ISREG(status.st_mode))
        Fail("it is neither a regular file, a FIFO nor a character device");
    // Replaced by a new file in its folder: the file's own permission would not stop that, so it is asked.
    if ((status.st_mode & 0222) == 0)
        Fail("it is read-only");
    if (::access(path_.c_str(), W_OK) != 0)
        Fail(Reason(errno));
}

void OutputTarget::Fail(const std::string& reason) const {
    throw OutputError("Unable to write to " + QuotedExcerpt(path_.string()) + ": " + reason);
}

void OutputTarget::Deliver(const std::filesystem::path& made, std::ostream& standardOutput) const {
    const FileBytes bytes = FileBytes::Read(made);
    switch (kind_) {
    case Kind::StandardOutput:
        standardOutput.write(bytes.View().data(), static_cast<std::streamsize>(bytes.View().size()));
        standardOutput.flush();
        if (!standardOutput)
            Fail("standard output cannot be written");
        return;
    case Kind::Stream: {
        // Opening a FIFO waits for its reader; an existing FIFO or device is neither created nor truncated.
        std::ofstream stream(path_, std::ios::binary);
        if (!stream)
            Fail(Reason(errno));
        stream.write(bytes.View().data(), static_cast<std::streamsize>(bytes.View().size()));
        stream.flush();
        if (!stream)
            Fail(Reason(errno));
        return;
    }
    case Kind::File:
        errno = 0;
        try {
            WriteFileAtomically(path_, bytes.View());
        } catch (const FileError&) {
            Fail(errno != 0 ? Reason(errno) : "the file could not be replaced");
        }
        return;
    }
}

} // namespace dorvik::cli
