#pragma once
// Text wrapped inside a box of a report: a catalogue's description may be a single word of thousands of
// letters, and nothing of it may leave its column.
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPainter;

namespace dorvik::report {

// The lines that fit the box, broken between words where they can and inside a word wider than the box; when
// text is left over, the last line ends in an ellipsis. At least one line, even in a box lower than a line.
QStringList WrappedLines(const QString& text, const QFont& font, const QPaintDevice* device,
                         const QSizeF& box);

// Draws them in the box with the alignment (horizontal and vertical) of the style.
void DrawWrappedText(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment alignment);

} // namespace dorvik::report
