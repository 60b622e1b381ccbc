#include "core/text/text_file.h"

#include "core/errors.h"

#include "support/test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace dorvik {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SplitLines, BreaksAtCrLfLoneCrAndLoneLf) {
    using namespace std::string_literals;
    struct Case {
        std::string Text;
        std::vector<std::string> Lines;
    };
    const std::vector<Case> cases{
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n", {"a"}},
        {"a\r\n", {"a"}},
        {"\n", {""}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\r\n", {"", ""}},
        {"\n\r", {"", ""}},
        {"a\0b\nc"s, {"a"}},
        {"\0abc"s, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.Text));
        EXPECT_EQ(SplitLines(c.Text), c.Lines);
    }
}

class TextFileTest : public ::testing::Test {
protected:
    const testing::TempFolder temp;
    const std::filesystem::path folder = temp.Path();
};

TEST_F(TextFileTest, WritesAtomicallyAndReadsBackBytesAsTheyAre) {
    const auto path = folder / "out.txt";
    WriteFileAtomically(path, "one\r\ntwo\xe9\r\n");
    EXPECT_EQ(ReadWholeFile(path), "one\r\ntwo\xe9\r\n");
    EXPECT_THAT(ReadTextLines(path), ElementsAre("one", "two\xe9"));
    WriteFileAtomically(path, "");
    EXPECT_THAT(ReadTextLines(path), IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(folder / "out.txt.tmp~"));
}

// Reading splits block by block: line breaks and NULs at and across the block edges read as in memory.
TEST_F(TextFileTest, ReadTextLinesSplitsAsSplitLines) {
    using namespace std::string_literals;
    const std::size_t block = 1 << 16;
    const std::string a(block - 1, 'a');
    const std::vector<std::string> texts{
        "",
        "a",
        "a\r\nb",
        "a\rb\nc",
        "a\n",
        "\n",
        "a\n\nb",
        "\r\r\n",
        "a\0b\nc"s,
        a + "\r\nb", // CR last in the first block, LF first in the second
        a + "\rb",   // a lone CR at the block's end
        a + "\r\rb",
        a + "\r",
        a + "x\r\nb", // CR LF first in the second block
        a + "xy\nb",
        a + "\n\n",
        a + "x" + a + "x" + a + "\r\ntail", // one line over three blocks
        a + "x\0" + "after"s,
        a + "\r\0\nafter"s,
    };
    const auto path = folder / "lines.txt";
    for (const auto& text : texts) {
        SCOPED_TRACE(::testing::PrintToString(text.size() > 40 ? text.substr(text.size() - 20) : text));
        WriteFileAtomically(path, text);
        EXPECT_EQ(ReadTextLines(path), SplitLines(text));
    }
}

TEST_F(TextFileTest, FailuresNameTheFile) {
    const auto missing = folder / "missing" / "out.txt";
    try {
        WriteFileAtomically(missing, "x");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + missing.string());
    }
    EXPECT_THROW(ReadWholeFile(missing), FileError);
    EXPECT_THROW(ReadTextLines(missing), FileError);
}

TEST(Encoding, Windows1252AndUtf8) {
    EXPECT_EQ(DecodeForDisplay("caf\xe9"), "caf\xc3\xa9");
    EXPECT_EQ(DecodeForDisplay("caf\xc3\xa9"), "caf\xc3\xa9");
    EXPECT_EQ(DecodeForDisplay("\x80"), "\xe2\x82\xac");
    EXPECT_EQ(DecodeForDisplay("\x81"), "\xef\xbf\xbd");
    EXPECT_EQ(EncodeForFile("caf\xc3\xa9 \xe2\x82\xac"), "caf\xe9 \x80");
    EXPECT_EQ(EncodeForFile("\xce\xa9"), "\xce\xa9"); // no 8-bit form: kept as UTF-8
    EXPECT_EQ(EncodeForFile("plain"), "plain");
    for (const char* invalid : {"\xc0\x80", "\xed\xa0\x80", "\xc3", "\xf4\x90\x80\x80", "\xe2\x82"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << ::testing::PrintToString(invalid);
    for (const char* valid : {"", "abc", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80"})
        EXPECT_TRUE(IsValidUtf8(valid)) << ::testing::PrintToString(valid);
}

} // namespace
} // namespace dorvik
