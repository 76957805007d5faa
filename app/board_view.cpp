#include "app/board_view.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace tanukiban {

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setFixedSize(QtSurface::kWidth, QtSurface::kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QScreen* screen = QGuiApplication::primaryScreen();
    surface_ = std::make_unique<QtSurface>(screen ? screen->devicePixelRatio() : 1.0);
    // Shows the picture at once, also in the middle of a handler.
    surface_->setRefreshHandler([this] { repaint(); });
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& picture = surface_->image();
    p.drawImage(event->rect(), picture,
                QRectF(event->rect().topLeft() * picture.devicePixelRatio(),
                       event->rect().size() * picture.devicePixelRatio()));
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
    const QPointF at = event->position();
    pressHandler_(button, shift, at.x() * QtSurface::kTwipsPerPixel,
                  at.y() * QtSurface::kTwipsPerPixel);
}

}  // namespace tanukiban
