#pragma once
// The board's wood and the pieces on it, made at `density` times their
// natural size (2 or 4). They are drawn in units of half a natural pixel,
// so that the pictures at twice their size are drawn pixel for pixel.
#include <QColor>
#include <QImage>
#include <QString>

namespace picturegen {

inline constexpr int kCellW = 80;  // a square: 40 × 41 natural pixels
inline constexpr int kCellH = 82;

inline const QColor kInk{26, 20, 16};
inline const QColor kRedInk{196, 22, 28};

// The empty wooden square.
QImage woodSquare(int density);
// A piece on a wooden square; the upper side's is turned half round.
QImage piece(const QString& letter, const QColor& ink, bool upper, int density);
// Frame 1..5 of a piece turning about its vertical axis; the lettering of
// frames 1, 2, 4 and 5 is a generic mark, since every piece shares them.
QImage turningFrame(int frame, const QColor& ink, bool upper, int density);

}  // namespace picturegen
