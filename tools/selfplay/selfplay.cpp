#include "tools/selfplay/selfplay.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "computer/choice.h"
#include "engine/convert.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "players/level_player.h"
#include "record/ply_move.h"
#include "rules/legality.h"
#include "rules/move.h"
#include "rules/movegen.h"

namespace tanukiban {

namespace {

// A move as the real position records it.
struct PlayedMove {
    GameMove move;
    double score;
};

// Appended piece by piece: GCC 12 at -O3 takes "(" + std::string for an
// overlapping copy (a false -Wrestrict).
std::string squareText(int x, int y) {
    std::string text = "(";
    text += std::to_string(x);
    text += ',';
    text += std::to_string(y);
    text += ')';
    return text;
}

class Game {
  public:
    Game(const SelfPlayConfig& config, RandomSequence& random)
        : config_(config),
          opening_(config.openingSeed),
          upperPlayer_(random, players::OnePlyPlayer::Manner::Game),
          lowerPlayer_(random, players::OnePlyPlayer::Manner::Game) {
        setUp(upperPlayer_, config.upperLevel, config.upperEngine);
        setUp(lowerPlayer_, config.lowerLevel, config.lowerEngine);
        初期設定(s_);
        s_.手番COM = config.upperFirst ? 先手 : 後手;
        s_.手番MAN = -s_.手番COM;
        s_.手番 = 先手;
        s_.対局モード = 対局_COM;
        for (int x = 1; x <= 5; ++x) {
            for (int y = 1; y <= 5; ++y)
                pairTotals_[static_cast<std::size_t>(facePair(s_.盤[x][y]))] += 1;
        }
    }

    SelfPlayResult play() {
        while (result_.violation.empty() && s_.勝者 == 手番なし && s_.手順数 < 手順上限) {
            const bool upper = s_.手番 == s_.手番COM;
            const std::optional<PlayedMove> mv =
                s_.手順数 < config_.randomOpeningPlies ? chooseAtRandom(upper) : choose(upper);
            if (const auto pos =
                    engine::positionFromGame(s_, upper ? engine::Upper : engine::Lower))
                keys_.push_back(pos->key());
            if (!result_.violation.empty()) break;
            if (!mv) {
                result_.winner = upper ? -1 : 1;
                break;
            }
            makeMove(*mv);
            checkInvariants();
            s_.手番 = -s_.手番;
        }
        if (s_.勝者 != 手番なし) result_.winner = s_.勝者 == s_.手番COM ? 1 : -1;
        result_.plies = s_.手順数;
        result_.position = s_;
        return result_;
    }

  private:
    static void setUp(players::LevelPlayer& player, int level, const EngineSide& side) {
        player.setLevel(level);
        player.searchPlayer().setFeatures(side.features);
        if (side.weights) player.searchPlayer().setWeights(*side.weights);
        player.setBook(side.book.get());
    }

    // A legal move (one that does not leave the mover's king attacked),
    // uniformly at random; drops are written as the game writes them.
    std::optional<PlayedMove> chooseAtRandom(bool upper) {
        std::vector<GameMove> moves, legal;
        generateMoves(s_, upper, moves);
        for (const GameMove& mv : moves) {
            const int captured = applyMove(s_, mv, upper);
            if (!ownKingAttacked(s_, randomMaps_, upper)) legal.push_back(mv);
            undoMove(s_, mv, upper, captured);
        }
        if (legal.empty()) return std::nullopt;
        std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
        return PlayedMove{legal[pick(opening_)], 0};
    }

    std::optional<PlayedMove> choose(bool upper) {
        players::LevelPlayer& player = upper ? upperPlayer_ : lowerPlayer_;
        const players::Turn turn = players::turnOfGame(s_, upper, keys_);
        const bool searching = player.searchesOn(turn);
        if (players::searches(player.level()) && !searching) {
            std::string why;
            engine::positionFromGame(s_, upper ? engine::Upper : engine::Lower, &why);
            fail("the engine cannot hold the position: " + why);
            return std::nullopt;
        }
        const auto start = std::chrono::steady_clock::now();
        const players::Answer answer = player.choose(
            turn, budget(upper ? config_.upperEngine : config_.lowerEngine, player.level(), start));
        result_.choiceSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        result_.choices += 1;
        if (answer.outcome != players::Outcome::Moved) return std::nullopt;
        const GameMove& gm = answer.move;
        if (searching) {
            const engine::Position& pos = *turn.position;
            const bool legal =
                answer.best == pos.kingCapture() || engine::isLegal(pos, answer.best);
            const Ply at = plyOf(gm);
            if (!legal || 移動チェック(s_.盤, at.元X, at.元Y, gm.toX, gm.toY, gm.before) != OK) {
                fail("the engine chose a move the rules refuse");
                return std::nullopt;
            }
        } else {
            checkChosen(upper, gm);
        }
        const double score = searching ? answer.score / 100.0 : answer.points;
        return PlayedMove{gm, score};
    }

    engine::SearchLimits limitsFor(const EngineSide& side, int level,
                                   std::chrono::steady_clock::time_point start) const {
        engine::SearchLimits limits;
        limits.pliesToDraw = 手順上限 - s_.手順数;
        if (side.nodes > 0 || side.depth > 0) {
            limits.nodes = side.nodes;
            limits.depth = side.depth;
        } else {
            limits.deadline =
                start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                            players::levelThinkTime(level) * side.timeScale);
        }
        return limits;
    }

    players::Budget budget(const EngineSide& side, int level,
                           std::chrono::steady_clock::time_point start) const {
        return players::Budget{limitsFor(side, level, start), {}};
    }

    // The one-ply choice, checked as the upper side's move on the board as
    // that player saw it (turned half round for the lower side).
    void checkChosen(bool upper, const GameMove& m) {
        if (upper) return checkChosen(s_, m);
        checkChosen(turnedAbout(s_), turnedAbout(m));
    }

    // The chosen move must be one the rules allow, with the piece it names.
    void checkChosen(const GamePosition& state, const GameMove& m) {
        // The rules' check names a drop's source by its stand square.
        const Ply at = plyOf(m);
        bool ok = 移動チェック(state.盤, at.元X, at.元Y, m.toX, m.toY, m.before) == OK;
        if (m.isDrop()) {
            ok = ok && isCom(m.before) && m.pair >= 1 && m.pair <= 4 &&
                 state.持駒COM[static_cast<std::size_t>(m.pair)] > 0 && m.after == m.before;
        } else {
            ok = ok && onBoard(m.fromX, m.fromY) && state.盤[m.fromX][m.fromY] == m.before &&
                 m.after == 取得_移動後成り駒(m.before);
        }
        if (!ok) {
            fail("illegal move chosen: " + squareText(at.元X, at.元Y) + " to " +
                 squareText(m.toX, m.toY) + " piece " + std::to_string(m.before));
        }
    }

    void makeMove(const PlayedMove& played) {
        const Ply mv = plyOf(played.move);
        const bool stored = 手順保存(s_, mv);
        if (!stored) {
            fail("the move list refused a ply below its limit");
            return;
        }
        s_.手数 += 1;
        if (config_.keepMoves) {
            char line[96];
            std::snprintf(line, sizeof line, "%3d %s %s-%s %d>%d taking %d, score %g", s_.手順数,
                          mv.元駒 > 0 ? "upper" : "lower", squareText(mv.元X, mv.元Y).c_str(),
                          squareText(mv.先X, mv.先Y).c_str(), mv.元駒, mv.先駒,
                          s_.盤[mv.先X][mv.先Y], played.score);
            result_.moves.emplace_back(line);
        }
        駒移動(s_, played.move);
    }

    void checkInvariants() {
        if (!result_.violation.empty()) return;
        std::array<int, 5> seen{};
        int kings[2] = {0, 0};
        for (int x = 1; x <= 5; ++x) {
            for (int y = 1; y <= 5; ++y) {
                const int c = s_.盤[x][y];
                if (c == 空桝) continue;
                if (!isPieceCode(c))
                    return fail("unknown code " + std::to_string(c) + " on " + squareText(x, y));
                if (c == 王MAN) ++kings[0];
                if (c == 王COM) ++kings[1];
                seen[static_cast<std::size_t>(facePair(c))] += 1;
            }
        }
        const bool manKingTaken = s_.勝者 != 手番なし && s_.勝者 == s_.手番COM;
        const bool comKingTaken = s_.勝者 != 手番なし && s_.勝者 == s_.手番MAN;
        if (kings[0] != (manKingTaken ? 0 : 1) || kings[1] != (comKingTaken ? 0 : 1)) {
            return fail("a king is missing or doubled");
        }
        int manSum = 0, comSum = 0;
        for (std::size_t p = 1; p <= 4; ++p) {
            if (s_.持駒MAN[p] < 0 || s_.持駒COM[p] < 0) return fail("a negative hand count");
            if (seen[p] + s_.持駒MAN[p] + s_.持駒COM[p] != pairTotals_[p]) {
                return fail("pieces of pair " + std::to_string(p) + " lost or doubled");
            }
            manSum += s_.持駒MAN[p];
            comSum += s_.持駒COM[p];
        }
        // Taking a king raises the captor's total although nothing enters the hand.
        if (s_.持駒数MAN != manSum + (comKingTaken ? 1 : 0) ||
            s_.持駒数COM != comSum + (manKingTaken ? 1 : 0)) {
            return fail("a hand total differs from the sum of its counts");
        }
        if (s_.手順数 < 1 || s_.手順数 > 手順上限 || s_.手順最大数 != s_.手順数 ||
            s_.手数 != s_.手順数) {
            return fail("the move list is out of bounds");
        }
    }

    void fail(const std::string& what) {
        if (result_.violation.empty()) {
            result_.violation = what + " (after ply " + std::to_string(s_.手順数) + ")";
        }
    }

    const SelfPlayConfig config_;
    GameState s_;
    InfluenceMaps randomMaps_;
    std::mt19937 opening_;
    players::LevelPlayer upperPlayer_, lowerPlayer_;
    std::vector<engine::Key> keys_;  // positions so far, for the engine's repetitions
    std::array<int, 5> pairTotals_{};
    SelfPlayResult result_;
};

}  // namespace

SelfPlayResult playSelfGame(const SelfPlayConfig& config, RandomSequence& random) {
    return Game(config, random).play();
}

}  // namespace tanukiban
