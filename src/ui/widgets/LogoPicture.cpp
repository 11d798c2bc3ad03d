#include "ui/widgets/LogoPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace LogoPicture {

QImage make()
{
    QImage image(size, size, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient glow(QPointF(60, 46), 70);
    glow.setColorAt(0.0, QColor(96, 72, 40));
    glow.setColorAt(1.0, QColor(24, 24, 32));
    painter.fillRect(image.rect(), glow);

    // The wave ("tune") across the middle.
    QPainterPath wave;
    wave.moveTo(8, 62);
    for (int x = 8; x <= 112; ++x)
        wave.lineTo(x, 62 + 9 * std::sin((x - 8) / 104.0 * 4 * 3.14159265));
    painter.setPen(QPen(QColor(120, 200, 230), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(wave);

    // The candle and its wick.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 228, 208));
    painter.drawRoundedRect(QRectF(48, 70, 24, 40), 3, 3);
    painter.setPen(QPen(QColor(40, 32, 24), 2));
    painter.drawLine(QPointF(60, 70), QPointF(60, 62));

    // The flame.
    QPainterPath flame;
    flame.moveTo(60, 24);
    flame.cubicTo(70, 40, 70, 52, 60, 60);
    flame.cubicTo(50, 52, 50, 40, 60, 24);
    QLinearGradient fire(QPointF(60, 24), QPointF(60, 60));
    fire.setColorAt(0.0, QColor(255, 240, 150));
    fire.setColorAt(1.0, QColor(240, 120, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fire);
    painter.drawPath(flame);
    return image;
}

} // namespace LogoPicture
