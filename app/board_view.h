#pragma once
// The drawing area below the menu bar: shows the retained surface as large
// as fits, centred on the background colour, and passes mouse presses on
// with their position in twips of the picture at its natural size.
#include <QWidget>
#include <functional>

#include "app/qt_surface.h"

namespace tanukiban {

class BoardView : public QWidget {
  public:
    // button and shift as the game knows them: 1 left, 2 right, 4 middle;
    // 1 shift, 2 control, 4 alt.
    using PressHandler = std::function<void(int button, int shift, double X, double Y)>;
    // The picture's scale and its top-left corner in the view, after each change.
    using ScaleHandler = std::function<void(double scale, QPoint origin)>;

    explicit BoardView(QWidget* parent = nullptr);

    QtSurface& surface() { return *surface_; }
    void setPressHandler(PressHandler handler) { pressHandler_ = std::move(handler); }
    void setScaleHandler(ScaleHandler handler) { scaleHandler_ = std::move(handler); }
    // Called once, after the first time the picture reached the screen.
    void setFirstPaintHandler(std::function<void()> handler) { firstPaint_ = std::move(handler); }
    QSize sizeHint() const override { return {QtSurface::kWidth, QtSurface::kHeight}; }
    // Where the picture sits in the view.
    QPoint origin() const { return origin_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Fits the picture to the view's size and its screen's density.
    void fit();

    std::unique_ptr<QtSurface> surface_;
    QPoint origin_;
    PressHandler pressHandler_;
    ScaleHandler scaleHandler_;
    std::function<void()> firstPaint_;
    bool followsScreen_ = false;
};

}  // namespace tanukiban
