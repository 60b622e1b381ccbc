#include "core/text/fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvik {
namespace {

TEST(Fields, FieldNIsTheTextBeforeItsTerminatingBar) {
    struct Case {
        std::string Line;
        int N;
        std::string Raw;
        std::string Trimmed;
    };
    const std::vector<Case> cases{
        {"a|b|c|", 1, "a", "a"},
        {"a|b|c|", 3, "c", "c"},
        {"a|b|c|", 4, "", ""},
        {"a|b|c", 3, "", ""}, // no terminating bar
        {"a|b|c", 2, "b", "b"},
        {"a|b|c|", 0, "", ""},
        {"a|b|c|", -1, "", ""},
        {"", 1, "", ""},
        {"|", 1, "", ""},
        {"||x|", 3, "x", "x"},
        {" \t x \r|", 1, " \t x \r", "x"},
        {"a| b c |", 2, " b c ", "b c"},
        {"a|\x7f"
         "b\x01|",
         2,
         "\x7f"
         "b\x01",
         "b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line + " field " + std::to_string(c.N));
        EXPECT_EQ(RawFieldOf(c.Line, c.N), c.Raw);
        EXPECT_EQ(FieldOf(c.Line, c.N), c.Trimmed);
    }
}

TEST(Fields, SkippedLines) {
    for (const char* line : {"", " VEL|x|", "#x", ";x", "[x]", "^x", "`x", "{x", "~x"})
        EXPECT_TRUE(IsSkippedLine(line)) << line;
    for (const char* line : {"VEL|x|", "\tVEL|x|", "|x|", "-x", "}x", "]x"})
        EXPECT_FALSE(IsSkippedLine(line)) << line;
}

} // namespace
} // namespace dorvik
