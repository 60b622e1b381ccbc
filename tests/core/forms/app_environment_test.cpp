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

TEST(ReadSystemSettings, TheInstalledSharedFolderStandsInWhenNoFileNamesAFolderThatExists) {
    TempFolder folder;
    const auto bin = folder.Path() / "prefix" / "bin";
    const auto shared = folder.Path() / "prefix" / "share" / "veltrane" / "common-files";
    std::filesystem::create_directories(bin);
    EXPECT_EQ(InstalledSharedFolder(bin, "../share/veltrane/common-files"), std::nullopt);
    std::filesystem::create_directories(shared);
    const auto installed = InstalledSharedFolder(bin, "../share/veltrane/common-files");
    ASSERT_EQ(installed, shared);
    const auto other = folder.Path() / "elsewhere";
    std::filesystem::create_directories(other);
    const auto storeNaming = [&](const std::string& path) {
        const auto file = folder.Path() / "etc" / (std::filesystem::path(path).filename().string() + ".reg");
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file)
            << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\n\"Path\"=\"" << path
            << "\"\n";
        return std::vector<std::filesystem::path>{file};
    };
    const std::string key = "HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files";
    const auto pathIn = [&](const RegistryTree& tree) -> std::string {
        const RegistryValue* value = tree.FindValue(key, "Path");
        return value ? value->data.text : "(none)";
    };
    const struct {
        std::vector<std::filesystem::path> files;
        std::optional<std::filesystem::path> installed;
        std::string expected;
    } cases[] = {
        {{}, installed, shared.string()},                                      // no system settings
        {storeNaming(other.string()), installed, other.string()},              // the system's own folder wins
        {storeNaming((folder / "gone").string()), installed, shared.string()}, // moved: the old place is gone
        {{}, std::nullopt, "(none)"}, // the build tree: nothing to add
    };
    for (const auto& c : cases)
        EXPECT_EQ(pathIn(ReadSystemSettings(c.files, c.installed)), c.expected) << c.expected;
}

} // namespace
} // namespace dorvik::testing
