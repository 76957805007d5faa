#include "pieces.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "noise.h"

namespace picturegen {

namespace {

// Kaya, the board's wood: warm honey with long vertical grain.
QColor kayaAt(double x, double y) {
    const double wobble = 6 * valueNoise(x * 0.02, y * 0.012, 11);
    const double ring = std::sin((x + wobble) * 0.55 + 2 * valueNoise(x * 0.05, y * 0.02, 12));
    const double fibre = valueNoise(x * 0.8, y * 0.04, 13) - 0.5;
    const double shade = 1.0 + 0.035 * ring + 0.045 * fibre;
    auto c = [&](double v) {
        return static_cast<int>(std::lround(std::clamp(v * shade, 0.0, 255.0)));
    };
    return QColor(c(229), c(186), c(118));
}

// Boxwood, the pieces' wood: paler and finer.
QColor boxwoodAt(double x, double y) {
    const double ring = std::sin((x + 4 * valueNoise(x * 0.03, y * 0.02, 21)) * 0.9);
    const double fibre = valueNoise(x * 1.1, y * 0.05, 22) - 0.5;
    const double shade = 1.0 + 0.02 * ring + 0.03 * fibre;
    auto c = [&](double v) {
        return static_cast<int>(std::lround(std::clamp(v * shade, 0.0, 255.0)));
    };
    return QColor(c(246), c(224), c(170));
}

// A pixel of a picture at `density` in drawing units.
double unit(int pixel, int density) {
    return pixel * 2.0 / density;
}

// Draws in drawing units on a picture at `density`.
void scaleTo(QPainter& p, int density) {
    if (density != 2) p.scale(density / 2.0, density / 2.0);
}

QImage woodImage(int density) {
    QImage img(kCellW * density / 2, kCellH * density / 2, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixelColor(x, y, kayaAt(unit(x, density), unit(y, density)));
    return img;
}

// The five-sided outline of an upright piece in a square's coordinates.
QPolygonF pieceOutline() {
    return QPolygonF({QPointF(40, 5), QPointF(64.5, 19), QPointF(69.5, 76), QPointF(10.5, 76),
                      QPointF(15.5, 19)});
}

// Squeezes x towards the middle of the square by k (the piece seen turned).
QPolygonF squeezed(const QPolygonF& p, double k) {
    QPolygonF out;
    for (const QPointF& pt : p) out << QPointF(40 + (pt.x() - 40) * k, pt.y());
    return out;
}

QPolygonF halfTurned(const QPolygonF& p) {
    QPolygonF out;
    for (const QPointF& pt : p) out << QPointF(kCellW - pt.x(), kCellH - pt.y());
    return out;
}

// A soft shadow below right of the piece, as if lit from the upper left.
void drawShadow(QImage& target, const QPolygonF& outline, int density) {
    QImage mask(target.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        scaleTo(p, density);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 20, 0, 150));
        p.drawPolygon(outline.translated(2.2, 2.6));
    }
    // Box blur of the mask, twice.
    for (int pass = 0; pass < 2; ++pass) {
        QImage blurred = mask;
        const int r = density;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                int a = 0, n = 0;
                for (int dy = -r; dy <= r; ++dy)
                    for (int dx = -r; dx <= r; ++dx) {
                        const int sx = x + dx, sy = y + dy;
                        if (sx < 0 || sy < 0 || sx >= mask.width() || sy >= mask.height()) continue;
                        a += qAlpha(mask.pixel(sx, sy));
                        ++n;
                    }
                const int alpha = a / n;
                blurred.setPixel(x, y, qPremultiply(qRgba(40, 20, 0, alpha)));
            }
        }
        mask = blurred;
    }
    QPainter p(&target);
    p.drawImage(0, 0, mask);
}

// The wooden body of a piece: boxwood with a bevel, outlined.
void drawBody(QPainter& p, const QPolygonF& outline, double turnShade, int density) {
    QImage wood(kCellW * density / 2, kCellH * density / 2, QImage::Format_RGB32);
    for (int y = 0; y < wood.height(); ++y)
        for (int x = 0; x < wood.width(); ++x)
            wood.setPixelColor(x, y, boxwoodAt(unit(x, density), unit(y, density)));
    wood.setDevicePixelRatio(density / 2.0);
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    p.save();
    p.setClipPath(path);
    p.drawImage(0, 0, wood);
    // Light from the upper left; a turning piece darkens as it turns away.
    const QRectF box = outline.boundingRect();
    QLinearGradient light(box.topLeft(), box.bottomRight());
    light.setColorAt(0, QColor(255, 255, 255, 60));
    light.setColorAt(0.5, QColor(255, 255, 255, 0));
    light.setColorAt(1, QColor(90, 50, 0, 45));
    p.fillRect(box, light);
    if (turnShade > 0) p.fillRect(box, QColor(70, 40, 0, static_cast<int>(turnShade * 255)));
    // The bevel: a bright rim inside the upper edges, a darker one low right.
    p.setPen(QPen(QColor(255, 250, 230, 140), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline.translated(1.1, 1.1));
    p.setPen(QPen(QColor(150, 100, 40, 90), 2.0));
    p.drawPolygon(outline.translated(-1.0, -1.0));
    p.restore();
    p.setPen(QPen(QColor(92, 60, 26), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(outline);
}

QFont minchoFont(double pixelSize) {
    QFont f(QStringLiteral("IPAMincho"));
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The letter centred in the body of an upright piece, a little heavier than
// the face draws it, as cut and lacquered letters look.
QPainterPath letterPath(const QString& letter, double size) {
    QPainterPath path;
    path.addText(0, 0, minchoFont(size), letter);
    const QRectF b = path.boundingRect();
    const QPointF centre(40, 49);
    return QTransform::fromTranslate(centre.x() - b.center().x(), centre.y() - b.center().y())
        .map(path);
}

void drawLetter(QPainter& p, const QPainterPath& path, const QColor& ink) {
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(path);
}

// A generic mark for the turning frames: the character for "piece", drawn
// smeared sideways as a face in motion looks.
void drawMotionMark(QPainter& p, const QColor& ink) {
    const QPainterPath path = letterPath(QStringLiteral("駒"), 34);
    QColor c = ink;
    const int steps = 9;
    for (int i = 0; i < steps; ++i) {
        const double dx = (i - (steps - 1) / 2.0) * 1.3;
        c.setAlpha(i == steps / 2 ? 150 : 45);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(path.translated(dx, 0));
    }
}

// Paints one piece image: wood square, shadow, body squeezed by k, and the
// lettering drawn by `letter` in upright coordinates.
template <typename LetterFn>
QImage pieceImage(bool upper, double k, double turnShade, int density, LetterFn letter) {
    QImage img = woodImage(density);
    QPolygonF outline = squeezed(pieceOutline(), k);
    if (upper) outline = halfTurned(outline);
    drawShadow(img, outline, density);
    QPainter p(&img);
    scaleTo(p, density);
    p.setRenderHint(QPainter::Antialiasing);
    drawBody(p, outline, turnShade, density);
    QTransform t;
    if (upper) t = QTransform(-1, 0, 0, -1, kCellW, kCellH);
    t = QTransform::fromTranslate(-40, 0) * QTransform::fromScale(k, 1) *
        QTransform::fromTranslate(40, 0) * t;
    if (density != 2) t *= QTransform::fromScale(density / 2.0, density / 2.0);
    p.setTransform(t);
    letter(p);
    return img;
}

}  // namespace

QImage woodSquare(int density) {
    return woodImage(density);
}

QImage piece(const QString& letter, const QColor& ink, bool upper, int density) {
    return pieceImage(upper, 1.0, 0.0, density,
                      [&](QPainter& p) { drawLetter(p, letterPath(letter, 38), ink); });
}

QImage turningFrame(int frame, const QColor& ink, bool upper, int density) {
    if (frame == 3) {
        // Edge-on: only the piece's thickness shows, a narrow slab of end grain.
        QImage img = woodImage(density);
        QPolygonF slab({QPointF(36.5, 6), QPointF(43.5, 6), QPointF(43.5, 76), QPointF(36.5, 76)});
        if (upper) slab = halfTurned(slab);
        drawShadow(img, slab, density);
        QPainter p(&img);
        scaleTo(p, density);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(slab.boundingRect().topLeft(), slab.boundingRect().topRight());
        g.setColorAt(0, QColor(236, 204, 140));
        g.setColorAt(1, QColor(190, 146, 80));
        p.setBrush(g);
        p.setPen(QPen(QColor(92, 60, 26), 1.3));
        p.drawPolygon(slab);
        return img;
    }
    const double k = (frame == 2 || frame == 4) ? 0.48 : 1.0;
    const double shade = (frame == 2 || frame == 4) ? 0.12 : 0.0;
    return pieceImage(upper, k, shade, density, [&](QPainter& p) { drawMotionMark(p, ink); });
}

}  // namespace picturegen
