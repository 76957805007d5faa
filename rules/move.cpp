#include "rules/move.h"

namespace tanukiban {

void 駒取得(GamePosition& s, int 取得駒) {
    switch (取得駒) {
        case 10:
        case 900:
            s.持駒MAN[1] += 1;
            break;
        case 11:
        case 20:
            s.持駒MAN[2] += 1;
            break;
        case 30:
        case 110:
            s.持駒MAN[3] += 1;
            break;
        case 100:
        case 800:
            s.持駒MAN[4] += 1;
            break;
        case 王COM:
            s.勝者 = s.手番MAN;
            break;
        case -10:
        case -900:
            s.持駒COM[1] += 1;
            break;
        case -11:
        case -20:
            s.持駒COM[2] += 1;
            break;
        case -30:
        case -110:
            s.持駒COM[3] += 1;
            break;
        case -100:
        case -800:
            s.持駒COM[4] += 1;
            break;
        case 王MAN:
            s.勝者 = s.手番COM;
            break;
        default:
            break;
    }
}

MoveEffects 駒移動(GamePosition& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                   int 移動駒) {
    MoveEffects effects;
    const int captured = s.盤[移動先X][移動先Y];
    if (isMan(captured)) {
        s.持駒数COM += 1;
        駒取得(s, captured);
        effects.comStandChanged = true;
    } else if (isCom(captured)) {
        s.持駒数MAN += 1;
        駒取得(s, captured);
        effects.manStandChanged = true;
    }

    s.盤[移動先X][移動先Y] = 移動駒;

    if (isComStand(移動元X)) {
        s.持駒数COM -= 1;
        s.持駒COM[移動元Y] -= 1;
        effects.comStandChanged = true;
    } else if (isManStand(移動元X)) {
        s.持駒数MAN -= 1;
        s.持駒MAN[移動元Y - 1] -= 1;
        effects.manStandChanged = true;
    } else {
        s.盤[移動元X][移動元Y] = 空桝;
    }
    return effects;
}

}  // namespace tanukiban
