#include "core/text/file_bytes.h"

#include "core/errors.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include <sys/stat.h>

namespace dorvik {
namespace {

using dorvik::testing::TempFolder;

constexpr FileBytes::Access kAccesses[] = {FileBytes::Access::Copy, FileBytes::Access::Map};

TEST(FileBytes, ReadEveryByteAsItIsEitherWay) {
    using namespace std::string_literals;
    const TempFolder folder;
    // Empty, small with a NUL and 8-bit bytes, and larger than a huge page with an odd length.
    std::string large(3 * 1024 * 1024 + 5, 'x');
    for (std::size_t i = 0; i < large.size(); i += 4093)
        large[i] = static_cast<char>(i % 251);
    const std::vector<std::string> contents{"", "one\r\ntwo\0three\xe9\xff"s, large};
    for (const auto access : kAccesses) {
        for (const auto& content : contents) {
            SCOPED_TRACE(content.size());
            const auto path = folder / "data.dat";
            dorvik::testing::WriteBytes(path, content);
            const FileBytes bytes = FileBytes::Read(path, access);
            ASSERT_EQ(bytes.View().size(), content.size());
            EXPECT_TRUE(bytes.View() == content);
            // The bytes stay with the holder, not the file.
            std::filesystem::remove(path);
            const FileBytes copy = bytes;
            EXPECT_TRUE(copy.View() == content);
        }
    }
}

// The NUL is found wherever it is, past the blocks whose pages the search lets go too, and the bytes read the
// same afterwards.
TEST(FileBytes, FindNulSearchesTheWholeFileEitherWay) {
    const TempFolder folder;
    const std::size_t size = 9 * 1024 * 1024 + 7;
    for (const auto access : kAccesses) {
        for (const std::size_t at : {std::size_t{0}, std::size_t{4} << 20, size - 1, std::string::npos}) {
            std::string content(size, 'x');
            if (at != std::string::npos)
                content[at] = '\0';
            const auto path = folder / "data.dat";
            dorvik::testing::WriteBytes(path, content);
            const FileBytes bytes = FileBytes::Read(path, access);
            EXPECT_EQ(bytes.FindNul(), at) << at;
            EXPECT_EQ(bytes.View(), content) << at;
        }
    }
    EXPECT_EQ(FileBytes(std::string()).FindNul(), std::string::npos);
}

TEST(FileBytes, AFileThatCannotBeReadIsAnErrorNamingIt) {
    const TempFolder folder;
    for (const auto access : kAccesses) {
        const auto missing = folder / "missing.dat";
        try {
            (void)FileBytes::Read(missing, access);
            FAIL() << "no error";
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos);
        }
        // Opens, but every read fails.
        EXPECT_THROW((void)FileBytes::Read("/proc/self/mem", access), FileError);
        // A folder opens but does not read.
        EXPECT_THROW((void)FileBytes::Read(folder.Path(), access), FileError);
    }
}

// A pipe has no size: its bytes are read as they come, the first one included.
TEST(FileBytes, APipeIsReadWholeEitherWay) {
    const TempFolder folder;
    const std::string content = std::string(100000, 'p') + "end";
    for (const auto access : kAccesses) {
        const auto fifo = folder / "pipe.dat";
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        std::thread writer([&] { dorvik::testing::WriteBytes(fifo, content); });
        const FileBytes bytes = FileBytes::Read(fifo, access);
        writer.join();
        std::filesystem::remove(fifo);
        EXPECT_TRUE(bytes.View() == content) << bytes.View().size();
    }
}

TEST(FileBytes, HeldTextIsItsBytes) {
    EXPECT_EQ(FileBytes().View(), "");
    EXPECT_EQ(FileBytes(std::string("a\0b", 3)).View(), std::string_view("a\0b", 3));
}

} // namespace
} // namespace dorvik
