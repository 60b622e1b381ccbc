#include "report/pagination.h"

#include <gtest/gtest.h>

namespace dorvik::testing {
namespace {

using namespace dorvik::report;

ReportDefinition Bands(double title, double header, double detail, double footer) {
    ReportDefinition report;
    if (title > 0)
        report.title = Band{title, {}};
    if (header > 0)
        report.pageHeader = Band{header, {}};
    report.detail.height = detail;
    if (footer > 0)
        report.pageFooter = Band{footer, {}};
    return report;
}

// "T@0 H@50 D0@100 ... F@980" for one page.
std::string Describe(const ReportDefinition& report, const LaidOutPage& page) {
    std::string text;
    for (const PlacedBand& placed : page.bands) {
        if (!text.empty())
            text += ' ';
        if (placed.band == &*report.title)
            text += "T";
        else if (report.pageHeader && placed.band == &*report.pageHeader)
            text += "H";
        else if (report.pageFooter && placed.band == &*report.pageFooter)
            text += "F";
        else
            text += "D" + std::to_string(placed.record);
        text += "@" + std::to_string(static_cast<int>(placed.top));
    }
    return text;
}

TEST(PaginationTest, TitleOnceHeaderAndFooterOnEveryPage) {
    const ReportDefinition report = Bands(50, 30, 100, 20);
    const auto pages = Paginate(report, 12, 500);
    ASSERT_EQ(pages.size(), 3u);
    // A band that ends exactly at the footer still fits.
    EXPECT_EQ(Describe(report, pages[0]), "T@0 H@50 D0@80 D1@180 D2@280 D3@380 F@480");
    EXPECT_EQ(Describe(report, pages[1]), "H@0 D4@30 D5@130 D6@230 D7@330 F@480");
    EXPECT_EQ(Describe(report, pages[2]), "H@0 D8@30 D9@130 D10@230 D11@330 F@480");
    EXPECT_EQ(Paginate(report, 13, 500).size(), 4u);
    EXPECT_EQ(Paginate(report, 4, 500).size(), 1u);
    EXPECT_EQ(Paginate(report, 5, 500).size(), 2u);
}

TEST(PaginationTest, RecordLimitPerPage) {
    ReportDefinition report = Bands(0, 30, 10, 20);
    report.maxRecordsPerPage = 7;
    for (const auto& [records, pages] : {std::pair{0, 1u}, {1, 1u}, {7, 1u}, {8, 2u}, {14, 2u}, {15, 3u}})
        EXPECT_EQ(Paginate(report, records, 500).size(), pages) << records << " records";
}

TEST(PaginationTest, NoRecordsStillGiveOnePageAndAnOversizedBandGetsItsOwn) {
    const ReportDefinition report = Bands(50, 30, 1000, 20);
    const auto empty = Paginate(report, 0, 500);
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(Describe(report, empty[0]), "T@0 H@50 F@480");
    const auto oversized = Paginate(report, 2, 500);
    ASSERT_EQ(oversized.size(), 2u);
    EXPECT_EQ(Describe(report, oversized[1]), "H@0 D1@30 F@480");
}

} // namespace
} // namespace dorvik::testing
