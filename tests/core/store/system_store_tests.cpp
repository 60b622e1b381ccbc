#include "core/store/memory_settings_store.h"
#include "core/store/registry_file_store.h"
#include "core/store/system_store.h"
#include "support/scoped_env.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace dorvik {
namespace {

using dorvik::testing::ReadBytes;
using dorvik::testing::ScopedEnv;
using dorvik::testing::TempFolder;
using dorvik::testing::WriteBytes;

constexpr const char* kSystemPaths = "REGEDIT4\n\n"
                                     "; installed with the program\n"
                                     "[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\n"
                                     "\"Path\"=\"/usr/share/veltrane/common-files\"\n"
                                     "\n"
                                     "[HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings]\n"
                                     "\"VSWR\"=\"1.5\"\n"
                                     "\"Save\"=dword:00000001\n";

std::filesystem::path WriteSystemStore(const std::filesystem::path& configDir, std::string_view text) {
    const auto file = configDir / "Veltrane" / "registry.reg";
    std::filesystem::create_directories(file.parent_path());
    WriteBytes(file, text);
    return file;
}

TEST(SystemStore, SuppliesWhatTheUsersStoreLacksAndTheUsersValueWins) {
    TempFolder temp;
    const auto system = WriteSystemStore(temp / "xdg", kSystemPaths);
    const auto user = temp / "config" / "registry.reg";
    RegistryFileStore store(user, ReadSystemStores({system}));
    // A fresh user: everything comes from the system store.
    EXPECT_TRUE(store.KeyExists(kCommonFilesKey));
    EXPECT_TRUE(store.KeyExists("\\software\\VELTRANE\\common files"));
    EXPECT_EQ(store.ReadValue(kCommonFilesKey, "Path")->text, "/usr/share/veltrane/common-files");
    EXPECT_EQ(store.ReadValue(kSettingsKey, "save")->type, StoredValue::Type::Dword);
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Length").has_value());

    // The user's own value wins, value by value: the other system values still show through.
    ASSERT_TRUE(store.WriteString(kCommonFilesKey, "Path", "/home/engineer/veltrane"));
    ASSERT_TRUE(store.WriteDword(kSettingsKey, "Save", 0));
    EXPECT_EQ(store.ReadValue(kCommonFilesKey, "Path")->text, "/home/engineer/veltrane");
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Save")->number, 0U);
    EXPECT_EQ(store.ReadValue(kSettingsKey, "VSWR")->text, "1.5");
    // Even an empty text of the user's wins over the system's.
    ASSERT_TRUE(store.WriteString(kCommonFilesKey, "Path", ""));
    EXPECT_EQ(store.ReadValue(kCommonFilesKey, "Path")->text, "");

    // And so after a restart.
    RegistryFileStore again(user, ReadSystemStores({system}));
    EXPECT_EQ(again.ReadValue(kCommonFilesKey, "Path")->text, "");
    EXPECT_EQ(again.ReadValue(kSettingsKey, "VSWR")->text, "1.5");
}

TEST(SystemStore, IsNeverWrittenAndNeverCopiedIntoTheUsersFile) {
    TempFolder temp;
    const auto system = WriteSystemStore(temp / "xdg", kSystemPaths);
    const auto user = temp / "config" / "registry.reg";
    {
        RegistryFileStore store(user, ReadSystemStores({system}));
        ASSERT_TRUE(store.CreateKey(kCommonFilesKey)); // exists only in the system store
        ASSERT_TRUE(store.WriteString(kSettingsKey, "Length", "100"));
        ASSERT_TRUE(store.WriteString(kSettingsKey, "VSWR", "2"));
    }
    EXPECT_EQ(ReadBytes(system), kSystemPaths);
    const auto written = ReadBytes(user);
    EXPECT_EQ(written.find("common-files"), std::string::npos) << written;
    EXPECT_EQ(written.find("Save"), std::string::npos) << written;
    const RegistryFileStore userOnly(user);
    EXPECT_FALSE(userOnly.ReadValue(kCommonFilesKey, "Path").has_value());
    EXPECT_EQ(userOnly.ReadValue(kSettingsKey, "VSWR")->text, "2");
}

TEST(SystemStore, AMemoryCopyKeepsTheSystemLayer) {
    TempFolder temp;
    const auto system = WriteSystemStore(temp / "xdg", kSystemPaths);
    const RegistryFileStore store(temp / "registry.reg", ReadSystemStores({system}));
    MemorySettingsStore copy(store);
    EXPECT_EQ(copy.ReadValue(kCommonFilesKey, "Path")->text, "/usr/share/veltrane/common-files");
    ASSERT_TRUE(copy.WriteString(kCommonFilesKey, "Path", "/data"));
    EXPECT_EQ(copy.ReadValue(kCommonFilesKey, "Path")->text, "/data");
    EXPECT_EQ(store.ReadValue(kCommonFilesKey, "Path")->text, "/usr/share/veltrane/common-files");
}

TEST(SystemStore, AnEarlierFolderWinsOverALaterOne) {
    TempFolder temp;
    const auto first =
        WriteSystemStore(temp / "site", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Common "
                                        "Files]\n\"Path\"=\"/srv/site\"\n");
    const auto second = WriteSystemStore(temp / "xdg", kSystemPaths);
    const RegistryFileStore store(temp / "registry.reg", ReadSystemStores({first, second}));
    EXPECT_EQ(store.ReadValue(kCommonFilesKey, "Path")->text, "/srv/site");
    EXPECT_EQ(store.ReadValue(kSettingsKey, "VSWR")->text, "1.5"); // only the later one holds it
    const RegistryFileStore reversed(temp / "registry.reg", ReadSystemStores({second, first}));
    EXPECT_EQ(reversed.ReadValue(kCommonFilesKey, "Path")->text, "/usr/share/veltrane/common-files");
}

TEST(SystemStore, MissingUnreadableAndDamagedFilesDoNoHarm) {
    TempFolder temp;
    std::filesystem::create_directories(temp / "folder" / "Veltrane" /
                                        "registry.reg"); // a folder, not a file
    const auto damaged = WriteSystemStore(
        temp / "damaged", "REGEDIT4\n\x01\xFF junk\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\n"
                          "\"Path\"=\"/srv/ok\"\n\"Broken\"=\"no end\n");
    const RegistryFileStore store(temp / "registry.reg",
                                  ReadSystemStores({temp / "missing" / "Veltrane" / "registry.reg",
                                                    temp / "folder" / "Veltrane" / "registry.reg", damaged}));
    EXPECT_EQ(store.ReadValue(kCommonFilesKey, "Path")->text, "/srv/ok");
    EXPECT_FALSE(store.ReadValue(kCommonFilesKey, "Broken").has_value());
    EXPECT_TRUE(ReadSystemStores({}).Keys().empty());
}

TEST(SystemStore, PathsFollowXdgConfigDirs) {
    const auto file = [](const char* dir) {
        return std::filesystem::path(dir) / "Veltrane" / "registry.reg";
    };
    {
        const ScopedEnv dirs("XDG_CONFIG_DIRS", "/opt/site/xdg:relative/xdg::/etc/xdg");
        EXPECT_EQ(SystemStorePaths(), (std::vector{file("/opt/site/xdg"), file("/etc/xdg")}));
    }
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        const ScopedEnv dirs("XDG_CONFIG_DIRS", unset);
        EXPECT_EQ(SystemStorePaths(), std::vector{file("/etc/xdg")});
    }
}

} // namespace
} // namespace dorvik
