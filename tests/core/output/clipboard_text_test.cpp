#include "core/output/clipboard_text.h"
#include "core/output/output_grids.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dorvik::testing {
namespace {

TEST(ClipboardTextTest, MatchesGoldenText) {
    const ResultGrids grids;
    EXPECT_EQ(BuildClipboardText(grids.specs, grids.connectors1, grids.connectors2, "\n", CellBytes::Utf8),
              ReadGolden("clipboard.txt"));
}

TEST(ClipboardTextTest, LineEndIsTheOnlyDifferenceBetweenPlatforms) {
    const ResultGrids grids;
    std::string expected = ReadGolden("clipboard.txt");
    std::replace(expected.begin(), expected.end(), '\n', '\r');
    // The stored byte 0xB0 instead of its UTF-8 form.
    expected.replace(expected.find("\xC2\xB0"), 2, "\xB0");
    const std::string text = BuildClipboardText(grids.specs, grids.connectors1, grids.connectors2, "\r");
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 28);
}

TEST(ClipboardTextTest, LabelsArePaddedTo31WhileTheyAreShorter) {
    struct Case {
        std::string heading;
        std::string label;
    };
    const std::vector<Case> cases{
        {"Part Number", "Part Number:" + std::string(19, ' ')},
        {"VSWR Derated Avg. Pwr. (kW)", "VSWR Derated Avg. Pwr. (kW):   "},
        {std::string(29, 'h'), std::string(29, 'h') + ": "}, // 30 characters: one space
        {std::string(30, 'h'), std::string(30, 'h') + ":"},  // 31: none
        {std::string(40, 'h'), std::string(40, 'h') + ":"},  // longer: neither padded nor cut
        {"", ":" + std::string(30, ' ')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClipboardLabel(c.heading), c.label) << c.heading.size();
}

TEST(ClipboardTextTest, HeadingsAsTheGridShowsThemAndValueAfterALongLabel) {
    ResultGrids grids;
    grids.specs.Columns[12].Heading = "List Price Per Foot (EUR)";
    grids.specs.Columns[13].Heading = std::string(31, 'x');
    const std::string text = BuildClipboardText(grids.specs, grids.connectors1, grids.connectors2, "\n");
    EXPECT_NE(text.find("\nList Price Per Foot (EUR):     USD 5.50\n"), std::string::npos);
    EXPECT_NE(text.find("\n" + std::string(31, 'x') + ":USD 18.04\n"), std::string::npos);
}

TEST(ClipboardTextTest, SameSelectionGivesSameText) {
    const ResultGrids grids;
    EXPECT_EQ(BuildClipboardText(grids.specs, grids.connectors1, grids.connectors2, "\n"),
              BuildClipboardText(grids.specs, grids.connectors1, grids.connectors2, "\n"));
}

} // namespace
} // namespace dorvik::testing
