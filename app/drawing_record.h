#pragma once
// What has been drawn on the window's surface, kept so that the picture can
// be drawn again at another size exactly as it was built up. A command that
// later opaque drawing hides completely at every size is forgotten, so the
// record stays about one screenful long however long the program runs.
#include <QRect>
#include <QRegion>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "display/surface.h"

namespace tanukiban {

struct DrawCommand {
    enum class Kind { Picture, Frame, Text };
    Kind kind = Kind::Picture;
    int value = 0;  // the picture code or the frame's colour
    double x = 0, y = 0;
    std::string text;
    TextStyle style;
    // A translated text is shown as `english` while English is chosen.
    bool translated = false;
    std::string english;
    int lineWidth = 1;  // of a frame
};

class DrawingRecord {
  public:
    // Areas are in half twips: 30 units to a pixel at the natural size.
    static constexpr int kUnitsPerPixel = 30;
    // The picture: nothing outside it is ever seen.
    static constexpr int kWidth = 740 * kUnitsPerPixel, kHeight = 400 * kUnitsPerPixel;

    void clear();
    // `touches` bounds every pixel the command may change at any size;
    // `hides` is what it paints over opaquely at every size (empty for text).
    // A frame also hides an earlier frame of the same cell, line for line.
    void add(DrawCommand command, const QRect& touches, const QRect& hides);

    template <typename F>
    void forEach(F&& f) const {
        for (std::size_t i = 0; i < commands_.size(); ++i)
            if (live_[i]) f(commands_[i]);
    }
    std::size_t size() const { return liveCount_; }

  private:
    void forget(std::size_t i);
    void compact();
    void index(std::uint32_t i);
    // Calls f with each bucket of the index that a rectangle inside the picture meets.
    template <typename F>
    void forBuckets(const QRect& r, F&& f) {
        for (int row = r.top() / kBucketH; row <= r.bottom() / kBucketH; ++row)
            for (int column = r.left() / kBucketW; column <= r.right() / kBucketW; ++column)
                f(buckets_[row * kColumns + column]);
    }

    // A coarse grid over the picture, each bucket listing the commands whose
    // bounds meet it, so that hiding looks only at what lies beneath.
    static constexpr int kBucketW = 40 * kUnitsPerPixel, kBucketH = 41 * kUnitsPerPixel;
    static constexpr int kColumns = (kWidth + kBucketW - 1) / kBucketW;
    static constexpr int kRows = (kHeight + kBucketH - 1) / kBucketH;
    std::array<std::vector<std::uint32_t>, kColumns * kRows> buckets_;

    std::vector<DrawCommand> commands_;
    std::vector<QRect> bounds_;     // inside the picture; empty once forgotten
    std::vector<QRegion> visible_;  // what is still uncovered, once partly hidden
    std::vector<char> live_;
    std::size_t liveCount_ = 0;
};

}  // namespace tanukiban
