#include "core/forms/app_environment.h"
#include "core/forms/main_window_fixture.h"

namespace dorvik::testing {
namespace {

TEST(WritableDataFolder, ProgramFolderWhenWritableElsePerUserFolder) {
    TempFolder folder;
    const auto program = folder.Path() / "program";
    const auto dataHome = folder.Path() / "data";
    std::filesystem::create_directories(program);
    EXPECT_EQ(WritableDataFolder(program, dataHome), program);
    // A program folder that is a file (or gone) cannot take our files; root ignores permission bits, so tests
    // use that instead of a read-only folder.
    const auto notAFolder = folder.Path() / "file";
    std::ofstream(notAFolder) << "x";
    const auto fallback = WritableDataFolder(notAFolder, dataHome);
    EXPECT_EQ(fallback, dataHome / "Veltrane" / "Dorvik");
    EXPECT_TRUE(std::filesystem::is_directory(fallback));
}

TEST(ProgramFolderOf, TheInstalledDataFolderWhenItExistsElseTheExecutablesFolder) {
    TempFolder folder;
    const auto bin = folder.Path() / "prefix" / "bin";
    std::filesystem::create_directories(bin);
    // Build tree: nothing installed beside the executable's parent.
    EXPECT_EQ(ProgramFolderOf(bin, "../share/dorvik"), bin);
    // A file of that name is not the folder.
    std::filesystem::create_directories(folder.Path() / "prefix" / "share");
    std::ofstream(folder.Path() / "prefix" / "share" / "dorvik") << "x";
    EXPECT_EQ(ProgramFolderOf(bin, "../share/dorvik"), bin);
    std::filesystem::remove(folder.Path() / "prefix" / "share" / "dorvik");
    // Installed layout: found relative to the executable, as a plain path without "..".
    std::filesystem::create_directories(folder.Path() / "prefix" / "share" / "dorvik");
    EXPECT_EQ(ProgramFolderOf(bin, "../share/dorvik"), folder.Path() / "prefix" / "share" / "dorvik");
    // Only a relative layout is followed; no layout at all keeps the executable's folder.
    EXPECT_EQ(ProgramFolderOf(bin, folder.Path() / "prefix" / "share" / "dorvik"), bin);
    EXPECT_EQ(ProgramFolderOf(bin, ""), bin);
}

} // namespace
} // namespace dorvik::testing
