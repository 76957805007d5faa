#include "app/qt_surface.h"

#include <QFontMetricsF>
#include <QString>
#include <algorithm>
#include <cmath>

#include "display/palette.h"
#include "display/pictures.h"
#include "text/language.h"

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

// A natural-size pixel position in the record's units.
int units(double pixels) {
    return static_cast<int>(std::lround(pixels * DrawingRecord::kUnitsPerPixel));
}
QRect unitRect(double left, double top, double right, double bottom) {
    return QRect(QPoint(units(left), units(top)), QPoint(units(right) - 1, units(bottom) - 1));
}

}  // namespace

QtSurface::QtSurface(qreal devicePixelRatio) : dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1) {
    makeImage();
    image_.fill(toQColor(fillColour_));
}

QtSurface::~QtSurface() {
    endPainting();
}

void QtSurface::makeImage() {
    endPainting();
    const double r = ratio();
    image_ = QImage(static_cast<int>(std::ceil(kWidth * r - 1e-9)),
                    static_cast<int>(std::ceil(kHeight * r - 1e-9)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(r);
    image_.setDotsPerMeterX(kDotsPerMeter96);
    image_.setDotsPerMeterY(kDotsPerMeter96);
}

void QtSurface::setScale(double scale, qreal devicePixelRatio) {
    if (!(scale > 0) || !(devicePixelRatio > 0)) return;
    if (scale == scale_ && devicePixelRatio == dpr_) return;
    scale_ = scale;
    dpr_ = devicePixelRatio;
    pictures_.clear();
    makeImage();
    repaintAll();
}

void QtSurface::redrawInLanguage() {
    endPainting();
    repaintAll();
}

void QtSurface::repaintAll() {
    image_.fill(toQColor(fillColour_));
    record_.forEach([this](const DrawCommand& c) { paint(c); });
    for (const DrawCommand& c : marks_) paint(c);
}

void QtSurface::keep(DrawCommand c, const QRect& touches, const QRect& hides) {
    if (marking_) {
        marked_ += touches;
        marks_.push_back(std::move(c));
        return;
    }
    record_.add(std::move(c), touches, hides);
}

void QtSurface::clearMarks() {
    if (marks_.empty()) return;
    marks_.clear();
    // The record holds the picture without the marks: drawn again where they lay.
    QPainter& p = painter();
    for (const QRect& r : marked_) {
        const double u = DrawingRecord::kUnitsPerPixel;
        const QRectF area(r.x() / u, r.y() / u, r.width() / u, r.height() / u);
        p.setClipRect(area);
        p.fillRect(area, toQColor(fillColour_));
        record_.forEach([this](const DrawCommand& c) { paint(c); });
    }
    p.setClipping(false);
    marked_ = QRegion();
}

const QImage* QtSurface::source(int code) {
    // Pictures are stored at twice and four times their size; the smaller
    // serves up to twice, so the natural size is exactly what it always was.
    const int density = ratio() > 2 ? 4 : 2;
    if (density != sourceDensity_) {
        sources_.clear();
        sourceDensity_ = density;
    }
    auto it = sources_.find(code);
    if (it != sources_.end()) return it->second.isNull() ? nullptr : &it->second;
    // Loaded on first use, so start-up decodes only what the first picture shows.
    QImage img;
    if (const PictureInfo* info = findPicture(code)) {
        const QString name =
            QString::fromUtf8(info->name.data(), static_cast<int>(info->name.size()));
        if (density == 4) img = QImage(QStringLiteral(":/pictures/%1@4x.png").arg(name));
        if (img.isNull()) img = QImage(QStringLiteral(":/pictures/%1.png").arg(name));
        if (!img.isNull()) img = img.convertToFormat(QImage::Format_RGB32);
    }
    it = sources_.emplace(code, std::move(img)).first;
    return it->second.isNull() ? nullptr : &it->second;
}

const QImage* QtSurface::picture(int code, int width, int height) {
    const long long key = (static_cast<long long>(code + 1000000) << 32) |
                          (static_cast<long long>(width) << 16) | height;
    auto it = pictures_.find(key);
    if (it != pictures_.end()) return &it->second;
    const QImage* src = source(code);
    if (!src) return nullptr;
    // Brought to this size once.
    QImage img = *src;
    if (img.size() != QSize(width, height))
        img = img.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    img.setDevicePixelRatio(ratio());
    return &pictures_.emplace(key, std::move(img)).first->second;
}

bool QtSurface::hasAllPictures() {
    bool all = true;
    for (const PictureInfo& info : pictureTable()) all = source(info.code) != nullptr && all;
    return all;
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
    return std::round(twips / kTwipsPerPixel * ratio()) / ratio();
}

double QtSurface::snapY(double twips) const {
    return std::round(twips / kTwipsPerPixel * ratio()) / ratio();
}

namespace {

// Along one axis whose cells begin at `first` twips, every `pitch` twips.
double twipsOfPixel(long pixel, double ratio, double first, double pitch) {
    const double twips = (pixel + 0.5) / ratio * QtSurface::kTwipsPerPixel;
    const double cell = std::floor((twips - first) / pitch);
    // Where a cell's picture begins, as drawing rounds it.
    auto begins = [&](double c) {
        return std::lround((first + pitch * c) / QtSurface::kTwipsPerPixel * ratio);
    };
    if (pixel < begins(cell)) return first + pitch * cell - 0.25;
    if (pixel >= begins(cell + 1)) return first + pitch * (cell + 1);
    return twips;
}

}  // namespace

double QtSurface::twipsOfPixelX(long pixel) const {
    return twipsOfPixel(pixel, ratio(), twipsX(0), twipsX(1) - twipsX(0));
}

double QtSurface::twipsOfPixelY(long pixel) const {
    return twipsOfPixel(pixel, ratio(), twipsY(0), twipsY(1) - twipsY(0));
}

void QtSurface::paint(const DrawCommand& c) {
    switch (c.kind) {
        case DrawCommand::Kind::Picture:
            if (const PictureInfo* info = findPicture(c.value)) {
                // Both edges on the device-pixel grid, so that neighbours meet
                // without a seam at any size.
                const double r = ratio();
                const double left = twipsX(c.x) / kTwipsPerPixel,
                             top = twipsY(c.y) / kTwipsPerPixel;
                const long x0 = std::lround(left * r), y0 = std::lround(top * r);
                const int w = static_cast<int>(std::lround((left + info->width) * r) - x0);
                const int h = static_cast<int>(std::lround((top + info->height) * r) - y0);
                if (const QImage* img = picture(c.value, w, h))
                    painter().drawImage(QPointF(x0 / r, y0 / r), *img);
            }
            break;
        case DrawCommand::Kind::Frame:
            paintFrame(c.value, c.x, c.y, c.lineWidth);
            break;
        case DrawCommand::Kind::Text:
            paintText(c);
            break;
    }
}

void QtSurface::drawPicture(int code, double x, double y) {
    const PictureInfo* info = findPicture(code);
    if (!info || !source(code)) return;
    const double left = twipsX(x) / kTwipsPerPixel, top = twipsY(y) / kTwipsPerPixel;
    const QRect area = unitRect(left, top, left + info->width, top + info->height);
    DrawCommand c{DrawCommand::Kind::Picture, code, x, y, {}, {}, false, {}};
    paint(c);
    keep(std::move(c), area, area);
}

void QtSurface::paintFrame(int colour, double x, double y, int lineWidth) {
    // The outline runs from the cell's corner to the next cell's corner, so its
    // right and bottom lines lie on the neighbours' first pixels.
    const double left = snapX(twipsX(x)), top = snapY(twipsY(y));
    const double right = snapX(twipsX(x + 1)), bottom = snapY(twipsY(y + 1));
    const double t = std::max(1.0, std::round(ratio())) / ratio();
    const double w = lineWidth * t, inward = (lineWidth - 1) * t;
    QPainter& p = painter();
    const QColor c = toQColor(colour);
    p.fillRect(QRectF(left, top, right - left + t, w), c);
    p.fillRect(QRectF(left, bottom - inward, right - left + t, w), c);
    p.fillRect(QRectF(left, top, w, bottom - top + t), c);
    p.fillRect(QRectF(right - inward, top, w, bottom - top + t), c);
}

void QtSurface::frameCell(int colour, double x, double y) {
    frameCell(colour, x, y, 1);
}

void QtSurface::frameCell(int colour, double x, double y, int lineWidth) {
    lineWidth = std::clamp(lineWidth, 1, 8);
    paintFrame(colour, x, y, lineWidth);
    // Rounding moves a line by half a device pixel at most, and a line is
    // never wider than one and a third natural pixels.
    const double left = twipsX(x) / kTwipsPerPixel, top = twipsY(y) / kTwipsPerPixel;
    const double right = twipsX(x + 1) / kTwipsPerPixel, bottom = twipsY(y + 1) / kTwipsPerPixel;
    keep({DrawCommand::Kind::Frame, colour, x, y, {}, {}, false, {}, lineWidth},
         unitRect(left - 0.5, top - 0.5, right + 2, bottom + 2), QRect());
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

namespace {

const std::string& shownText(const DrawCommand& c) {
    const bool inEnglish = text::language() == text::Language::English;
    return c.translated && inEnglish ? c.english : c.text;
}

}  // namespace

void QtSurface::paintText(const DrawCommand& c) {
    const std::string& shown = shownText(c);
    if (shown.empty()) return;
    QPainter& p = painter();
    const QFont& f = font(c.style.points, c.style.bold);
    p.setFont(f);
    p.setPen(toQColor(c.style.colour));
    // Printed text hangs from its top-left corner: the baseline is one ascent down.
    const QFontMetricsF metrics(f, &image_);
    const double left = twipsX(c.x) / kTwipsPerPixel, top = twipsY(c.y) / kTwipsPerPixel;
    p.drawText(QPointF(left, top + metrics.ascent()), QString::fromStdString(shown));
}

void QtSurface::drawText(double x, double y, std::string_view utf8, const TextStyle& style) {
    if (utf8.empty()) return;
    addText(DrawCommand{DrawCommand::Kind::Text, 0, x, y, std::string(utf8), style, false, {}});
}

void QtSurface::drawTranslatedText(double x, double y, std::string_view japanese,
                                   std::string_view english, const TextStyle& style) {
    if (japanese.empty() && english.empty()) return;
    addText(DrawCommand{DrawCommand::Kind::Text, 0, x, y, std::string(japanese), style, true,
                        std::string(english)});
}

void QtSurface::addText(DrawCommand c) {
    paintText(c);
    // Where the text lands at the natural size, with room for glyphs that
    // come out a little wider or taller at another size.
    const QFont& f = font(c.style.points, c.style.bold);
    const QFontMetricsF metrics(f, &image_);
    QRectF box = metrics.boundingRect(QString::fromStdString(c.text));
    if (c.translated) box |= metrics.boundingRect(QString::fromStdString(c.english));
    const double left = twipsX(c.x) / kTwipsPerPixel, top = twipsY(c.y) / kTwipsPerPixel;
    const double mx = 3 + 0.15 * box.width(), my = 3 + 0.15 * box.height();
    const QRectF at = box.translated(left, top + metrics.ascent()).adjusted(-mx, -my, mx, my);
    keep(std::move(c), unitRect(at.left(), at.top(), at.right(), at.bottom()), QRect());
}

void QtSurface::fill(int colour) {
    endPainting();
    fillColour_ = colour;
    record_.clear();
    marks_.clear();
    marked_ = QRegion();
    image_.fill(toQColor(colour));
}

void QtSurface::refresh() {
    endPainting();
    if (refreshHandler_) refreshHandler_();
}

}  // namespace tanukiban
