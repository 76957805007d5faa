#include "title.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "noise.h"

namespace picturegen {

// A lacquered wooden plaque with the name cut in and gilded.
QImage titlePicture(int density) {
    // Drawn in units of half a pixel.
    const int w = 236, h = 118;
    QImage img(w * density / 2, h * density / 2, QImage::Format_RGB32);
    QPainter p(&img);
    if (density != 2) p.scale(density / 2.0, density / 2.0);
    p.setRenderHint(QPainter::Antialiasing);

    // The picture is copied opaque onto any background, so the plaque fills it.
    const QRectF plaque(0, 0, w, h);
    QPainterPath shape;
    shape.addRect(plaque);

    QImage wood(img.size(), QImage::Format_RGB32);
    for (int py = 0; py < wood.height(); ++py)
        for (int px = 0; px < wood.width(); ++px) {
            const double x = px * 2.0 / density, y = py * 2.0 / density;
            const double grain =
                std::sin(y * 0.45 + 5 * valueNoise(x * 0.015, y * 0.06, 71)) * 0.06 +
                (valueNoise(x * 0.03, y * 0.7, 72) - 0.5) * 0.08;
            const double k = 1 + grain;
            wood.setPixelColor(px, py,
                               QColor(static_cast<int>(std::lround(120 * k)),
                                      static_cast<int>(std::lround(66 * k)),
                                      static_cast<int>(std::lround(30 * k))));
        }
    wood.setDevicePixelRatio(density / 2.0);
    p.save();
    p.setClipPath(shape);
    p.drawImage(0, 0, wood);
    QLinearGradient sheen(0, plaque.top(), 0, plaque.bottom());
    sheen.setColorAt(0, QColor(255, 230, 190, 70));
    sheen.setColorAt(0.45, QColor(255, 230, 190, 0));
    sheen.setColorAt(1, QColor(30, 10, 0, 80));
    p.fillRect(plaque, sheen);
    p.restore();

    // A gilt border inside the edge.
    p.setPen(QPen(QColor(214, 176, 96), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plaque.adjusted(6, 6, -6, -6), 5, 5);
    p.setPen(QPen(QColor(60, 30, 10), 2.0));
    p.drawRect(plaque.adjusted(1, 1, -1, -1));

    QFont font(QStringLiteral("IPAMincho"));
    font.setPixelSize(44);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Tanukiban"));
    const QRectF b = text.boundingRect();
    text.translate(w / 2.0 - b.center().x(), h / 2.0 - b.center().y() + 1);
    p.fillPath(text.translated(1.6, 2), QColor(40, 16, 4));
    QLinearGradient gold(0, h / 2.0 - 18, 0, h / 2.0 + 18);
    gold.setColorAt(0, QColor(255, 236, 170));
    gold.setColorAt(0.5, QColor(232, 190, 92));
    gold.setColorAt(1, QColor(176, 126, 48));
    p.setPen(QPen(QColor(150, 100, 30), 1.2));
    p.setBrush(gold);
    p.drawPath(text);
    return img;
}

}  // namespace picturegen
