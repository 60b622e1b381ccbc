#include "core/text/temporary_folder.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <system_error>

namespace dorvik {
namespace {

TEST(TemporaryFolderTest, EachIsNewAndGoesWithItsFiles) {
    const testing::TempFolder parent;
    std::filesystem::path first;
    {
        const TemporaryFolder a(parent.Path(), "x-");
        const TemporaryFolder b(parent.Path(), "x-");
        first = a.Path();
        EXPECT_NE(a.Path(), b.Path());
        EXPECT_EQ(a.Path().parent_path(), parent.Path());
        EXPECT_EQ(a.Path().filename().string().rfind("x-", 0), 0u);
        std::filesystem::create_directory(a.Path() / "sub");
        testing::WriteBytes(a.Path() / "sub" / "file", "bytes");
    }
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_TRUE(std::filesystem::is_empty(parent.Path()));
}

TEST(TemporaryFolderTest, AMissingParentGivesTheSystemsReason) {
    const testing::TempFolder parent;
    try {
        const TemporaryFolder folder(parent / "missing", "x-");
        FAIL() << "made " << folder.Path();
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
    }
}

} // namespace
} // namespace dorvik
