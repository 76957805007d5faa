#include "tiles.h"

#include <QColor>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "noise.h"

namespace picturegen {

namespace {

int channel(double v) {
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}

QColor scaled(double r, double g, double b, double k) {
    return QColor(channel(r * k), channel(g * k), channel(b * k));
}

QImage blank(int density) {
    QImage img(kTileSize * density / 2, kTileSize * density / 2, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

// A pixel of a tile at `density` in drawing units.
double unit(int pixel, int density) {
    return pixel * 2.0 / density;
}

// Pixels across that the pattern takes before it repeats.
int pitch(int density) {
    return kTilePitchX * density / 2;
}

// The last columns repeat the first ones, so the covered overlap never shows a seam.
void wrapColumns(QImage& img, int density) {
    const int p = pitch(density);
    for (int y = 0; y < img.height(); ++y)
        for (int x = p; x < img.width(); ++x) img.setPixel(x, y, img.pixel(x - p, y));
}

}  // namespace

QImage greenTile(int density) {
    QImage img = blank(density);
    img.fill(QColor(0, 128, 0));
    return img;
}

// Woven rush: twenty weft rows down the tile, crossed by warp threads, each
// row's reeds a little different in tone.
QImage tatamiTile(int density) {
    QImage img = blank(density);
    const int rows = 20;
    for (int py = 0; py < img.height(); ++py) {
        const double y = unit(py, density);
        const int row = static_cast<int>(std::floor(y * rows / kTileSize));
        const double inRow = std::fmod(y * rows, kTileSize) / static_cast<double>(kTileSize);
        const double rowTone = 0.93 + 0.1 * hashUnit(row, 0, 31);
        // Each reed is rounded: brighter in its middle, dark in the groove.
        const double round = 0.8 + 0.28 * std::sin(inRow * M_PI);
        for (int px = 0; px < pitch(density); ++px) {
            const double x = unit(px, density);
            const double fibre = 0.96 + 0.08 * periodicNoise(x * 0.5, y * 3.0, 40, 32);
            const bool warp = std::fmod(x, 20) < 2;
            double k = rowTone * round * fibre;
            if (warp) k *= 0.78;
            img.setPixelColor(px, py, scaled(196, 190, 118, k));
        }
    }
    wrapColumns(img, density);
    return img;
}

// Two green stalks of bamboo side by side, lit from the left, each with a node.
QImage bambooTile(int density) {
    QImage img = blank(density);
    for (int py = 0; py < img.height(); ++py) {
        const double y = unit(py, density);
        for (int px = 0; px < pitch(density); ++px) {
            const double x = unit(px, density);
            const int stalk = static_cast<int>(x / 40);
            const double u = std::fmod(x, 40) / 40.0;  // across the stalk
            const double edge = std::min(u, 1 - u);
            // The gap between stalks is dark shade.
            if (edge < 0.04) {
                img.setPixelColor(px, py, QColor(22, 40, 12));
                continue;
            }
            const double cylinder = 0.55 + 0.6 * std::sin(std::pow(u, 0.8) * M_PI);
            const double streak = 0.95 + 0.1 * periodicNoise(x * 0.7, y * 0.05, 56, 41);
            double k = cylinder * streak;
            // The node ring: a raised band with a dark line below it.
            const int node = stalk == 0 ? 22 : 63;
            const double d = y - node;
            if (d >= -3 && d <= 0) k *= 1.25;
            if (d >= 1 && d <= 2) k *= 0.55;
            img.setPixelColor(px, py, scaled(112, 162, 62, k));
        }
    }
    wrapColumns(img, density);
    return img;
}

// Deep space with stars of different sizes and colours.
QImage spaceTile(int density) {
    QImage img = blank(density);
    for (int py = 0; py < img.height(); ++py)
        for (int px = 0; px < pitch(density); ++px) {
            const double haze =
                periodicNoise(unit(px, density) * 0.04, unit(py, density) * 0.04, 3, 51);
            img.setPixelColor(
                px, py,
                QColor(channel(4 + 10 * haze), channel(5 + 8 * haze), channel(16 + 26 * haze)));
        }
    QPainter p(&img);
    if (density != 2) p.scale(density / 2.0, density / 2.0);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor tints[] = {QColor(255, 255, 255), QColor(200, 220, 255), QColor(255, 240, 200),
                            QColor(255, 210, 190)};
    for (int i = 0; i < 24; ++i) {
        const double x = 3 + hashUnit(i, 1, 52) * 74;
        const double y = 2 + hashUnit(i, 2, 52) * 78;
        const double size = 0.45 + std::pow(hashUnit(i, 3, 52), 4) * 1.6;
        const QColor tint = tints[static_cast<int>(hashUnit(i, 4, 52) * 4)];
        QRadialGradient glow(QPointF(x, y), size * 1.8);
        QColor inner = tint, outer = tint;
        inner.setAlpha(255);
        outer.setAlpha(0);
        glow.setColorAt(0, inner);
        glow.setColorAt(0.35, QColor(tint.red(), tint.green(), tint.blue(), 160));
        glow.setColorAt(1, outer);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(x, y), size * 1.8, size * 1.8);
    }
    p.end();
    wrapColumns(img, density);
    return img;
}

// Running-bond brickwork: four courses, bricks two to a tile width.
QImage brickTile(int density) {
    QImage img = blank(density);
    const int courseTop[] = {0, 20, 41, 61, 82};
    for (int py = 0; py < img.height(); ++py) {
        const double y = unit(py, density);
        int course = 0;
        while (y >= courseTop[course + 1]) ++course;
        const int top = courseTop[course], bottom = courseTop[course + 1];
        const int offset = (course % 2) * 20;
        // Mortar and grit vary from one drawing unit to the next, not finer.
        const int gy = static_cast<int>(y);
        for (int px = 0; px < pitch(density); ++px) {
            const double x = unit(px, density);
            const int gx = static_cast<int>(x);
            const double bx = std::fmod(x + offset, kTilePitchX);
            const int brick = static_cast<int>(bx / 40);
            const bool mortar = y - top < 2 || std::fmod(bx, 40) < 2;
            if (mortar) {
                const double k = 0.9 + 0.15 * hashUnit(gx, gy, 61);
                img.setPixelColor(px, py, scaled(188, 180, 166, k));
                continue;
            }
            const double tone = 0.82 + 0.3 * hashUnit(brick + 2 * course, course, 62);
            const double grit = 0.92 + 0.16 * hashUnit(gx, gy, 63);
            // A little shade along the brick's lower and right edges.
            const double shade = (bottom - y <= 1 || std::fmod(bx, 40) >= 38) ? 0.82 : 1.0;
            img.setPixelColor(px, py, scaled(170, 68, 44, tone * grit * shade));
        }
    }
    wrapColumns(img, density);
    return img;
}

}  // namespace picturegen
