#include "players/one_ply_player.h"

#include <vector>

#include "computer/choice.h"
#include "engine/convert.h"
#include "engine/movegen.h"

namespace tanukiban::players {

Answer OnePlyPlayer::choose(const Turn& turn, const Budget& /*budget*/) {
    return manner_ == Manner::Game ? gameChoice(turn) : legalChoice(turn);
}

Answer OnePlyPlayer::gameChoice(const Turn& turn) {
    GamePosition s = turn.upper ? turn.state : turnedAbout(turn.state);
    const std::optional<ScoredMove> chosen = chooseComputerMove(s, level_, maps_, work_, &random_);
    Answer answer;
    if (!chosen) {
        answer.outcome = Outcome::NoMove;
        return answer;
    }
    answer.outcome = Outcome::Moved;
    answer.move = turn.upper ? chosen->move : turnedAbout(chosen->move);
    answer.points = chosen->score.value();
    if (turn.position) answer.best = engine::fromGameMove(*turn.position, answer.move);
    return answer;
}

Answer OnePlyPlayer::legalChoice(const Turn& turn) {
    using namespace engine;
    Answer answer;
    if (!turn.position) return answer;
    const Position& pos = *turn.position;
    if (const engine::Move take = pos.kingCapture()) {
        answer.outcome = Outcome::Moved;
        answer.best = take;
        answer.move = toGameMove(pos, take);
        return answer;
    }
    const bool lower = pos.sideToMove() == Lower;
    const Position upper = lower ? turnedAbout(pos) : pos;
    engine::MoveList legal;
    engine::generateMoves(upper, legal);
    if (legal.size == 0) {
        answer.outcome = Outcome::NoMove;
        return answer;
    }

    GamePosition s;
    writeToGame(upper, s);
    InfluenceMaps maps;
    ComputerWork work;
    std::vector<ScoredMove> candidates;
    ChoiceHooks hooks;
    hooks.candidates = &candidates;
    chooseComputerMove(s, level_, maps, work, &random_, hooks);

    // The game keeps the first candidate strictly better than all before
    // it; among the legal ones that is its own choice whenever that is legal.
    engine::Move best = legal.moves[0];
    const ScoredMove* bestScored = nullptr;
    for (const ScoredMove& c : candidates) {
        const GameMove& g = c.move;
        const Square to = squareAt(g.toX, g.toY);
        const engine::Move m = g.isDrop() ? engine::Move::drop(kindOf(pieceFromCode(g.before)), to)
                                          : engine::Move::board(squareAt(g.fromX, g.fromY), to);
        if (!legal.contains(m)) continue;
        if (bestScored && !(c.score > bestScored->score)) continue;
        bestScored = &c;
        best = m;
    }
    if (lower) {
        best = engine::turnedAbout(best);
    }
    answer.outcome = Outcome::Moved;
    answer.best = best;
    answer.move = toGameMove(pos, best);
    return answer;
}

}  // namespace tanukiban::players
