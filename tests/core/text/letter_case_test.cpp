#include "core/text/letter_case.h"
#include "core/text/trim.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

TEST(LetterCaseTest, OnlyAsciiLettersChange) {
    // "Meters" and a Windows-1252 "é" (0xE9) / "É" (0xC9): the 8-bit letters stay as they are under any
    // locale.
    EXPECT_EQ(UpperCaseAscii("Meters az@[`{\xE9"), "METERS AZ@[`{\xE9");
    EXPECT_EQ(LowerCaseAscii("FEET AZ@[`{\xC9"), "feet az@[`{\xC9");
}

TEST(LetterCaseTest, EqualsNoCaseFoldsAsciiLettersOnly) {
    struct Case {
        const char* A;
        const char* B;
        bool Equal;
    } const cases[] = {
        {"Software\\Dorvik", "SOFTWARE\\dorvik", true},
        {"", "", true},
        {"Length", "Lengths", false},
        {"\xC9t\xE9", "\xE9T\xE9", false}, // Windows-1252 "É" and "é" are two names here
        {"@", "`", false},                 // neighbours of the letters are not letters
        {"[", "{", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EqualsNoCase(c.A, c.B), c.Equal) << c.A << " / " << c.B;
}

TEST(TrimTest, FieldsLoseControlsAndValuesOnlyBlanks) {
    struct Case {
        std::string_view Text;
        std::string_view Trimmed;
        std::string_view Blanks;
    } const cases[] = {
        {" \t12.5\t ", "12.5", "12.5"},  {"\r\x01value\x7f\n", "value", "\r\x01value\x7f\n"},
        {"\t\r x \r\t", "x", "\r x \r"}, {"   ", "", ""},
        {"a b", "a b", "a b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Trim(c.Text), c.Trimmed);
        EXPECT_EQ(TrimBlanks(c.Text), c.Blanks);
    }
}

} // namespace
} // namespace dorvik
