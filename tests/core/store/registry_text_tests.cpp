#include "core/store/registry_text.h"

#include <gtest/gtest.h>

#include <random>

namespace dorvik {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kSettings = "HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings";

RegistryValue Text(std::string name, std::string text) {
    RegistryValue v;
    v.name = std::move(name);
    v.data.type = StoredValue::Type::String;
    v.data.text = std::move(text);
    return v;
}

RegistryValue Number(std::string name, std::uint32_t number) {
    RegistryValue v;
    v.name = std::move(name);
    v.data.type = StoredValue::Type::Dword;
    v.data.number = number;
    return v;
}

const StoredValue& ValueOf(const RegistryTree& tree, std::string_view key, std::string_view name) {
    const auto* v = tree.FindValue(key, name);
    if (v == nullptr)
        throw std::runtime_error("missing value " + std::string(name));
    return v->data;
}

TEST(RegistryText, FormatsInTheLayoutOfARegistryExport) {
    RegistryTree tree;
    tree.SetValue(kSettings, Text("Path", "C:\\Data \"shared\""));
    tree.SetValue(kSettings, Number("Save", 1));
    tree.SetValue(kSettings, Number("Currency", 0xDEADBEEF));
    tree.SetValue(kSettings, Text("", "default"));
    tree.SetValue("HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files", Text("Path", "/srv/data"));

    EXPECT_EQ(FormatRegistryText(tree), "REGEDIT4\r\n"
                                        "\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\Veltrane\\Common Files]\r\n"
                                        "\"Path\"=\"/srv/data\"\r\n"
                                        "\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\Veltrane\\Dorvik\\Settings]\r\n"
                                        "\"Path\"=\"C:\\\\Data \\\"shared\\\"\"\r\n"
                                        "\"Save\"=dword:00000001\r\n"
                                        "\"Currency\"=dword:deadbeef\r\n"
                                        "@=\"default\"\r\n"
                                        "\r\n");
}

TEST(RegistryText, RoundTripKeepsEveryByte) {
    RegistryTree tree;
    const std::string awkward[] = {
        "",          "\\",      "\"",        "\\\"",          "end\\",
        "a\"b\\c\"", "caf\xE9", "tab\there", "line\r\nbreak", std::string("nul\0in", 6),
        "lone\r",    "lone\n",  "  blanks  "};
    for (std::size_t i = 0; i < std::size(awkward); ++i)
        tree.SetValue(kSettings, Text("v" + std::to_string(i), awkward[i]));
    tree.SetValue(kSettings, Text("name with \"quotes\" and \\", "x"));
    tree.SetValue(kSettings, Number("max", 0xFFFFFFFF));

    const auto parsed = ParseRegistryText(FormatRegistryText(tree));
    EXPECT_EQ(parsed.skippedLines, 0U);
    for (std::size_t i = 0; i < std::size(awkward); ++i) {
        const auto& v = ValueOf(parsed.tree, kSettings, "v" + std::to_string(i));
        EXPECT_EQ(v.type, StoredValue::Type::String) << i;
        EXPECT_EQ(v.text, awkward[i]) << i;
    }
    EXPECT_EQ(ValueOf(parsed.tree, kSettings, "name with \"quotes\" and \\").text, "x");
    EXPECT_EQ(ValueOf(parsed.tree, kSettings, "max").number, 0xFFFFFFFFU);
    EXPECT_EQ(FormatRegistryText(parsed.tree), FormatRegistryText(tree));
}

TEST(RegistryText, LineBreaksAreWrittenInHexSoTheyCannotAddLines) {
    RegistryTree tree;
    tree.SetValue(kSettings, Text("Evil", "x\"\r\n\"Save\"=dword:00000000"));
    const auto text = FormatRegistryText(tree);
    EXPECT_EQ(text.find("\"Save\"="), std::string::npos);
    EXPECT_NE(text.find("\"Evil\"=hex(1):"), std::string::npos);
    EXPECT_EQ(ParseRegistryText(text).tree.FindValue(kSettings, "Save"), nullptr);
}

struct TypeCase {
    const char* line;
    StoredValue::Type type;
    std::string text;
    std::uint32_t number;
};

TEST(RegistryText, ReadsEachTypeOfValue) {
    const TypeCase cases[] = {
        {"\"v\"=\"1\"", StoredValue::Type::String, "1", 0}, // a number in a text stays a text
        {"\"v\"=dword:00000001", StoredValue::Type::Dword, "", 1},
        {"\"v\"=DWORD:0000ABCD", StoredValue::Type::Dword, "", 0xABCD},
        {"\"v\"=hex(4):01,02,00,00", StoredValue::Type::Dword, "", 0x0201},
        {"\"v\"=hex(1):41,0d,0a,42,00", StoredValue::Type::String, "A\r\nB", 0},
        {"\"v\"=hex:01,02", StoredValue::Type::Other, "", 0},
        {"\"v\"=hex:", StoredValue::Type::Other, "", 0},
        {"\"v\"=hex(2):25,00", StoredValue::Type::Other, "", 0},
        {"\"v\"=hex(7):41,00,00", StoredValue::Type::Other, "", 0},
        {"\"v\"=hex(b):01,00,00,00,00,00,00,00", StoredValue::Type::Other, "", 0},
        {"\"v\"=hex(4):01,02", StoredValue::Type::Other, "", 0}, // a dword must have four bytes
        {"  \"v\" = \"spaced\"  ", StoredValue::Type::String, "spaced", 0},
    };
    for (const auto& c : cases) {
        const auto parsed =
            ParseRegistryText(std::string("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n") + c.line + "\n");
        const auto* v = parsed.tree.FindValue("HKEY_CURRENT_USER\\K", "v");
        ASSERT_NE(v, nullptr) << c.line;
        EXPECT_EQ(v->data.type, c.type) << c.line;
        EXPECT_EQ(v->data.text, c.text) << c.line;
        EXPECT_EQ(v->data.number, c.number) << c.line;
    }
}

TEST(RegistryText, OtherValuesAreKeptWhenRewritten) {
    const auto parsed = ParseRegistryText("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n"
                                          "\"Bin\"=hex:00,01,02,\\\r\n"
                                          "  03,04\r\n"
                                          "\"Expand\"=hex(2):25,00,00,00\r\n");
    EXPECT_EQ(parsed.skippedLines, 0U);
    const auto text = FormatRegistryText(parsed.tree);
    EXPECT_NE(text.find("\"Bin\"=hex:00,01,02,03,04\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Expand\"=hex(2):25,00,00,00\r\n"), std::string::npos) << text;
}

TEST(RegistryText, SkipsWhatDoesNotReadAndKeepsTheRest) {
    const char* damaged[] = {
        "\"Trunc\"=\"no closing quote",
        "\"Short\"=dword:0001",
        "\"Long\"=dword:000000001",
        "\"Bad\"=dword:0000000g",
        "\"NoEquals\"",
        "\"Unknown\"=sz:abc",
        "\"Trailing\"=\"x\" junk",
        "\"BadHex\"=hex:1,2",
        "\"BadHexType\"=hex(zz):00",
        "\"Deleted\"=-",
        "Bare=text",
        "\xFF\xFE\x01\x02garbage",
        "[HKEY_CURRENT_USER\\Soft",
    };
    for (const char* line : damaged) {
        const std::string text = std::string("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"Before\"=\"1\"\n") + line +
                                 "\n[HKEY_CURRENT_USER\\K]\n\"After\"=dword:00000002\n";
        const auto parsed = ParseRegistryText(text);
        EXPECT_GE(parsed.skippedLines, 1U) << line;
        EXPECT_NE(parsed.tree.FindValue("HKEY_CURRENT_USER\\K", "Before"), nullptr) << line;
        const auto* after = parsed.tree.FindValue("HKEY_CURRENT_USER\\K", "After");
        ASSERT_NE(after, nullptr) << line;
        EXPECT_EQ(after->data.number, 2U) << line;
        EXPECT_EQ(parsed.tree.Keys().size(), 1U) << line;
    }
}

TEST(RegistryText, ValuesOutsideAReadableKeyAreSkipped) {
    const auto parsed = ParseRegistryText("\"Orphan\"=\"1\"\r\n"
                                          "[HKEY_NOWHERE\\K]\r\n\"A\"=\"1\"\r\n"
                                          "[-HKEY_CURRENT_USER\\K]\r\n\"B\"=\"1\"\r\n"
                                          "[NoRoot]\r\n\"C\"=\"1\"\r\n"
                                          "[hkey_current_user\\k]\r\n\"D\"=\"1\"\r\n");
    EXPECT_EQ(parsed.skippedLines, 7U);
    ASSERT_EQ(parsed.tree.Keys().size(), 1U);
    EXPECT_EQ(parsed.tree.Keys().begin()->second.path, "HKEY_CURRENT_USER\\k");
    EXPECT_NE(parsed.tree.FindValue("HKEY_CURRENT_USER\\K", "d"), nullptr);
}

TEST(RegistryText, ANulDoesNotEndTheFile) {
    const auto parsed = ParseRegistryText("[HKEY_CURRENT_USER\\K]\n\"A\"=\"1\"\n\0\0\0\n\"B\"=\"2\"\n"sv);
    EXPECT_NE(parsed.tree.FindValue("HKEY_CURRENT_USER\\K", "A"), nullptr);
    EXPECT_NE(parsed.tree.FindValue("HKEY_CURRENT_USER\\K", "B"), nullptr);
}

TEST(RegistryText, ArbitraryBytesNeverBreakTheReader) {
    // Made of the characters that matter to the layout, so that many inputs get far into the reader.
    constexpr std::string_view kAlphabet =
        "[]\\\"=@:,()-;\r\n \t0123456789abcdefhxwordHKEY_CURRENT_USER\0\xFF"sv;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 200);
    for (int round = 0; round < 2000; ++round) {
        std::string text = "[HKEY_CURRENT_USER\\K]\n";
        for (std::size_t i = length(random); i > 0; --i)
            text += kAlphabet[pick(random)];
        const auto parsed = ParseRegistryText(text);
        // Whatever was read is written so that it reads back the same.
        const auto once = FormatRegistryText(parsed.tree);
        EXPECT_EQ(FormatRegistryText(ParseRegistryText(once).tree), once);
    }
}

TEST(RegistryTree, KeysAndNamesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
    RegistryTree tree;
    EXPECT_TRUE(tree.CreateKey("HKEY_CURRENT_USER\\Software\\Veltrane"));
    EXPECT_FALSE(tree.CreateKey("hkey_current_user\\SOFTWARE\\veltrane\\"));
    tree.SetValue("HKEY_CURRENT_USER\\software\\VELTRANE", Text("Path", "a"));
    tree.SetValue("HKEY_CURRENT_USER\\Software\\Veltrane", Text("PATH", "b"));
    ASSERT_EQ(tree.Keys().size(), 1U);
    const auto& key = tree.Keys().begin()->second;
    EXPECT_EQ(key.path, "HKEY_CURRENT_USER\\Software\\Veltrane");
    ASSERT_EQ(key.values.size(), 1U);
    EXPECT_EQ(key.values[0].name, "Path");
    EXPECT_EQ(key.values[0].data.text, "b");
}

TEST(RegistryTree, ParentsOfAKeyExistAndSubkeysFollowTheirKey) {
    RegistryTree tree;
    tree.CreateKey("HKEY_CURRENT_USER\\A B");
    tree.CreateKey("HKEY_CURRENT_USER\\A\\B\\C");
    tree.CreateKey("HKEY_CURRENT_USER\\A\\B0");
    EXPECT_TRUE(tree.HasKey("HKEY_CURRENT_USER\\A"));
    EXPECT_TRUE(tree.HasKey("HKEY_CURRENT_USER\\a\\b"));
    EXPECT_TRUE(tree.HasKey("HKEY_CURRENT_USER"));
    EXPECT_FALSE(tree.HasKey("HKEY_CURRENT_USER\\A\\B\\C\\D"));
    EXPECT_FALSE(tree.HasKey("HKEY_CURRENT_USER\\A\\B\\"
                             "Ca"));
    EXPECT_FALSE(tree.HasKey(""));
    std::vector<std::string> order;
    for (const auto& [folded, key] : tree.Keys())
        order.push_back(key.path);
    EXPECT_EQ(order, (std::vector<std::string>{"HKEY_CURRENT_USER\\A\\B\\C", "HKEY_CURRENT_USER\\A\\B0",
                                               "HKEY_CURRENT_USER\\A B"}));
}

} // namespace
} // namespace dorvik
