#include "core/output/html_page.h"
#include "core/output/output_grids.h"

#include <gtest/gtest.h>

namespace dorvik::testing {
namespace {

TEST(HtmlPageTest, MatchesGoldenPageByteForByte) {
    const ResultGrids grids;
    EXPECT_EQ(BuildHtmlPage(grids.specs, 3), ReadGolden("page.html"));
}

TEST(HtmlPageTest, MarkupInTheDataNeverReachesThePageAsMarkup) {
    const TextTable grid{{{"<i>&\"</i>"}}, {{"<script>alert('x')</script>"}}, 0};
    const std::string page = BuildHtmlPage(grid, 0);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(page.find("<TR><TD><B>&lt;i&gt;&amp;&quot;&lt;/i&gt;</B></TD><TD></TR>\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("<TR><TD>&lt;script&gt;alert('x')&lt;/script&gt;</TD><TD></TR>\r\n"),
              std::string::npos);
}

TEST(HtmlPageTest, EmptyGridHoldsTheHeadingRowAloneWithTheGivenBorder) {
    const TextTable grid{{{"A"}, {"B"}}, {}, 0};
    const std::string page = BuildHtmlPage(grid, 12);
    EXPECT_EQ(page.substr(page.find("<TABLE")), "<TABLE BORDER = 12 >\r\n"
                                                "<TR><TD><B>A</B></TD><TD><B>B</B></TD><TD></TR>\r\n"
                                                "</TABLE>\r\n</BODY>\r\n</HTML>\r\n");
}

TEST(HtmlPageTest, DataFileBytesAreDecodedToUtf8) {
    const TextTable grid{{{"Description"}},
                         {{"90\xB0 \x80"},             // Windows-1252: degree sign, euro sign
                          {"already \xC3\xA9 UTF-8"}}, // kept
                         0};
    const std::string page = BuildHtmlPage(grid, 3);
    EXPECT_NE(page.find("<TD>90\xC2\xB0 \xE2\x82\xAC</TD>"), std::string::npos);
    EXPECT_NE(page.find("<TD>already \xC3\xA9 UTF-8</TD>"), std::string::npos);
}

} // namespace
} // namespace dorvik::testing
