#include "report/print_reports.h"

#include "report/layouts/print_layouts.h"

namespace dorvik::report {

PrintReports::PrintReports()
    : tplAll_(QLatin1Char('|'), ListPipelineFields()),
      tplSelection_(QLatin1Char('|'), SelectionPipelineFields()), rptAll_(ListReport()),
      rptSelected_(DataSheetReport()) {}

TextPipeline& PrintReports::Pipeline(TReportKind report) {
    return report == TReportKind::List ? tplAll_ : tplSelection_;
}

const ReportDefinition& PrintReports::Definition(TReportKind report) const {
    return report == TReportKind::List ? rptAll_ : rptSelected_;
}

void PrintReports::Print(TReportKind report, const std::filesystem::path& dataFile,
                         const CalendarDateTime& printedAt) {
    TextPipeline& pipeline = Pipeline(report);
    pipeline.SetFileName(dataFile);
    pipeline.Open();
    const ReportRenderer renderer(Definition(report), pipeline, ToQDateTime(printedAt));
    Output(renderer);
}

void PrintReports::ClosePipeline(TReportKind report) noexcept {
    Pipeline(report).Close();
}

void PdfReports::Output(const ReportRenderer& renderer) {
    renderer.WritePdf(file_);
    lastPageCount_ = renderer.PageCount();
}

QDateTime ToQDateTime(const CalendarDateTime& when) {
    return {QDate(when.date.year, when.date.month, when.date.day),
            QTime(when.hour, when.minute, when.second)};
}

} // namespace dorvik::report
