#include "core/catalogue/pick_list.h"
#include "core/text/collation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvik {
namespace {

using ::testing::ElementsAre;

TEST(Collation, LetterCaseOfTheWholeCharacterSetIsIgnored) {
    struct Case {
        std::string A;
        std::string B;
        bool Same;
    };
    // Windows-1252 bytes, and the same letters in UTF-8.
    const std::vector<Case> cases{
        {"N Male", "n MALE", true},
        {"\xC9l", "\xE9l", true},         // E acute
        {"\xC3\x89l", "\xC3\xA9l", true}, // E acute in UTF-8
        {"\xC9l", "\xC3\xA9l", true},     // one in each: they show the same
        {"\xC0\xC6\xD0\xDE", "\xE0\xE6\xF0\xFE", true},
        {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", true}, // S caron, OE, Z caron, Y diaeresis
        {"el", "\xE9l", false},                         // accents are kept apart
        {"\xD7", "\xF7", false},                        // multiplication and division signs are no letters
        {"\xDF", "ss", false},
        {"\x81", "\x8D", false}, // unassigned bytes stay distinct
        {"a", "a ", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.A + " / " + c.B);
        EXPECT_EQ(SameTextIgnoreCase(c.A, c.B), c.Same);
        EXPECT_EQ(CompareTextIgnoreCase(c.A, c.B) == 0, c.Same);
    }
}

TEST(Collation, AccentedLettersSortBesideTheirBaseLetter) {
    std::vector<std::string> texts{"ela", "\xE9l",  "em", "EL",    "ez",       "\xC6on",
                                   "ado", "\xF8st", "oz", "\xC9l", "7-16 DIN", "\xDF"};
    SortTextsIgnoreCase(texts);
    EXPECT_THAT(texts, ElementsAre("7-16 DIN", "ado", "\xC6on", "EL", "\xE9l", "\xC9l", "ela", "em", "ez",
                                   "\xF8st", "oz", "\xDF"));
}

TEST(PickList, TheFirstFormStaysWithItsValueAndTheListReadsSorted) {
    PickList list;
    EXPECT_TRUE(list.Add("\xC9l", 1));
    EXPECT_TRUE(list.Add("em", 2));
    EXPECT_FALSE(list.Add("\xE9L", 3));
    EXPECT_TRUE(list.Add("el", 4));
    EXPECT_FALSE(list.Add("EL", 5));
    EXPECT_EQ(list.Size(), 3U);
    const auto entries = list.Entries();
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_THAT(TextsOf(entries), ElementsAre("el", "\xC9l", "em"));
    EXPECT_EQ(entries[0].Value, 4);
    EXPECT_EQ(entries[1].Value, 1);
}

} // namespace
} // namespace dorvik
