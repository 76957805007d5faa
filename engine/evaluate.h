#pragma once
// The static evaluation: a weighted sum of terms counted for each side,
// so that tools/tune can fit the weights to self-play results with the same
// terms the search adds up.
#include <array>

#include "engine/position.h"

namespace tanukiban::engine {

// Where each group of terms starts in the weight vector.
namespace term {
inline constexpr int Board = 0;              // a face on the board, by kind (8)
inline constexpr int Hand = Board + 8;       // first piece of a pair in hand (4)
inline constexpr int HandExtra = Hand + 4;   // every further piece of that pair (4)
inline constexpr int Place = HandExtra + 4;  // face × rows from home × columns from the middle
inline constexpr int Mobility = Place + 9 * 5 * 3;     // squares a face reaches, by kind (8)
inline constexpr int KingZoneAttacked = Mobility + 8;  // squares next to the king the enemy attacks
inline constexpr int KingZoneGuarded = KingZoneAttacked + 1;  // own pieces next to the king
inline constexpr int KingEscapes = KingZoneGuarded + 1;       // free, unattacked squares next to it
inline constexpr int KingDropDanger =
    KingEscapes + 1;  // enemy hand × empty unguarded squares near it
// The rest count from the side to move's point of view.
inline constexpr int Tempo = KingDropDanger + 1;  // being the side to move
inline constexpr int Count = Tempo + 1;
}  // namespace term

using Weights = std::array<int, term::Count>;

// The weights the engine plays with (tuned by tools/tune).
const Weights& defaultWeights();

// Calls add(term, amount) for every term: amounts count for the lower side
// positively and for the upper side negatively, except the terms from Tempo
// on, which count for the side to move.
template <typename Add>
void evaluationTerms(const Position& pos, Add&& add);

// The evaluation in centipawns from the side to move's point of view.
int evaluate(const Position& pos, const Weights& w = defaultWeights());

}  // namespace tanukiban::engine

#include "engine/evaluate_terms.h"
