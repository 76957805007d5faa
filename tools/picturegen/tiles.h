#pragma once
// The five background tiles, 41 × 41, made at `density` times that size (2
// or 4) and drawn in units of half a pixel. Tiles are laid on a 40-pixel
// column pitch, so each one's last column is covered by the next: the
// patterns repeat every 80 units across and every 82 down.
#include <QImage>

namespace picturegen {

inline constexpr int kTileSize = 82;
inline constexpr int kTilePitchX = 80;

QImage greenTile(int density);
QImage tatamiTile(int density);
QImage bambooTile(int density);
QImage spaceTile(int density);
QImage brickTile(int density);

}  // namespace picturegen
