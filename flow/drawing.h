#pragma once
// The drawing procedures the handlers call, each given the game's canvas.
#include "display/board.h"
#include "display/status.h"
#include "display/text.h"
