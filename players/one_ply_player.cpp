#include "players/one_ply_player.h"

#include <vector>

#include "computer/choice.h"
#include "engine/convert.h"
#include "engine/movegen.h"

namespace tanukiban::players {

namespace {

Move gameMove(const ChosenMove& c) {
    return Move{c.元X, c.元Y, c.先X, c.先Y, c.元駒, c.先駒};
}

// The upper side's move, seen from the other side of the turned board.
Move turnedBack(const ChosenMove& c) {
    if (c.isDrop()) {
        const int column = c.元X == 敵持盤X1 ? 自持盤X1 : 自持盤X2;
        return Move{column, c.元Y, 6 - c.先X, 6 - c.先Y, -c.元駒, -c.先駒};
    }
    return Move{6 - c.元X, 6 - c.元Y, 6 - c.先X, 6 - c.先Y, -c.元駒, -c.先駒};
}

}  // namespace

Answer OnePlyPlayer::choose(const Turn& turn, const Budget& /*budget*/) {
    return manner_ == Manner::Game ? gameChoice(turn) : legalChoice(turn);
}

Answer OnePlyPlayer::gameChoice(const Turn& turn) {
    GamePosition s = turn.upper ? turn.state : turnedAbout(turn.state);
    const std::optional<ChosenMove> chosen = chooseComputerMove(s, level_, maps_, work_, &random_);
    Answer answer;
    if (!chosen) {
        answer.outcome = Outcome::NoMove;
        return answer;
    }
    answer.outcome = Outcome::Moved;
    answer.move = turn.upper ? gameMove(*chosen) : turnedBack(*chosen);
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
    std::vector<ScoredCandidate> candidates;
    ChoiceHooks hooks;
    hooks.candidates = &candidates;
    chooseComputerMove(s, level_, maps, work, &random_, hooks);

    // The game keeps the first candidate strictly better than all before
    // it; among the legal ones that is its own choice whenever that is legal.
    engine::Move best = legal.moves[0];
    const ScoredCandidate* bestScored = nullptr;
    for (const ScoredCandidate& c : candidates) {
        const Square to = squareAt(c.toX, c.toY);
        const engine::Move m = isStand(c.fromX)
                                   ? engine::Move::drop(kindOf(pieceFromCode(c.piece)), to)
                                   : engine::Move::board(squareAt(c.fromX, c.fromY), to);
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
