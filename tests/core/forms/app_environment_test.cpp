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

} // namespace
} // namespace dorvik::testing
