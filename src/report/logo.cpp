#include "report/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace dorvik::report {

QImage MakerLogo(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(1, 1, width - 2, height - 2);
    QLinearGradient background(frame.topLeft(), frame.bottomLeft());
    background.setColorAt(0, QColor(0, 51, 102));
    background.setColorAt(1, QColor(0, 92, 153));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(frame, 6, 6);
    // A wave over a line: the signal on its feeder.
    QPainterPath wave;
    const double mid = height * 0.34;
    wave.moveTo(8, mid);
    for (int x = 8; x <= width - 8; ++x)
        wave.lineTo(x, mid - std::sin((x - 8) / 6.0) * height * 0.1);
    painter.setPen(QPen(QColor(255, 196, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(8, std::min(height / 4, width / 7)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, height * 0.5, width, height * 0.45), Qt::AlignCenter,
                     QStringLiteral("VELTRANE"));
    return image;
}

} // namespace dorvik::report
