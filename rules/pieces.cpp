#include "rules/pieces.h"

#include <cstdlib>

namespace tanukiban {

int facePair(int code) {
    switch (std::abs(code)) {
        case 10:
        case 900:
            return 1;
        case 11:
        case 20:
            return 2;
        case 30:
        case 110:
            return 3;
        case 100:
        case 800:
            return 4;
        default:
            return 0;
    }
}

int pairFace(int pair, bool second, bool upper) {
    static constexpr int first[5] = {0, 歩COM, 香COM, 桂COM, 銀COM};
    static constexpr int other[5] = {0, 飛COM, とCOM, 金COM, 角COM};
    if (pair < 1 || pair > 4) return 空桝;
    const int face = second ? other[pair] : first[pair];
    return upper ? face : -face;
}

int standFace(int standX, int pair) {
    static constexpr int first[5] = {0, 歩COM, 香COM, 桂COM, 銀COM};
    static constexpr int second[5] = {0, 飛COM, とCOM, 金COM, 角COM};
    if (pair < 1 || pair > 4) return 空桝;
    switch (standX) {
        case 自持盤X1:
            return -first[pair];
        case 自持盤X2:
            return -second[pair];
        case 敵持盤X1:
            return first[pair];
        case 敵持盤X2:
            return second[pair];
        default:
            return 空桝;
    }
}

bool isPieceCode(int code) {
    switch (std::abs(code)) {
        case 10:
        case 11:
        case 20:
        case 30:
        case 100:
        case 110:
        case 800:
        case 900:
        case 950:
            return true;
        default:
            return false;
    }
}

}  // namespace tanukiban
