#pragma once
// The second pass: paints the laid-out pages with QPainter. One paint path serves the preview, the printer
// and PDF files.
#include "report/pagination.h"
#include "report/report_definition.h"
#include "report/text_pipeline.h"

#include <QDateTime>

#include <filesystem>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace dorvik::report {

class ReportRenderer {
public:
    // Lays the report out over the pipeline's records (open); both must outlive the renderer.
    ReportRenderer(const ReportDefinition& report, const TextPipeline& pipeline, QDateTime printedAt);

    int PageCount() const { return static_cast<int>(pages_.size()); }

    // Paints every page on the device, which has the report's page layout; false when painting cannot begin.
    bool Paint(QPagedPaintDevice& device) const;
    // Gives the printer the report's page layout and document name.
    void SetUpPrinter(QPrinter& printer) const;
    // The whole report as a PDF file, written through a temporary file; throws FileError naming the file.
    void WritePdf(const std::filesystem::path& file) const;

    // The texts of the system variables.
    QString PrintDateTimeText() const;
    static QString PageText(int pageNumber, int pageCount);

private:
    void PaintBand(QPainter& painter, const PlacedBand& placed, const PaintContext& context) const;

    const ReportDefinition& report_;
    const TextPipeline& pipeline_;
    QDateTime printedAt_;
    std::vector<LaidOutPage> pages_;
};

} // namespace dorvik::report
