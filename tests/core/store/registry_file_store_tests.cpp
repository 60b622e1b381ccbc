#include "core/store/memory_settings_store.h"
#include "core/store/registry_file_store.h"
#include "support/scoped_env.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <functional>

namespace dorvik {
namespace {

using dorvik::testing::FileSizeLimit;
using dorvik::testing::ReadBytes;
using dorvik::testing::ScopedEnv;
using dorvik::testing::TempFolder;
using dorvik::testing::WriteBytes;
using namespace std::string_literals;

TEST(RegistryFileStore, ValuesSurviveARestartAndTheFileReadsLikeAnExport) {
    TempFolder temp;
    const auto file = temp / "config" / "Veltrane" / "registry.reg"; // folders created on the first write
    {
        RegistryFileStore store(file);
        EXPECT_FALSE(store.KeyExists(kSettingsKey));
        ASSERT_TRUE(store.CreateKey(kSettingsKey));
        ASSERT_TRUE(store.WriteString(kSettingsKey, "BeginningFrequency", "30"));
        ASSERT_TRUE(store.WriteString(kSettingsKey, "Connector1", "N \"Male\" \\ 7/16"));
        ASSERT_TRUE(store.WriteDword(kSettingsKey, "Save", 1));
        ASSERT_TRUE(store.WriteString(kCommonFilesKey, "Path", "/srv/veltrane"));
    }
    EXPECT_EQ(ReadBytes(file), "REGEDIT4\r\n"
                               "\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\r\n"
                               "\"Path\"=\"/srv/veltrane\"\r\n"
                               "\r\n"
                               "[HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings]\r\n"
                               "\"BeginningFrequency\"=\"30\"\r\n"
                               "\"Connector1\"=\"N \\\"Male\\\" \\\\ 7/16\"\r\n"
                               "\"Save\"=dword:00000001\r\n"
                               "\r\n");

    RegistryFileStore again(file);
    EXPECT_TRUE(again.KeyExists("\\software\\veltrane\\dorvik\\SETTINGS"));
    EXPECT_EQ(again.ReadValue(kSettingsKey, "connector1")->text, "N \"Male\" \\ 7/16");
    EXPECT_EQ(again.ReadValue(kSettingsKey, "Save")->type, StoredValue::Type::Dword);
    EXPECT_EQ(again.ReadValue(kCommonFilesKey, "Path")->text, "/srv/veltrane");
}

TEST(RegistryFileStore, AStringWhereANumberIsExpectedKeepsItsType) {
    TempFolder temp;
    const auto file = temp / "registry.reg";
    WriteBytes(file, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings]\n"
                     "\"Save\"=\"1\"\n\"ByLoss\"=hex:01\n\"Air\"=dword:00000000\n");
    RegistryFileStore store(file);
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Save")->type, StoredValue::Type::String);
    EXPECT_EQ(store.ReadValue(kSettingsKey, "ByLoss")->type, StoredValue::Type::Other);
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Air")->type, StoredValue::Type::Dword);
    // Rewriting the file keeps the value of the other type as it was.
    ASSERT_TRUE(store.WriteDword(kSettingsKey, "Feet", 1));
    EXPECT_NE(ReadBytes(file).find("\"ByLoss\"=hex:01\r\n"), std::string::npos);
}

// The settings are saved after every action: a value written as it stands leaves the file alone, and any
// change of type or of value (a string over a number, a number over raw data) is written.
TEST(RegistryFileStore, OnlyAWriteThatChangesAValueRewritesTheFile) {
    TempFolder temp;
    const auto file = temp / "registry.reg";
    WriteBytes(file, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings]\n"
                     "\"Text\"=\"1\"\n\"Number\"=dword:00000001\n\"Raw\"=hex:01\n");
    RegistryFileStore store(file);
    const auto rewritten = [&](const std::function<bool()>& write) {
        WriteBytes(file, "marker");
        EXPECT_TRUE(write());
        return ReadBytes(file) != "marker";
    };
    EXPECT_FALSE(rewritten([&] { return store.WriteString(kSettingsKey, "text", "1"); }));
    EXPECT_FALSE(rewritten([&] { return store.WriteDword(kSettingsKey, "Number", 1); }));
    EXPECT_TRUE(rewritten([&] { return store.WriteString(kSettingsKey, "Text", "2"); }));
    EXPECT_TRUE(rewritten([&] { return store.WriteDword(kSettingsKey, "Number", 2); }));
    EXPECT_TRUE(rewritten([&] { return store.WriteString(kSettingsKey, "Number", ""); }));
    EXPECT_TRUE(rewritten([&] { return store.WriteDword(kSettingsKey, "Text", 2); }));
    EXPECT_TRUE(rewritten([&] { return store.WriteString(kSettingsKey, "Raw", ""); }));
    EXPECT_TRUE(rewritten([&] { return store.WriteString(kSettingsKey, "New", ""); }));
    EXPECT_EQ(RegistryFileStore(file).ReadValue(kSettingsKey, "Text")->number, 2U);
}

TEST(RegistryFileStore, ADamagedFileIsReadAsFarAsItCanBeAndThenRewrittenClean) {
    TempFolder temp;
    const auto file = temp / "registry.reg";
    const std::string damaged =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings]\r\n"
        "\"Length\"=\"100\"\r\n"
        "\x01\x02\xFF\xFE binary\0\0 junk\r\n"
        "\"MaxLoss\"=\"3\r\n"
        "\"VSWR\"=\"1.5\"\r\n"
        "\"Save\"=dword:000"s;
    WriteBytes(file, damaged);
    RegistryFileStore store(file);
    EXPECT_TRUE(store.Writable());
    EXPECT_EQ(store.SkippedLines(), 3U);
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Length")->text, "100");
    EXPECT_EQ(store.ReadValue(kSettingsKey, "VSWR")->text, "1.5");
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "MaxLoss").has_value());
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Save").has_value()); // truncated: not a wrong number

    ASSERT_TRUE(store.WriteDword(kSettingsKey, "Save", 0));
    EXPECT_EQ(RegistryFileStore(file).SkippedLines(), 0U);
}

TEST(RegistryFileStore, EmptyAndBinaryFilesReadAsEmptyStores) {
    TempFolder temp;
    for (const std::string& bytes :
         {std::string(), std::string("\0\0\0\0", 4), std::string("\xFF\xFE[\0H\0", 6)}) {
        const auto file = temp / "registry.reg";
        WriteBytes(file, bytes);
        RegistryFileStore store(file);
        EXPECT_TRUE(store.Tree().Keys().empty());
        EXPECT_TRUE(store.WriteDword(kSettingsKey, "Save", 1));
    }
}

TEST(RegistryFileStore, AWriteThatCannotReachTheFileFailsAndChangesNothing) {
    TempFolder temp;
    WriteBytes(temp / "plain", "not a folder");
    RegistryFileStore store(temp / "plain" / "Veltrane" / "registry.reg");
    EXPECT_FALSE(store.CreateKey(kSettingsKey));
    EXPECT_FALSE(store.WriteString(kSettingsKey, "Length", "100"));
    EXPECT_FALSE(store.KeyExists(kSettingsKey));
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Length").has_value());
}

TEST(RegistryFileStore, TheOldFileSurvivesAFailedWrite) {
    TempFolder temp;
    const auto file = temp / "registry.reg";
    RegistryFileStore store(file);
    ASSERT_TRUE(store.WriteString(kSettingsKey, "Length", "100"));
    const auto before = ReadBytes(file);
    {
        const FileSizeLimit limit(before.size() + 16);
        EXPECT_FALSE(store.WriteString(kSettingsKey, "Description", std::string(500, 'x')));
    }
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Description").has_value());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 1); // no temporary left
    EXPECT_TRUE(store.WriteString(kSettingsKey, "Length", "200"));
    EXPECT_EQ(RegistryFileStore(file).ReadValue(kSettingsKey, "Length")->text, "200");
}

TEST(RegistryFileStore, AFileThatCannotBeReadIsNeverOverwritten) {
    TempFolder temp;
    const auto path = temp / "registry.reg";
    std::filesystem::create_directory(path);
    RegistryFileStore store(path);
    EXPECT_FALSE(store.Writable());
    EXPECT_FALSE(store.WriteDword(kSettingsKey, "Save", 1));
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(RegistryFileStore, AMemoryCopyNeverWritesTheFile) {
    TempFolder temp;
    const auto file = temp / "registry.reg";
    RegistryFileStore store(file);
    ASSERT_TRUE(store.WriteString(kSettingsKey, "Length", "100"));
    const auto before = ReadBytes(file);
    MemorySettingsStore copy(store);
    EXPECT_EQ(copy.ReadValue(kSettingsKey, "Length")->text, "100");
    ASSERT_TRUE(copy.WriteString(kSettingsKey, "Length", "5"));
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Length")->text, "100");
}

TEST(RegistryFileStore, DefaultPathFollowsTheXdgConfigFolder) {
    const ScopedEnv home("HOME", "/home/engineer");
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/cfg");
        EXPECT_EQ(DefaultStorePath(), std::filesystem::path("/tmp/cfg/Veltrane/registry.reg"));
    }
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/cfg"}) {
        const ScopedEnv xdg("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(DefaultStorePath(), std::filesystem::path("/home/engineer/.config/Veltrane/registry.reg"));
    }
}

} // namespace
} // namespace dorvik
