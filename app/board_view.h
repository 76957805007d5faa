#pragma once
// The drawing area below the menu bar: shows the retained surface and passes
// mouse presses on with their position in twips.
#include <QWidget>
#include <functional>

#include "app/qt_surface.h"

namespace tanukiban {

class BoardView : public QWidget {
  public:
    // button and shift as the game knows them: 1 left, 2 right, 4 middle;
    // 1 shift, 2 control, 4 alt.
    using PressHandler = std::function<void(int button, int shift, double X, double Y)>;

    explicit BoardView(QWidget* parent = nullptr);

    QtSurface& surface() { return *surface_; }
    void setPressHandler(PressHandler handler) { pressHandler_ = std::move(handler); }
    // Called once, after the first time the picture reached the screen.
    void setFirstPaintHandler(std::function<void()> handler) { firstPaint_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::unique_ptr<QtSurface> surface_;
    PressHandler pressHandler_;
    std::function<void()> firstPaint_;
};

}  // namespace tanukiban
