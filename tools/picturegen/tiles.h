#pragma once
// The five background tiles, 41 × 41 at twice that size. Tiles are laid on a
// 40-pixel column pitch, so each one's last column is covered by the next:
// the patterns repeat every 80 pixels across and every 82 down.
#include <QImage>

namespace picturegen {

inline constexpr int kTileSize = 82;
inline constexpr int kTilePitchX = 80;

QImage greenTile();
QImage tatamiTile();
QImage bambooTile();
QImage spaceTile();
QImage brickTile();

}  // namespace picturegen
