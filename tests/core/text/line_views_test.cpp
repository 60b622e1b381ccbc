#include "core/text/line_views.h"

#include "core/text/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvik {
namespace {

// The rules written out byte by byte, as plainly as they read: cut at the NUL, then split.
std::vector<std::string> ReferenceLines(std::string text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// Every pattern at every position around the sixteen-byte steps of the scan, so that breaks and NULs fall
// first, last and across each step.
TEST(LineViews, FollowTheLineRulesAtEveryPosition) {
    using namespace std::string_literals;
    const std::vector<std::string> patterns{
        "",        "a",    "\r\n", "\r",       "\n",      "\n\r",    "\r\r\n",    "a\r\nb",
        "a\rb\nc", "\n\n", "\0"s,  "a\0b\nc"s, "\r\0\n"s, "\r\n\0"s, "x|y|z\r\n",
    };
    for (std::size_t before = 0; before <= 34; ++before) {
        for (const auto& pattern : patterns) {
            for (const std::string& after : {std::string(), std::string(20, 'z'), std::string("tail\n")}) {
                const std::string text = std::string(before, 'p') + pattern + after;
                SCOPED_TRACE(::testing::PrintToString(text));
                const auto expected = ReferenceLines(text);
                const auto views = LineViews(text);
                ASSERT_EQ(std::vector<std::string>(views.begin(), views.end()), expected);
                EXPECT_EQ(SplitLines(text), expected);
                for (const auto view : views) {
                    // Views into the text, not copies.
                    EXPECT_GE(view.data(), text.data());
                    EXPECT_LE(view.data() + view.size(), text.data() + text.size());
                }
            }
        }
    }
}

TEST(LineFrom, EndsAtTheLineBreakOrTheNul) {
    using namespace std::string_literals;
    const std::string text = "first|line\r\nsecond\rthird\nfourth\0fifth"s;
    EXPECT_EQ(LineFrom(text, 0), "first|line");
    EXPECT_EQ(LineFrom(text, 6), "line");
    EXPECT_EQ(LineFrom(text, 12), "second");
    EXPECT_EQ(LineFrom(text, 19), "third");
    EXPECT_EQ(LineFrom(text, 25), "fourth");
    EXPECT_EQ(LineFrom(text, text.size()), "");
}

// The line a reader stops at: the NUL's own line, whatever line breaks come before it.
TEST(NulByteLine, IsTheLineOfTheFirstNul) {
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"abc", 0},          {{"\0", 1}, 1},         {{"a\0", 2}, 1},
        {{"a\nb\0", 4}, 2},  {{"a\r\n\0b\0", 6}, 2}, {{"a\r\rb\0", 5}, 3},
        {{"a\n\n\0", 4}, 3}, {{"a\r\0\nb", 5}, 1},   {{"a\r\0b", 4}, 2}};
    for (const auto& [text, line] : cases)
        EXPECT_EQ(NulByteLine(text), line) << text.size();
}

} // namespace
} // namespace dorvik
