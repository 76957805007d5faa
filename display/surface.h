#pragma once
// The window's drawing surface as the drawing procedures see it. Positions
// are in board cells (display/geometry.h), colours palette indices
// (display/palette.h). The surface keeps its picture; nothing is ever redrawn
// on demand.
#include <string_view>

#include "display/geometry.h"
#include "display/palette.h"
#include "text/language.h"

namespace tanukiban {

struct TextStyle {
    double points = 9;  // at 96 dots per inch
    bool bold = false;
    int colour = 0;  // palette index 0..15
};

class Surface {
  public:
    virtual ~Surface() = default;

    // Opaque copy of the stored picture `code` (see display/pictures.h) at its
    // natural size, top-left corner at cell (x, y).
    virtual void drawPicture(int code, double x, double y) = 0;
    // Unfilled outline from the cell's top-left corner to the top-left corner
    // of the cell diagonally below it, so it shares its right and bottom lines
    // with the neighbouring cells.
    virtual void frameCell(int colour, double x, double y) = 0;
    // The same outline `lineWidth` lines thick, the lines beyond the first
    // inside the cell.
    virtual void frameCell(int colour, double x, double y, int lineWidth) = 0;
    // Text with the top-left corner of its first character at (x, y).
    virtual void drawText(double x, double y, std::string_view utf8, const TextStyle& style) = 0;
    // A text of the game that reads differently in each language (an empty
    // text draws nothing in that language). A surface that keeps its picture
    // keeps both, so that the picture can follow a change of language.
    virtual void drawTranslatedText(double x, double y, std::string_view japanese,
                                    std::string_view english, const TextStyle& style) {
        const bool inEnglish = text::language() == text::Language::English;
        const std::string_view shown = inEnglish ? english : japanese;
        if (!shown.empty()) drawText(x, y, shown, style);
    }
    // Shows everything drawn so far at once.
    virtual void refresh() = 0;

    // While marking, what is drawn lies over the kept picture as a mark;
    // clearing the marks shows the picture under them exactly as it is.
    virtual void setMarking(bool on) = 0;
    virtual void clearMarks() = 0;

    // The window font turns bold when the board labels are first drawn and
    // stays bold for the rest of the run.
    bool bold() const { return bold_; }
    void setBold(bool bold) { bold_ = bold; }

  private:
    bool bold_ = false;
};

}  // namespace tanukiban
