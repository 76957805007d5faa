#pragma once
// The window's retained drawing surface: an image at the screen's pixel
// density that keeps everything drawn on it until it is drawn over.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <unordered_map>

#include "display/surface.h"

namespace tanukiban {

class QtSurface : public Surface {
  public:
    static constexpr int kTwipsPerPixel = 15;
    // The drawing area below the menu bar: 11100 × 6000 twips.
    static constexpr int kWidth = 740, kHeight = 400;
    // The face the game's texts ask for; main() maps it onto an installed font.
    static constexpr const char* kFontFamily = "ＭＳ Ｐ明朝";

    explicit QtSurface(qreal devicePixelRatio);
    ~QtSurface() override;

    void drawPicture(int code, double x, double y) override;
    void frameCell(int colour, double x, double y) override;
    void drawText(double x, double y, std::string_view utf8, const TextStyle& style) override;
    void refresh() override;

    // Called by refresh() to put the picture on the screen at once.
    void setRefreshHandler(std::function<void()> handler) { refreshHandler_ = std::move(handler); }
    // Fills the whole picture with a palette colour.
    void fill(int colour);
    // The picture as drawn so far.
    const QImage& image();
    qreal devicePixelRatio() const { return dpr_; }
    // Whether every stored picture is there and can be read.
    bool hasAllPictures();

    // Logical pixel of a position in twips, on the device-pixel grid.
    double snapX(double twips) const;
    double snapY(double twips) const;

  private:
    QPainter& painter();
    // The picture of a code at this density; nullptr when there is none.
    const QImage* picture(int code);
    void endPainting();
    const QFont& font(double points, bool bold);

    qreal dpr_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::unordered_map<int, QImage> pictures_;  // a null image: known to be missing
    std::unordered_map<long long, QFont> fonts_;
    std::function<void()> refreshHandler_;
};

}  // namespace tanukiban
