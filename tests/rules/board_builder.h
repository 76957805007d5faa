#pragma once
// Small helpers to set up positions in tests.
#include <initializer_list>

#include "rules/state.h"

namespace tanukiban::testing {

struct Placed {
    int x, y, code;
};

// A state with an empty board and empty hands, holding only the given pieces.
GameState position(std::initializer_list<Placed> pieces);

}  // namespace tanukiban::testing
