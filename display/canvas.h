#pragma once
// What the drawing procedures draw with: the window's surface, the
// background that clears an area, and the two sides, which decide where the
// texts that belong to one side go.
#include "display/surface.h"

namespace tanukiban {

struct Canvas {
    Surface& surface;
    int 背景種類;
    int 手番COM;
    int 手番MAN;

    // Procedures that need nothing but the surface take a canvas as well.
    operator Surface&() const { return surface; }
};

}  // namespace tanukiban
