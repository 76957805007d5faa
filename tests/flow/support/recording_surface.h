#pragma once
// A Surface that keeps every drawing call, in order, for tests to assert on.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "display/surface.h"
#include "rules/state.h"

namespace tanukiban::testing {

struct DrawCall {
    enum class Kind { Picture, Frame, Text, Refresh };
    Kind kind;
    int code = 0;  // picture code, or frame/text colour
    double x = 0, y = 0;
    std::string text;
    TextStyle style;
    int lineWidth = 1;  // of a frame
    bool mark = false;  // drawn while marking, gone with the marks
};

// What one cell shows: the picture last put on it and, over that, the frame
// and the texts drawn since (a text belongs to the cell its corner is in).
struct CellPicture {
    std::optional<int> picture;
    std::optional<int> frame;
    std::vector<std::string> texts;
    friend bool operator==(const CellPicture&, const CellPicture&) = default;
};
using Picture = std::map<std::pair<int, int>, CellPicture>;

class RecordingSurface : public Surface {
  public:
    void drawPicture(int code, double x, double y) override;
    void frameCell(int colour, double x, double y) override;
    void frameCell(int colour, double x, double y, int lineWidth) override;
    void drawText(double x, double y, std::string_view utf8, const TextStyle& style) override;
    void refresh() override;
    void setMarking(bool on) override { marking_ = on; }
    void clearMarks() override;

    std::vector<DrawCall> calls;
    void clear() { calls.clear(); }

    // The picture last drawn with its corner at cell (x, y), as a player would see it.
    std::optional<int> pictureAt(double x, double y) const;
    // The colour of the last frame drawn round cell (x, y).
    std::optional<int> frameAt(double x, double y) const;
    // Every text call, in order.
    std::vector<DrawCall> texts() const;
    // The text call that printed exactly this at (x, y), if any.
    std::optional<DrawCall> textAt(double x, double y) const;
    bool hasText(std::string_view text) const;
    int count(DrawCall::Kind kind) const;
    // The final picture, cell by cell, whatever order it was drawn in.
    Picture picture() const;
    // The marks on show.
    std::vector<DrawCall> marks() const;

  private:
    void add(DrawCall call);
    bool marking_ = false;
};

// The picture a whole redraw of the state draws on an empty surface.
Picture redrawnPicture(const GameState& state, int 背景種類, bool 経過時間表示);

// Cell positions compare equal within rounding of the fractions used.
bool samePosition(double a, double b);

}  // namespace tanukiban::testing
