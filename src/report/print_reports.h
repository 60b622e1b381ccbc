#pragma once
// The report engine of the print options window: each report with its pipeline. Subclasses decide where the
// laid-out report goes (the preview, a PDF file).
#include "core/forms/printing/report_engine.h"
#include "report/report_definition.h"
#include "report/report_renderer.h"
#include "report/text_pipeline.h"

#include <QDateTime>

namespace dorvik::report {

class PrintReports : public IReportEngine {
public:
    PrintReports();

    void Print(TReportKind report, const std::filesystem::path& dataFile,
               const CalendarDateTime& printedAt) final;
    void ClosePipeline(TReportKind report) noexcept final;

    TextPipeline& Pipeline(TReportKind report);
    const ReportDefinition& Definition(TReportKind report) const;

protected:
    // Shows, prints or writes the laid-out report.
    virtual void Output(const ReportRenderer& renderer) = 0;

private:
    TextPipeline tplAll_;
    TextPipeline tplSelection_;
    ReportDefinition rptAll_;
    ReportDefinition rptSelected_;
};

// Writes every report to one PDF file, replacing it.
class PdfReports final : public PrintReports {
public:
    explicit PdfReports(std::filesystem::path file) : file_(std::move(file)) {}
    int LastPageCount() const { return lastPageCount_; }

protected:
    void Output(const ReportRenderer& renderer) override;

private:
    std::filesystem::path file_;
    int lastPageCount_ = 0;
};

QDateTime ToQDateTime(const CalendarDateTime& when);

} // namespace dorvik::report
