#include "core/errors.h"
#include "core/text/text_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace dorvik {
namespace {

using dorvik::testing::FileSizeLimit;
using dorvik::testing::ReadBytes;
using dorvik::testing::TempFolder;
using dorvik::testing::WriteBytes;

std::size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(WriteFileAtomically, TwoWritersAtOnceAlwaysLeaveOneCompleteVersion) {
    // With one fixed temporary name, one writer truncated the other's temporary file before its rename.
    const TempFolder temp;
    const auto file = temp / "registry.reg";
    const std::string a(20000, 'a');
    const std::string b(30000, 'b');
    WriteFileAtomically(file, a);
    std::atomic<bool> done{false};
    std::vector<std::string> seen;
    std::thread reader([&] {
        while (!done) {
            auto bytes = ReadBytes(file);
            if (bytes != a && bytes != b)
                seen.push_back(std::move(bytes));
        }
    });
    const auto writer = [&file](const std::string& bytes) {
        for (int i = 0; i < 60; ++i)
            WriteFileAtomically(file, bytes);
    };
    std::thread first(writer, a);
    std::thread second(writer, b);
    first.join();
    second.join();
    done = true;
    reader.join();
    EXPECT_TRUE(seen.empty()) << seen.size() << " cut or empty versions, the first of " << seen.front().size()
                              << " bytes";
    EXPECT_EQ(EntriesIn(temp.Path()), 1U); // no temporary file left behind
}

TEST(WriteFileAtomically, KeepsThePermissionBitsOfTheFile) {
    const TempFolder temp;
    const auto file = temp / "query.dvk";
    WriteBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    WriteFileAtomically(file, "new");
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640U);
    EXPECT_EQ(ReadBytes(file), "new");
    // A new file gets the mode any new file gets, not the temporary file's private one.
    const auto fresh = temp / "fresh.dvk";
    const mode_t mask = ::umask(022);
    WriteFileAtomically(fresh, "x");
    ::umask(mask);
    ASSERT_EQ(::stat(fresh.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644U);
}

TEST(WriteFileAtomically, WritesThroughSymbolicLinksToTheirTarget) {
    const TempFolder temp;
    std::filesystem::create_directories(temp / "real");
    std::filesystem::create_directories(temp / "links");
    const auto target = temp / "real" / "registry.reg";
    WriteBytes(target, "old");
    // A relative link to a relative link: both resolved from the folder of the link.
    std::filesystem::create_symlink("../real/registry.reg", temp / "links" / "first");
    std::filesystem::create_symlink("first", temp / "links" / "second");
    WriteFileAtomically(temp / "links" / "second", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(temp / "links" / "second"));
    EXPECT_TRUE(std::filesystem::is_symlink(temp / "links" / "first"));
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(EntriesIn(temp / "real"), 1U);
    EXPECT_EQ(EntriesIn(temp / "links"), 2U);
    // A dangling link creates its target; a loop of links is refused.
    std::filesystem::create_symlink("../real/created.reg", temp / "links" / "dangling");
    WriteFileAtomically(temp / "links" / "dangling", "made");
    EXPECT_EQ(ReadBytes(temp / "real" / "created.reg"), "made");
    std::filesystem::create_symlink("loop", temp / "links" / "loop");
    EXPECT_THROW(WriteFileAtomically(temp / "links" / "loop", "x"), FileError);
}

TEST(WriteFileAtomically, AFailedWriteRemovesItsTemporaryFileAndKeepsTheOldOne) {
    const TempFolder temp;
    const auto file = temp / "out.html";
    WriteBytes(file, "old");
    {
        const FileSizeLimit limit(1000);
        EXPECT_THROW(WriteFileAtomically(file, std::string(5000, 'x')), FileError);
    }
    EXPECT_EQ(ReadBytes(file), "old");
    EXPECT_EQ(EntriesIn(temp.Path()), 1U);
    // A folder in the file's place: the rename fails, and nothing is left beside it.
    std::filesystem::create_directories(temp / "folder");
    EXPECT_THROW(WriteFileAtomically(temp / "folder", "x"), FileError);
    EXPECT_EQ(EntriesIn(temp.Path()), 2U);
}

} // namespace
} // namespace dorvik
