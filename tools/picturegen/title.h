#pragma once
// The title picture, 118 × 59 at twice that size.
#include <QImage>

namespace picturegen {

QImage titlePicture();

}  // namespace picturegen
