#pragma once
// The window's retained drawing surface: an image at the screen's pixel
// density, and at the size the window gives the picture, that keeps
// everything drawn on it until it is drawn over. What was drawn is recorded,
// so that a new size draws the same picture again, sharp, at that size.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "app/drawing_record.h"
#include "display/surface.h"

namespace tanukiban {

class QtSurface : public Surface {
  public:
    static constexpr int kTwipsPerPixel = 15;
    // The drawing area below the menu bar at its natural size: 11100 × 6000 twips.
    static constexpr int kWidth = 740, kHeight = 400;
    // The face the game's texts ask for; main() maps it onto an installed font.
    static constexpr const char* kFontFamily = "ＭＳ Ｐ明朝";

    explicit QtSurface(qreal devicePixelRatio);
    ~QtSurface() override;

    void drawPicture(int code, double x, double y) override;
    void frameCell(int colour, double x, double y) override;
    void frameCell(int colour, double x, double y, int lineWidth) override;
    void drawText(double x, double y, std::string_view utf8, const TextStyle& style) override;
    void drawTranslatedText(double x, double y, std::string_view japanese, std::string_view english,
                            const TextStyle& style) override;
    void refresh() override;
    void setMarking(bool on) override { marking_ = on; }
    void clearMarks() override;

    // Called by refresh() to put the picture on the screen at once.
    void setRefreshHandler(std::function<void()> handler) { refreshHandler_ = std::move(handler); }
    // Fills the whole picture with a palette colour.
    void fill(int colour);
    int fillColour() const { return fillColour_; }
    // The picture as drawn so far, kWidth × kHeight in its own coordinates;
    // its device pixel ratio is the screen's times the scale.
    const QImage& image();
    qreal devicePixelRatio() const { return dpr_; }
    // Draws the picture `scale` times its natural size, for a screen of this
    // density, from now on, and everything drawn so far again at that size.
    void setScale(double scale, qreal devicePixelRatio);
    void setScale(double scale) { setScale(scale, dpr_); }
    // Draws everything drawn so far again, its texts in the language chosen now.
    void redrawInLanguage();
    double scale() const { return scale_; }
    // Drawing commands kept for drawing again.
    std::size_t recordedCommands() const { return record_.size(); }
    // Whether every stored picture is there and can be read.
    bool hasAllPictures();

    // Natural-size pixel of a position in twips, on the device-pixel grid.
    double snapX(double twips) const;
    double snapY(double twips) const;
    // The position in twips of a device pixel of the image: its middle, in
    // the cell whose picture covers it.
    double twipsOfPixelX(long pixel) const;
    double twipsOfPixelY(long pixel) const;

  private:
    // Device pixels per natural-size pixel.
    double ratio() const { return dpr_ * scale_; }
    void makeImage();
    void paint(const DrawCommand& c);
    void paintPicture(const QImage& img, double x, double y);
    void paintFrame(int colour, double x, double y, int lineWidth);
    void paintText(const DrawCommand& c);
    // Paints a text command and keeps it, bounded by where it lands in either language.
    void addText(DrawCommand c);
    // Paints a command and keeps it, as part of the picture or as a mark.
    void keep(DrawCommand c, const QRect& touches, const QRect& hides);
    void repaintAll();
    QPainter& painter();
    // The source picture of a code, at least as dense as the image needs;
    // nullptr when there is none.
    const QImage* source(int code);
    // The picture of a code at this many device pixels.
    const QImage* picture(int code, int width, int height);
    void endPainting();
    const QFont& font(double points, bool bold);

    qreal dpr_;
    double scale_ = 1;
    int fillColour_ = 2;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    DrawingRecord record_;
    bool marking_ = false;
    std::vector<DrawCommand> marks_;
    QRegion marked_;                           // in the record's units
    std::unordered_map<int, QImage> sources_;  // a null image: known to be missing
    int sourceDensity_ = 0;                    // of the sources held
    std::unordered_map<long long, QImage> pictures_;
    std::unordered_map<long long, QFont> fonts_;
    std::function<void()> refreshHandler_;
};

}  // namespace tanukiban
