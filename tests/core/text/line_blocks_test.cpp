#include "core/text/line_blocks.h"

#include "core/text/line_views.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvik {
namespace {

using namespace std::string_literals;

std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

// Whatever the block size, the blocks' lines are the whole text's: no CR LF split into two breaks, no line
// cut in two, nothing past a NUL, and a line longer than a block kept whole.
TEST(LineBlocks, BlocksHoldTheTextsLinesWhole) {
    const std::vector<std::string> texts{
        "",
        "one\ntwo\nthree",
        "one\r\ntwo\r\n\r\nthree\r\n",
        "lone\rcarriage\rreturns\ronly\r",
        "mixed\r\nbreaks\rand\nends\r",
        "a line much longer than any block here\nshort\n",
        "before\nthe NUL\0after\nit\n"s,
        "\0nothing"s,
    };
    const testing::TempFolder folder;
    for (const auto& text : texts) {
        testing::WriteBytes(folder / "list.dat", text);
        for (const auto access : {FileBytes::Access::Copy, FileBytes::Access::Map}) {
            const FileBytes bytes = FileBytes::Read(folder / "list.dat", access);
            for (const std::size_t blockSize : {1, 2, 3, 5, 8, 64}) {
                SCOPED_TRACE(text + " in blocks of " + std::to_string(blockSize));
                std::vector<std::string> lines;
                ForEachLineBlock(bytes, blockSize, [&lines](std::string_view block) {
                    for (auto& line : LinesOf(block))
                        lines.push_back(std::move(line));
                    return true;
                });
                EXPECT_EQ(lines, LinesOf(text));
            }
        }
    }
}

TEST(LineBlocks, NoBlockFollowsOneThatStopsThePass) {
    const testing::TempFolder folder;
    testing::WriteBytes(folder / "list.dat", "one\ntwo\nthree\nfour\n");
    int visits = 0;
    ForEachLineBlock(FileBytes::Read(folder / "list.dat", FileBytes::Access::Map), 5,
                     [&visits](std::string_view) {
                         ++visits;
                         return false;
                     });
    EXPECT_EQ(visits, 1);
}

} // namespace
} // namespace dorvik
