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

MoveEffects 駒移動(GamePosition& s, const GameMove& mv) {
    MoveEffects effects;
    const int captured = s.盤[mv.toX][mv.toY];
    if (isMan(captured)) {
        s.持駒数COM += 1;
        駒取得(s, captured);
        effects.comStandChanged = true;
    } else if (isCom(captured)) {
        s.持駒数MAN += 1;
        駒取得(s, captured);
        effects.manStandChanged = true;
    }

    s.盤[mv.toX][mv.toY] = mv.after;

    if (!mv.isDrop()) {
        s.盤[mv.fromX][mv.fromY] = 空桝;
    } else if (mv.upper()) {
        s.持駒数COM -= 1;
        s.持駒COM[mv.pair] -= 1;
        effects.comStandChanged = true;
    } else {
        s.持駒数MAN -= 1;
        s.持駒MAN[mv.pair] -= 1;
        effects.manStandChanged = true;
    }
    return effects;
}

}  // namespace tanukiban
