#pragma once
// A wait of the window's thread for work done elsewhere: the event loop runs
// on, so the window paints and timers fire, but the player's input is
// dropped, as it would be by a window that is busy. Escape keys and window
// closing are let through, so the player can still end the program.
#include <functional>

namespace tanukiban {

// Returns when done() or ending() is true, checking every few milliseconds.
void waitWithInputHeld(const std::function<bool()>& done, const std::function<bool()>& ending);

}  // namespace tanukiban
