#include "app/board_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "display/palette.h"

namespace tanukiban {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(QtSurface::kWidth, QtSurface::kHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QScreen* screen = QGuiApplication::primaryScreen();
    surface_ = std::make_unique<QtSurface>(screen ? screen->devicePixelRatio() : 1.0);
    // Shows the picture at once, also in the middle of a handler.
    surface_->setRefreshHandler([this] { repaint(); });
}

void BoardView::resizeEvent(QResizeEvent*) {
    fit();
}

void BoardView::showEvent(QShowEvent*) {
    // A window moved to a screen of another density draws for that density.
    if (QWindow* w = window()->windowHandle(); w && !followsScreen_) {
        followsScreen_ = true;
        QObject::connect(w, &QWindow::screenChanged, this, [this] {
            fit();
            update();
        });
    }
}

void BoardView::fit() {
    const double scale = std::max(
        1.0, std::min(width() / double(QtSurface::kWidth), height() / double(QtSurface::kHeight)));
    surface_->setScale(scale, devicePixelRatioF());
    const QImage& picture = surface_->image();
    const double dpr = surface_->devicePixelRatio();
    // Whole logical pixels keep the picture on the device-pixel grid.
    origin_ = QPoint(static_cast<int>((width() - picture.width() / dpr) / 2),
                     static_cast<int>((height() - picture.height() / dpr) / 2));
    origin_ = QPoint(std::max(0, origin_.x()), std::max(0, origin_.y()));
    if (scaleHandler_) scaleHandler_(scale, origin_);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& picture = surface_->image();
    const double dpr = surface_->devicePixelRatio();
    // Pixel for pixel: the picture is drawn at the device's own density.
    const QRectF at(origin_, QSizeF(picture.width() / dpr, picture.height() / dpr));
    const Rgb back = paletteColour(surface_->fillColour());
    const QRegion margin = QRegion(event->rect()) - QRegion(at.toAlignedRect());
    for (const QRect& r : margin) p.fillRect(r, QColor(back.r, back.g, back.b));
    const QRectF want = QRectF(event->rect()).intersected(at);
    if (!want.isEmpty())
        p.drawImage(want, picture,
                    QRectF((want.topLeft() - at.topLeft()) * dpr, want.size() * dpr));
    if (firstPaint_) {
        auto handler = std::move(firstPaint_);
        firstPaint_ = nullptr;
        handler();
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (!pressHandler_) return;
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            break;
    }
    const Qt::KeyboardModifiers m = event->modifiers();
    const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                      (m & Qt::AltModifier ? 4 : 0);
    const double dpr = surface_->devicePixelRatio();
    const QPointF at = event->position() - QPointF(origin_);
    // Presses on the margins around the picture are not on the game's form.
    const double scale = surface_->scale();
    if (at.x() < 0 || at.y() < 0 || at.x() >= QtSurface::kWidth * scale ||
        at.y() >= QtSurface::kHeight * scale)
        return;
    double x = at.x() * QtSurface::kTwipsPerPixel, y = at.y() * QtSurface::kTwipsPerPixel;
    if (dpr * scale != 1) {
        x = surface_->twipsOfPixelX(static_cast<long>(std::floor(at.x() * dpr)));
        y = surface_->twipsOfPixelY(static_cast<long>(std::floor(at.y() * dpr)));
    }
    pressHandler_(button, shift, x, y);
}

}  // namespace tanukiban
