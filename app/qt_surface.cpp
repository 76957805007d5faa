#include "app/qt_surface.h"

#include <QFontMetricsF>
#include <QString>
#include <cmath>

#include "display/palette.h"
#include "display/pictures.h"

namespace tanukiban {

namespace {

QColor toQColor(int index) {
    const Rgb c = paletteColour(index);
    return QColor(c.r, c.g, c.b);
}

double twipsX(double cellX) {
    return 2200.0 + 600.0 * cellX;
}
double twipsY(double cellY) {
    return 520.0 + 615.0 * cellY;
}

// 96 dots per inch, so that font points mean what they mean on the original screen.
constexpr int kDotsPerMeter96 = 3780;

}  // namespace

QtSurface::QtSurface(qreal devicePixelRatio) : dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1) {
    image_ = QImage(static_cast<int>(std::ceil(kWidth * dpr_)),
                    static_cast<int>(std::ceil(kHeight * dpr_)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr_);
    image_.setDotsPerMeterX(kDotsPerMeter96);
    image_.setDotsPerMeterY(kDotsPerMeter96);
    image_.fill(toQColor(2));
}

const QImage* QtSurface::picture(int code) {
    auto it = pictures_.find(code);
    if (it != pictures_.end()) return it->second.isNull() ? nullptr : &it->second;
    // Loaded on first use, so start-up decodes only what the first picture shows.
    QImage img;
    if (const PictureInfo* info = findPicture(code)) {
        img = QImage(
            QStringLiteral(":/pictures/%1.png")
                .arg(QString::fromUtf8(info->name.data(), static_cast<int>(info->name.size()))));
        if (!img.isNull()) {
            // Stored at twice their size; brought to this screen's density once.
            img = img.convertToFormat(QImage::Format_RGB32);
            const QSize want(static_cast<int>(std::lround(info->width * dpr_)),
                             static_cast<int>(std::lround(info->height * dpr_)));
            if (img.size() != want)
                img = img.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            img.setDevicePixelRatio(dpr_);
        }
    }
    it = pictures_.emplace(code, std::move(img)).first;
    return it->second.isNull() ? nullptr : &it->second;
}

bool QtSurface::hasAllPictures() {
    bool all = true;
    for (const PictureInfo& info : pictureTable()) all = picture(info.code) != nullptr && all;
    return all;
}

QtSurface::~QtSurface() {
    endPainting();
}

QPainter& QtSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    }
    return *painter_;
}

void QtSurface::endPainting() {
    painter_.reset();
}

const QImage& QtSurface::image() {
    endPainting();
    return image_;
}

double QtSurface::snapX(double twips) const {
    return std::round(twips / kTwipsPerPixel * dpr_) / dpr_;
}

double QtSurface::snapY(double twips) const {
    return std::round(twips / kTwipsPerPixel * dpr_) / dpr_;
}

void QtSurface::drawPicture(int code, double x, double y) {
    const QImage* img = picture(code);
    if (!img) return;
    painter().drawImage(QPointF(snapX(twipsX(x)), snapY(twipsY(y))), *img);
}

void QtSurface::frameCell(int colour, double x, double y) {
    // The outline runs from the cell's corner to the next cell's corner, so its
    // right and bottom lines lie on the neighbours' first pixels.
    const double left = snapX(twipsX(x)), top = snapY(twipsY(y));
    const double right = snapX(twipsX(x + 1)), bottom = snapY(twipsY(y + 1));
    const double t = std::max(1.0, std::round(dpr_)) / dpr_;
    QPainter& p = painter();
    const QColor c = toQColor(colour);
    p.fillRect(QRectF(left, top, right - left + t, t), c);
    p.fillRect(QRectF(left, bottom, right - left + t, t), c);
    p.fillRect(QRectF(left, top, t, bottom - top + t), c);
    p.fillRect(QRectF(right, top, t, bottom - top + t), c);
}

const QFont& QtSurface::font(double points, bool bold) {
    const long long key = std::llround(points * 100) * 2 + (bold ? 1 : 0);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        QFont f(QString::fromUtf8(kFontFamily));
        f.setPointSizeF(points);
        f.setBold(bold);
        f.setStyleStrategy(QFont::PreferAntialias);
        it = fonts_.emplace(key, f).first;
    }
    return it->second;
}

void QtSurface::drawText(double x, double y, std::string_view utf8, const TextStyle& style) {
    if (utf8.empty()) return;
    QPainter& p = painter();
    const QFont& f = font(style.points, style.bold);
    p.setFont(f);
    p.setPen(toQColor(style.colour));
    // Printed text hangs from its top-left corner: the baseline is one ascent down.
    const QFontMetricsF metrics(f, &image_);
    const double left = twipsX(x) / kTwipsPerPixel, top = twipsY(y) / kTwipsPerPixel;
    p.drawText(QPointF(left, top + metrics.ascent()),
               QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void QtSurface::fill(int colour) {
    endPainting();
    image_.fill(toQColor(colour));
}

void QtSurface::refresh() {
    endPainting();
    if (refreshHandler_) refreshHandler_();
}

}  // namespace tanukiban
