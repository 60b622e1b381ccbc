#include "report/wrapped_text.h"

#include "report/layouts/print_layouts.h"
#include "report/pdf_tools.h"
#include "report/print_reports.h"
#include "report/report_fonts.h"
#include "support/test_files.h"

#include <QFontMetricsF>
#include <QImage>

#include <gtest/gtest.h>

namespace dorvik::testing {
namespace {

using namespace dorvik::report;

// Every line within the box's width, no more lines than its height holds, an ellipsis only where text is
// left out.
TEST(WrappedTextTest, LinesStayInsideTheBox) {
    QImage device(10, 10, QImage::Format_RGB32);
    const QFont font = ReportFont(10, true);
    const QFontMetricsF metrics(font, &device);
    const QSizeF box(300, metrics.lineSpacing() * 2.5);
    struct Case {
        QString text;
        QStringList lines; // empty: only the count and the ellipsis are known
        int count;
        bool elided;
    };
    const QString word(20000, QLatin1Char('w'));
    const Case cases[] = {
        {"Foam cable", {"Foam cable"}, 1, false},
        {word, {}, 2, true},
        {"short " + word, {}, 2, true},
        {QString("one two three ").repeated(5).trimmed(), {}, 2, false},
        {QString("one two three ").repeated(50), {}, 2, true},
        {"", {""}, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(40).toStdString());
        const QStringList lines = WrappedLines(c.text, font, &device, box);
        ASSERT_EQ(lines.size(), c.count);
        if (!c.lines.isEmpty()) {
            EXPECT_EQ(lines, c.lines);
        }
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), box.width() + 0.5) << line.toStdString();
        EXPECT_EQ(lines.back().endsWith(QChar(0x2026)), c.elided) << lines.back().toStdString();
        if (!c.elided) {
            EXPECT_EQ(lines.join(' '), c.text.simplified());
        }
    }
    // A box lower than a line still shows one.
    EXPECT_EQ(WrappedLines(word, font, &device, QSizeF(300, 2)).size(), 1);
}

// A description of 20,000 letters stays in its column on the printed page, in both reports.
TEST(WrappedTextTest, LongDescriptionIsCutInsideItsColumn) {
    testing::TempFolder folder;
    const std::string description(20000, 'w');
    const std::string figures = "|883|1.23|4.04|2.46|2.56|55.40|31.20|4.41|4.29|USD 12.34|USD 40.48|";
    testing::WriteBytes(folder / "list.dvk", "P1|806-960|" + description + figures + "\r\n");
    testing::WriteBytes(folder / "selected.dvk", "P1|806-960|" + description + figures + "N Male|NM-1|" +
                                                     description + "|USD 45.00|7-16|DF-7|d|USD 1|\r\n");
    const CalendarDateTime printedAt{{2026, 12, 8}, 14, 5, 9};
    for (const auto kind : {TReportKind::List, TReportKind::DataSheet}) {
        const auto pdf = folder / "out.pdf";
        PdfReports reports(pdf);
        reports.Print(kind, folder / (kind == TReportKind::List ? "list.dvk" : "selected.dvk"), printedAt);
        ASSERT_EQ(PdfInfo(pdf, "Pages"), "1");
        const std::string text = PdfText(pdf);
        EXPECT_GT(Occurrences(text, "w"), 20);
        EXPECT_LT(Occurrences(text, "w"), 1000) << "only what fits the column is on the page";
        EXPECT_NE(text.find("…"), std::string::npos);
    }
}

} // namespace
} // namespace dorvik::testing
