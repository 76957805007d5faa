#pragma once
// The title picture, 118 × 59, made at `density` times that size (2 or 4).
#include <QImage>

namespace picturegen {

QImage titlePicture(int density);

}  // namespace picturegen
