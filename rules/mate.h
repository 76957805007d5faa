#pragma once
// The attack and mate tests; they read the maps of the survey the caller ran
// just before, and leave the board as they found it.
#include "rules/influence.h"

namespace tanukiban {

// OK when some upper piece can move onto the lower king's square.
int 詰めかMAN_COM移動(const GamePosition& s, const KingSquares& k);
// OK when the lower player is mated by the program's fixed test.
int 詰めかMAN(GamePosition& s, const InfluenceMaps& m);
// OK when the upper player is mated; reruns the survey for its trials and
// leaves the maps describing the actual position.
int 詰めかCOM(GamePosition& s, InfluenceMaps& m);
// The free squares next to the lower king, marked in 逃道MAN.
int 調査_自王逃道(const GamePosition& s, const InfluenceMaps& m, Grid& 逃道MAN);

}  // namespace tanukiban
