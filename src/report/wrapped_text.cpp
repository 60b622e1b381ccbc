#include "report/wrapped_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace dorvik::report {

QStringList WrappedLines(const QString& text, const QFont& font, const QPaintDevice* device,
                         const QSizeF& box) {
    const QFontMetricsF metrics(font, device);
    const int fitting = std::max(1, static_cast<int>(box.height() / metrics.lineSpacing()));
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    int lastStart = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid() && lines.size() < fitting;
         line = layout.createLine()) {
        line.setLineWidth(box.width());
        lastStart = line.textStart();
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    if (lines.isEmpty())
        return {QString()};
    // Text left over: the last line takes the rest, cut with an ellipsis.
    if (lastStart + lines.back().size() < text.size())
        lines.back() = metrics.elidedText(text.mid(lastStart).simplified(), Qt::ElideRight, box.width());
    for (QString& line : lines)
        line = line.trimmed(); // the blank a line was broken at
    return lines;
}

void DrawWrappedText(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment alignment) {
    const QStringList lines = WrappedLines(text, painter.font(), painter.device(), box.size());
    const double lineHeight = QFontMetricsF(painter.font(), painter.device()).lineSpacing();
    const double height = lineHeight * static_cast<double>(lines.size());
    double top = box.top();
    if (alignment & Qt::AlignVCenter)
        top += (box.height() - height) / 2;
    else if (alignment & Qt::AlignBottom)
        top += box.height() - height;
    const auto horizontal = alignment & Qt::AlignHorizontal_Mask;
    for (const QString& line : lines) {
        painter.drawText(QRectF(box.left(), top, box.width(), lineHeight),
                         static_cast<int>(horizontal | Qt::AlignTop) | Qt::TextSingleLine, line);
        top += lineHeight;
    }
}

} // namespace dorvik::report
