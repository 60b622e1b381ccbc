#include "gui/ancillary/artwork.h"

#include "gui/main_window/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace dorvik::gui {

namespace {
const QColor kNavy(0, 51, 102);
const QColor kSea(0, 92, 153);
const QColor kAmber(255, 196, 0);
const QColor kCopper(200, 117, 51);

QFont Font(int pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A coaxial cable seen end-on: jacket, shield, dielectric, centre conductor.
void DrawCoaxEnd(QPainter& p, QPointF centre, double radius) {
    const struct {
        double scale;
        QColor color;
    } layers[] = {{1.0, QColor(30, 30, 30)},
                  {0.86, kCopper.lighter(115)},
                  {0.74, QColor(235, 235, 225)},
                  {0.24, kCopper}};
    p.setPen(Qt::NoPen);
    for (const auto& layer : layers) {
        p.setBrush(layer.color);
        p.drawEllipse(centre, radius * layer.scale, radius * layer.scale);
    }
}

// An elliptical waveguide seen end-on.
void DrawWaveguideEnd(QPainter& p, QPointF centre, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(centre, rx, ry);
    p.setBrush(kCopper.lighter(120));
    p.drawEllipse(centre, rx * 0.88, ry * 0.84);
    p.setBrush(kNavy.darker(150));
    p.drawEllipse(centre, rx * 0.78, ry * 0.7);
}

QPainterPath Wave(double left, double right, double mid, double amplitude, double period) {
    QPainterPath wave;
    wave.moveTo(left, mid);
    for (double x = left; x <= right; x += 1.0)
        wave.lineTo(x, mid - std::sin((x - left) / period * 2 * M_PI) * amplitude);
    return wave;
}
} // namespace

QPixmap SplashPicture(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, kNavy.darker(130));
    sky.setColorAt(1, kSea);
    p.fillRect(pixmap.rect(), sky);

    // A feeder run across the picture carrying its signal.
    p.setPen(QPen(QColor(20, 20, 20), 18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, height * 0.62), QPointF(width - 40, height * 0.62));
    p.setPen(QPen(kCopper, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, height * 0.62), QPointF(width - 40, height * 0.62));
    p.setPen(QPen(kAmber, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Wave(40, width - 40, height * 0.48, 22, 90));

    DrawCoaxEnd(p, QPointF(width * 0.18, height * 0.80), 42);
    DrawCoaxEnd(p, QPointF(width * 0.34, height * 0.82), 30);
    DrawWaveguideEnd(p, QPointF(width * 0.55, height * 0.82), 58, 34);
    DrawCoaxEnd(p, QPointF(width * 0.76, height * 0.80), 22);

    p.drawPixmap(QPointF(28, 28), MakerLogo(150, 90));
    p.setPen(Qt::white);
    p.setFont(Font(44, true));
    p.drawText(QRectF(200, 26, width - 220, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("DORVIK"));
    p.setFont(Font(22, false));
    p.drawText(QRectF(200, 80, width - 220, 34), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Insertion Loss Calculator"));
    p.setFont(Font(14, false));
    p.setPen(QColor(210, 225, 240));
    p.drawText(QRectF(200, 116, width - 220, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Coaxial cables and elliptical waveguides"));
    p.drawText(QRectF(0, height - 30, width - 16, 22), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Loading the catalogue..."));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    return pixmap;
}

QPixmap BoltPicture(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(width / 2.0, height * 0.4, width * 0.7);
    glow.setColorAt(0, QColor(255, 250, 210));
    glow.setColorAt(1, QColor(40, 40, 90));
    p.fillRect(pixmap.rect(), glow);
    p.setPen(QPen(QColor(20, 20, 20), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, height * 0.8), QPointF(width - 10, height * 0.8));
    QPainterPath bolt;
    const double w = width, h = height;
    bolt.moveTo(w * 0.55, 4);
    bolt.lineTo(w * 0.36, h * 0.46);
    bolt.lineTo(w * 0.5, h * 0.46);
    bolt.lineTo(w * 0.4, h * 0.78);
    bolt.lineTo(w * 0.66, h * 0.36);
    bolt.lineTo(w * 0.52, h * 0.36);
    bolt.lineTo(w * 0.66, 4);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 0), 2));
    p.setBrush(kAmber);
    p.drawPath(bolt);
    p.setFont(Font(18, true));
    p.setPen(QColor(40, 40, 90));
    p.drawText(QRectF(0, h * 0.84, w, h * 0.16), Qt::AlignCenter, QStringLiteral("Zap!"));
    return pixmap;
}

QPixmap MastPicture(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(20, 24, 60));
    sky.setColorAt(1, QColor(90, 60, 120));
    p.fillRect(pixmap.rect(), sky);
    const double w = width, h = height, top = h * 0.2, base = h * 0.86;
    p.setPen(QPen(QColor(230, 60, 40), 3));
    p.drawLine(QPointF(w / 2, top), QPointF(w * 0.38, base));
    p.drawLine(QPointF(w / 2, top), QPointF(w * 0.62, base));
    for (double y = top + 20; y < base; y += 22) {
        const double half = (y - top) / (base - top) * w * 0.12;
        p.drawLine(QPointF(w / 2 - half, y), QPointF(w / 2 + half, y));
    }
    p.setPen(QPen(kAmber, 2));
    p.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 4; ++ring) {
        const double r = ring * 16.0;
        p.drawArc(QRectF(w / 2 - r, top - r, 2 * r, 2 * r), 20 * 16, 140 * 16);
    }
    p.setBrush(QColor(255, 90, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(w / 2, top), 5, 5);
    p.setFont(Font(16, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, base, w, h - base), Qt::AlignCenter, QStringLiteral("On the air since day one"));
    return pixmap;
}

} // namespace dorvik::gui
