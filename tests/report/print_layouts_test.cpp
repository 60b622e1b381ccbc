#include "core/errors.h"
#include "report/layouts/print_layouts.h"
#include "report/pdf_tools.h"
#include "report/print_reports.h"
#include "support/test_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

namespace dorvik::testing {
namespace {

using namespace dorvik::report;

std::set<QString> FieldsNamedBy(const ReportDefinition& report) {
    std::set<QString> names;
    for (const Band* band : {&report.detail})
        for (const Element& element : band->elements)
            if (const auto* field = std::get_if<FieldText>(&element))
                names.insert(field->field);
    return names;
}

std::set<QString> NamesOf(const std::vector<PipelineField>& fields) {
    std::set<QString> names;
    for (const auto& field : fields)
        names.insert(field.name);
    return names;
}

TEST(PrintLayoutsTest, EachReportShowsEveryFieldOfItsOwnPipeline) {
    const auto list = ListPipelineFields();
    const auto selection = SelectionPipelineFields();
    ASSERT_EQ(list.size(), 14u);
    ASSERT_EQ(selection.size(), 23u);
    EXPECT_EQ(FieldsNamedBy(ListReport()), NamesOf(list));
    EXPECT_EQ(FieldsNamedBy(DataSheetReport()), NamesOf(selection));
    for (std::size_t i = 0; i < selection.size(); ++i)
        EXPECT_EQ(selection[i].position, static_cast<int>(i));
    EXPECT_EQ(list[11].name, "VSWR Derated Power");
    EXPECT_EQ(selection[11].name, "VSWR DeratedPower");
    EXPECT_EQ(selection[16].length, 150);
}

TEST(PrintLayoutsTest, LetterPortraitWithQuarterInchMargins) {
    const QPageLayout layout = ListReport().pageLayout;
    EXPECT_EQ(layout.pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
    EXPECT_NEAR(layout.margins(QPageLayout::Millimeter).left(), 6.35, 1e-9);
    EXPECT_NEAR(layout.margins(QPageLayout::Millimeter).bottom(), 6.35, 1e-9);
    EXPECT_EQ(DataSheetReport().pageLayout, layout);
    EXPECT_EQ(ListReport().documentName, "Report");
}

// A list record of 14 fields whose part number is name.
std::string ListRecord(const std::string& name, const std::string& description) {
    return name + "|806-960|" + description +
           "|883|1.23|4.04|2.46|2.56|55.40|31.20|4.41|4.29|USD 12.34|USD 40.48|\r\n";
}

class PrintReportsTest : public ::testing::Test {
protected:
    dorvik::testing::TempFolder folder;
    std::filesystem::path pdf = folder / "out.pdf";
    const CalendarDateTime printedAt{{2026, 12, 8}, 14, 5, 9};
};

TEST_F(PrintReportsTest, ListReportHasSevenRecordsAPage) {
    std::string data;
    for (int i = 1; i <= 15; ++i)
        data += ListRecord(
            "LDF" + std::to_string(100 + i) + "-50A",
            "Foam dielectric coaxial cable, corrugated copper outer conductor, polyethylene jacket, "
            "record " +
                std::to_string(i));
    dorvik::testing::WriteBytes(folder / "list.dvk", data);
    PdfReports reports(pdf);
    reports.Print(TReportKind::List, folder / "list.dvk", printedAt);
    EXPECT_EQ(reports.LastPageCount(), 3);
    ASSERT_EQ(PdfInfo(pdf, "Pages"), "3");
    EXPECT_THAT(PdfInfo(pdf, "Page size"), ::testing::HasSubstr("612 x 792 pts"));
    EXPECT_EQ(PdfInfo(pdf, "Title"), "Report");

    const std::string all = PdfText(pdf);
    EXPECT_EQ(Occurrences(all, "Veltrane Corporation Insertion Loss Calculator"), 1) << "title band once";
    EXPECT_EQ(Occurrences(all, "VSWR Derated AVG Power"), 3) << "captions on every page";
    EXPECT_EQ(Occurrences(all, "Attenuation dB/100ft"), 3);
    EXPECT_EQ(Occurrences(all, "Page 2 of 3"), 1);
    EXPECT_EQ(Occurrences(all, "USD 40.48"), 15);
    for (int page = 1; page <= 3; ++page) {
        const std::string text = PdfText(pdf, page, page);
        const int first = (page - 1) * 7 + 1, last = std::min(15, page * 7);
        for (int i = 1; i <= 15; ++i)
            EXPECT_EQ(Occurrences(text, "LDF" + std::to_string(100 + i) + "-50A"),
                      i >= first && i <= last ? 1 : 0)
                << "record " << i << " on page " << page;
        EXPECT_EQ(Occurrences(text, "Page " + std::to_string(page) + " of 3"), 1);
        EXPECT_EQ(Occurrences(text, "14:05:09"), 1) << "printing time from the clock given";
    }
}

TEST_F(PrintReportsTest, DataSheetIsOnePageWithEveryCaption) {
    const std::string description(140, 'w');
    dorvik::testing::WriteBytes(
        folder / "selected.dvk",
        "AVA5-50|806-960|" + std::string("Long ") + description +
            "|883|1.23|4.04|2.46|2.56|55.40|31.20|4.41|4.29|USD 12.34|USD 40.48|N Male|NM-1|"
            "N male connector for the cable|USD 45.00|7-16 DIN Female|DF-7|"
            "7-16 DIN female connector|USD 61.00|\r\n");
    PdfReports reports(pdf);
    reports.Print(TReportKind::DataSheet, folder / "selected.dvk", printedAt);
    ASSERT_EQ(PdfInfo(pdf, "Pages"), "1");
    const std::string text = PdfText(pdf);
    for (const char* part : {"Veltrane Corporation Insertion Loss Calculator",
                             "Transmission Line:",
                             "Connector #1:",
                             "Connector #2:",
                             "Part Number:",
                             "Frequency Band, MHz:",
                             "Mid Band Frequency, MHz:",
                             "Attenuation dB/100ft:",
                             "Attenuation dB/100m:",
                             "Total Attenuation:",
                             "Insertion Loss:",
                             "Efficiency %:",
                             "Peak Power:",
                             "Average Power:",
                             "VSWR Derated Avg. Power:",
                             "List Price Per Foot:",
                             "List Price Per Meter:",
                             "Type:",
                             "Price:",
                             "AVA5-50",
                             "N male connector for the cable",
                             "7-16 DIN female connector",
                             "USD 61.00",
                             "DF-7",
                             "Page 1 of 1"})
        EXPECT_GE(Occurrences(text, part), 1) << part;
    EXPECT_EQ(Occurrences(text, "Description:"), 3);
    EXPECT_EQ(Occurrences(text, "Part Number:"), 3);
}

TEST_F(PrintReportsTest, UnwritablePdfIsAnErrorAndLeavesNoFile) {
    dorvik::testing::WriteBytes(folder / "list.dvk", ListRecord("P1", "d"));
    PdfReports reports(folder / "no such folder" / "out.pdf");
    EXPECT_THROW(reports.Print(TReportKind::List, folder / "list.dvk", printedAt), FileError);
    EXPECT_FALSE(std::filesystem::exists(folder / "no such folder"));
}

} // namespace
} // namespace dorvik::testing
