#include "tests/support/rules_check.h"

#include "engine/convert.h"
#include "rules/influence.h"
#include "rules/mate.h"

namespace tanukiban::testing {

bool rulesSeeCheck(const engine::Position& pos, bool mated) {
    GamePosition s;
    engine::writeToGame(pos, s);
    InfluenceMaps m;
    勢力調査(s.盤, m);
    if (pos.sideToMove() == engine::Lower)
        return mated ? 詰めかMAN(s, m) == OK : m.勢力COM[m.kings.王X_MAN][m.kings.王Y_MAN] > 0;
    return mated ? 詰めかCOM(s, m) == OK : m.勢力MAN[m.kings.王X_COM][m.kings.王Y_COM] > 0;
}

}  // namespace tanukiban::testing
