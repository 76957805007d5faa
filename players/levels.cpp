#include "players/levels.h"

namespace tanukiban::players {

engine::Milliseconds levelThinkTime(int level) {
    switch (level) {
        case 4:
            return engine::Milliseconds(100);
        case 5:
            return engine::Milliseconds(1000);
        case 6:
            return engine::Milliseconds(3000);
        default:
            return engine::Milliseconds(0);
    }
}

}  // namespace tanukiban::players
