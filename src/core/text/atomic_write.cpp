// Replacing a file atomically (declared in text_file.h).
#include "core/errors.h"
#include "core/text/text_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace dorvik {

namespace {

constexpr int kMaxLinks = 40; // as the system's own limit on links followed in one path

// The file a write lands in: a symbolic link is followed to its final target, which may not exist yet.
std::optional<std::filesystem::path> WriteTarget(std::filesystem::path path) {
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec)))
            return path;
        const auto target = std::filesystem::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt; // a loop of links
}

// A temporary file of this write alone, beside the target; removed on destruction unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target) {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, ".%08x%08x.tmp~", random(), random());
            path_ = target;
            path_ += suffix;
            // 0666 less the umask, as a new file would get; O_EXCL: never another writer's file.
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
    }
    ~TemporaryFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!kept_ && fd_ != kNotCreated)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Created() const { return fd_ >= 0; }
    const std::filesystem::path& Path() const { return path_; }

    bool WriteAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const auto written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }
    bool TakeModeOf(const std::filesystem::path& target) {
        struct stat status {};
        if (::stat(target.c_str(), &status) != 0)
            return errno == ENOENT; // a new file keeps the mode it was created with
        return ::fchmod(fd_, status.st_mode & 07777) == 0;
    }
    // Flushed to disk and closed.
    bool Close() {
        const bool synced = ::fsync(fd_) == 0;
        const bool closed = ::close(fd_) == 0;
        fd_ = kClosed;
        return synced && closed;
    }
    bool RenameTo(const std::filesystem::path& target) {
        kept_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return kept_;
    }

private:
    static constexpr int kNotCreated = -1;
    static constexpr int kClosed = -2;
    std::filesystem::path path_;
    int fd_ = kNotCreated;
    bool kept_ = false;
};

// The folder's entry of the renamed file reaches the disk too (best effort: not every file system can).
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::string failure = "Unable to write to " + path.string();
    const auto target = WriteTarget(path);
    if (!target)
        throw FileError(failure);
    TemporaryFile temporary(*target);
    if (!temporary.Created() || !temporary.WriteAll(bytes) || !temporary.TakeModeOf(*target) ||
        !temporary.Close() || !temporary.RenameTo(*target))
        throw FileError(failure);
    SyncFolder(target->parent_path());
}

} // namespace dorvik
