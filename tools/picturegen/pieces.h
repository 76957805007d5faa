#pragma once
// The board's wood and the pieces on it, at twice their natural size.
#include <QColor>
#include <QImage>
#include <QString>

namespace picturegen {

inline constexpr int kScale = 2;            // pictures are made at twice their size
inline constexpr int kCellW = 40 * kScale;  // a square: 40 × 41 pixels
inline constexpr int kCellH = 41 * kScale;

inline const QColor kInk{26, 20, 16};
inline const QColor kRedInk{196, 22, 28};

// The empty wooden square.
QImage woodSquare();
// A piece on a wooden square; the upper side's is turned half round.
QImage piece(const QString& letter, const QColor& ink, bool upper);
// Frame 1..5 of a piece turning about its vertical axis; the lettering of
// frames 1, 2, 4 and 5 is a generic mark, since every piece shares them.
QImage turningFrame(int frame, const QColor& ink, bool upper);

}  // namespace picturegen
