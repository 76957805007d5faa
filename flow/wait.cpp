// The program's fixed-time pause and the clock arithmetic it rests on.
#include <algorithm>

#include "flow/game.h"

namespace tanukiban {

double 調査_経過秒(double I_開始, double I_終了) {
    if (I_開始 <= I_終了) return I_終了 - I_開始;
    return (86400 - I_開始) + I_終了;  // the clock passed midnight
}

void Game::待ち時間(double IN_秒) {
    const double start = platform_.secondsSinceMidnight();
    for (;;) {
        const double elapsed = 調査_経過秒(start, platform_.secondsSinceMidnight());
        // Within a microsecond is done: the clock, in seconds since midnight,
        // cannot resolve much less, and a tinier step might never move it.
        if (elapsed >= IN_秒 - 1e-6) return;
        // Sleeping in short steps rather than spinning; no event is taken meanwhile.
        platform_.sleepWithoutEvents(std::min(IN_秒 - elapsed, 0.01));
    }
}

}  // namespace tanukiban
