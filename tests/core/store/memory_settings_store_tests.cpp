#include "core/store/memory_settings_store.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

TEST(MemorySettingsStore, ReadsWhatWasWrittenWithItsType) {
    MemorySettingsStore store;
    EXPECT_FALSE(store.KeyExists(kSettingsKey));
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Save").has_value());

    ASSERT_TRUE(store.CreateKey(kSettingsKey));
    EXPECT_TRUE(store.KeyExists(kSettingsKey));
    EXPECT_TRUE(store.KeyExists("\\Software\\Veltrane")); // parents exist with the key
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Save").has_value());

    ASSERT_TRUE(store.WriteString(kSettingsKey, "MaxLoss", "1,5"));
    ASSERT_TRUE(store.WriteString(kSettingsKey, "Count", "1"));
    ASSERT_TRUE(store.WriteDword(kSettingsKey, "Save", 1));

    const auto loss = store.ReadValue(kSettingsKey, "MaxLoss");
    ASSERT_TRUE(loss.has_value());
    EXPECT_EQ(loss->type, StoredValue::Type::String);
    EXPECT_EQ(loss->text, "1,5");
    // A text that looks like a number is still a text: the restore rules tell the two apart.
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Count")->type, StoredValue::Type::String);
    const auto save = store.ReadValue(kSettingsKey, "Save");
    ASSERT_TRUE(save.has_value());
    EXPECT_EQ(save->type, StoredValue::Type::Dword);
    EXPECT_EQ(save->number, 1U);
}

TEST(MemorySettingsStore, KeyAndValueNamesIgnoreLetterCase) {
    MemorySettingsStore store;
    ASSERT_TRUE(store.WriteString("\\Software\\Veltrane\\Common Files", "Path", "/srv/data"));
    EXPECT_TRUE(store.KeyExists("\\SOFTWARE\\veltrane\\common files"));
    EXPECT_EQ(store.ReadValue("\\software\\VELTRANE\\Common Files\\", "PATH")->text, "/srv/data");
    ASSERT_TRUE(store.WriteDword("\\SOFTWARE\\VELTRANE\\COMMON FILES", "path", 7));
    const auto value = store.ReadValue(kCommonFilesKey, "Path");
    EXPECT_EQ(value->type, StoredValue::Type::Dword); // the one value, replaced with its new type
    EXPECT_EQ(value->number, 7U);
    EXPECT_EQ(store.Tree().Keys().size(), 1U);
}

TEST(MemorySettingsStore, AFailingWriteChangesNothing) {
    MemorySettingsStore store;
    ASSERT_TRUE(store.WriteString(kSettingsKey, "Length", "100"));
    store.SetWritesFail(true);
    EXPECT_FALSE(store.WriteString(kSettingsKey, "Length", "200"));
    EXPECT_FALSE(store.WriteDword(kSettingsKey, "Save", 0));
    EXPECT_FALSE(store.CreateKey("\\Software\\Other"));
    EXPECT_FALSE(store.CreateKey(kSettingsKey)); // even opening an existing key fails then
    EXPECT_EQ(store.ReadValue(kSettingsKey, "Length")->text, "100");
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "Save").has_value());
    EXPECT_FALSE(store.KeyExists("\\Software\\Other"));
    store.SetWritesFail(false);
    EXPECT_TRUE(store.WriteString(kSettingsKey, "Length", "200"));
}

TEST(MemorySettingsStore, WritesCanFailFromTheNthOn) {
    MemorySettingsStore store;
    store.FailWritesAfter(2);
    EXPECT_TRUE(store.CreateKey(kSettingsKey));
    EXPECT_TRUE(store.WriteString(kSettingsKey, "A", "1"));
    EXPECT_FALSE(store.WriteString(kSettingsKey, "B", "2"));
    EXPECT_FALSE(store.WriteString(kSettingsKey, "C", "3"));
    EXPECT_EQ(store.WriteAttempts(), 4U);
    EXPECT_TRUE(store.ReadValue(kSettingsKey, "A").has_value());
    EXPECT_FALSE(store.ReadValue(kSettingsKey, "B").has_value());
}

TEST(MemorySettingsStore, ACopyIsIndependentOfItsSource) {
    MemorySettingsStore source;
    ASSERT_TRUE(source.WriteString(kSettingsKey, "Length", "100"));
    MemorySettingsStore copy(static_cast<const TreeSettingsStore&>(source));
    EXPECT_EQ(copy.ReadValue(kSettingsKey, "Length")->text, "100");
    ASSERT_TRUE(copy.WriteString(kSettingsKey, "Length", "5"));
    EXPECT_EQ(source.ReadValue(kSettingsKey, "Length")->text, "100");
}

TEST(MemorySettingsStore, RefusesNamesThatTheFileCouldNotHold) {
    MemorySettingsStore store;
    EXPECT_FALSE(store.WriteString(kSettingsKey, "Bad\nName", "x"));
    EXPECT_FALSE(store.WriteDword("\\Software\\Bad\rKey", "Save", 1));
    EXPECT_FALSE(store.CreateKey(std::string_view("\\Software\\Nul\0", 14)));
    EXPECT_TRUE(store.Tree().Keys().empty());
    // The text of a value may hold anything.
    EXPECT_TRUE(store.WriteString(kSettingsKey, "Multi", "a\r\nb"));
}

} // namespace
} // namespace dorvik
