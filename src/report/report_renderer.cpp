#include "report/report_renderer.h"

#include "core/errors.h"
#include "core/text/text_file.h"
#include "report/report_fonts.h"
#include "report/wrapped_text.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace dorvik::report {

namespace {

// Points on the page to the device's pixels, from the top-left of the printable area.
class DeviceMap {
public:
    explicit DeviceMap(const QPaintDevice& device)
        : x_(device.logicalDpiX() / 72.0), y_(device.logicalDpiY() / 72.0) {}
    QRectF Rect(const QRectF& points, double bandTop) const {
        return {points.x() * x_, (points.y() + bandTop) * y_, points.width() * x_, points.height() * y_};
    }
    double Length(double points) const { return points * y_; }

private:
    double x_, y_;
};

void DrawText(QPainter& painter, const QRectF& rect, const QString& text, const TextStyle& style) {
    const QFont font = ReportFont(style.pointSize, style.bold);
    painter.setFont(font);
    painter.setPen(style.color);
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (style.wordWrap) {
        DrawWrappedText(painter, rect, text, style.alignment);
    } else {
        const QFontMetricsF metrics(font, painter.device());
        painter.drawText(rect, static_cast<int>(style.alignment) | Qt::TextSingleLine,
                         metrics.elidedText(text, Qt::ElideRight, rect.width()));
    }
    painter.restore();
}

QRectF Fitted(const QRectF& box, const QSizeF& image) {
    if (image.isEmpty())
        return box;
    const QSizeF size = image.scaled(box.size(), Qt::KeepAspectRatio);
    return {box.x(), box.y() + (box.height() - size.height()) / 2, size.width(), size.height()};
}

} // namespace

ReportRenderer::ReportRenderer(const ReportDefinition& report, const TextPipeline& pipeline,
                               QDateTime printedAt)
    : report_(report), pipeline_(pipeline), printedAt_(std::move(printedAt)) {
    const double printableHeight = report.pageLayout.paintRect(QPageLayout::Point).height();
    pages_ = Paginate(report, pipeline.RecordCount(), printableHeight);
}

QString ReportRenderer::PrintDateTimeText() const {
    const QLocale locale;
    return locale.toString(printedAt_.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           printedAt_.time().toString(QStringLiteral("HH:mm:ss"));
}

QString ReportRenderer::PageText(int pageNumber, int pageCount) {
    return QStringLiteral("Page %1 of %2").arg(pageNumber).arg(pageCount);
}

void ReportRenderer::SetUpPrinter(QPrinter& printer) const {
    printer.setFullPage(false);
    printer.setPageLayout(report_.pageLayout);
    printer.setDocName(report_.documentName);
}

bool ReportRenderer::Paint(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0)
            device.newPage();
        const PaintContext pageContext{-1, page + 1, PageCount()};
        for (const PlacedBand& placed : pages_[static_cast<std::size_t>(page)].bands) {
            PaintContext context = pageContext;
            context.record = placed.record;
            PaintBand(painter, placed, context);
        }
    }
    return painter.end();
}

void ReportRenderer::PaintBand(QPainter& painter, const PlacedBand& placed,
                               const PaintContext& context) const {
    const DeviceMap map(*painter.device());
    for (const Element& element : placed.band->elements) {
        if (const auto* label = std::get_if<Label>(&element)) {
            DrawText(painter, map.Rect(label->rect, placed.top), label->text, label->style);
        } else if (const auto* field = std::get_if<FieldText>(&element)) {
            const QString value =
                context.record >= 0 ? pipeline_.Value(context.record, field->field) : QString();
            DrawText(painter, map.Rect(field->rect, placed.top), value, field->style);
        } else if (const auto* rule = std::get_if<Rule>(&element)) {
            const QRectF rect = map.Rect(rule->rect, placed.top);
            painter.setPen(QPen(rule->color, map.Length(rule->thickness)));
            painter.drawLine(QPointF(rect.left(), rect.center().y()),
                             QPointF(rect.right(), rect.center().y()));
        } else if (const auto* picture = std::get_if<Picture>(&element)) {
            const QRectF rect = map.Rect(picture->rect, placed.top);
            painter.drawImage(Fitted(rect, picture->image.size()), picture->image);
        } else if (const auto* variable = std::get_if<SystemText>(&element)) {
            const QString text = variable->variable == SystemVariable::PrintDateTime
                                     ? PrintDateTimeText()
                                     : PageText(context.pageNumber, context.pageCount);
            DrawText(painter, map.Rect(variable->rect, placed.top), text, variable->style);
        } else if (const auto* custom = std::get_if<CustomElement>(&element)) {
            if (custom->paint) {
                painter.save();
                custom->paint(painter, map.Rect(custom->rect, placed.top), context);
                painter.restore();
            }
        }
    }
}

void ReportRenderer::WritePdf(const std::filesystem::path& file) const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(report_.pageLayout);
        writer.setTitle(report_.documentName);
        if (!Paint(writer))
            throw FileError("Unable to write to " + file.string());
    }
    WriteFileAtomically(file,
                        std::string_view(buffer.data().constData(), static_cast<std::size_t>(buffer.size())));
}

} // namespace dorvik::report
