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
#include "rules/legality.h"
#include "rules/move.h"
#include "rules/movegen.h"

namespace tanukiban {

namespace {

// A move as the real position records it.
struct PlayedMove {
    int fromX, fromY, toX, toY, before, after;
    double score;
};

// The position turned half round, every piece changing side, as the board
// flip does.
void turnAbout(const GameState& from, GameState& to) {
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) to.盤[6 - x][6 - y] = -from.盤[x][y];
    }
    to.持駒MAN = from.持駒COM;
    to.持駒COM = from.持駒MAN;
    to.持駒数MAN = from.持駒数COM;
    to.持駒数COM = from.持駒数MAN;
}

std::string squareText(int x, int y) {
    return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
}

class Game {
  public:
    Game(const SelfPlayConfig& config, RandomSequence& random)
        : config_(config), random_(random), opening_(config.openingSeed) {
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
        while (result_.violation.empty() && s_.勝者 == 手番なし && s_.手順数 < kSelfPlayPlyLimit) {
            const bool upper = s_.手番 == s_.手番COM;
            const int level = upper ? config_.upperLevel : config_.lowerLevel;
            const std::optional<PlayedMove> mv =
                s_.手順数 < config_.randomOpeningPlies ? chooseAtRandom(upper)
                : engine::isSearchLevel(level)         ? chooseBySearch(upper)
                : upper                                ? chooseUpper()
                                                       : chooseLower();
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
        return result_;
    }

  private:
    template <typename Choose>
    std::optional<ChosenMove> timedChoice(GameState& state, InfluenceMaps& maps, ComputerWork& work,
                                          Choose&& after) {
        const Grid board = state.盤;
        const Hand man = state.持駒MAN, com = state.持駒COM;
        const int manTotal = state.持駒数MAN, comTotal = state.持駒数COM;
        const auto start = std::chrono::steady_clock::now();
        std::optional<ChosenMove> chosen = chooseComputerMove(state, maps, work, &random_);
        result_.choiceSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        result_.choices += 1;
        if (state.盤 != board || state.持駒MAN != man || state.持駒COM != com ||
            state.持駒数MAN != manTotal || state.持駒数COM != comTotal) {
            fail("the position was not restored after a choice");
        } else if (chosen) {
            after(*chosen);
        }
        return chosen;
    }

    // A legal move (one that does not leave the mover's king attacked),
    // uniformly at random; drops are written as the game writes them.
    std::optional<PlayedMove> chooseAtRandom(bool upper) {
        std::vector<Move> moves, legal;
        generateMoves(s_, upper, moves);
        for (const Move& mv : moves) {
            const int captured = applyMove(s_, mv, upper);
            if (!ownKingAttacked(s_, randomMaps_, upper)) legal.push_back(mv);
            undoMove(s_, mv, upper, captured);
        }
        if (legal.empty()) return std::nullopt;
        std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
        const Move& mv = legal[pick(opening_)];
        const int fromY = isManStand(mv.fromX) ? mv.fromY + 1 : mv.fromY;
        return PlayedMove{mv.fromX, fromY, mv.toX, mv.toY, mv.before, mv.after, 0};
    }

    std::optional<PlayedMove> chooseUpper() {
        s_.COMレベル = config_.upperLevel;
        std::optional<PlayedMove> played;
        timedChoice(s_, upperMaps_, upperWork_, [&](const ChosenMove& c) {
            checkChosen(s_, c);
            played = PlayedMove{c.元X, c.元Y, c.先X, c.先Y, c.元駒, c.先駒, c.score.value()};
        });
        return played;
    }

    std::optional<PlayedMove> chooseLower() {
        turnAbout(s_, turned_);
        turned_.COMレベル = config_.lowerLevel;
        std::optional<PlayedMove> played;
        timedChoice(turned_, lowerMaps_, lowerWork_, [&](const ChosenMove& c) {
            checkChosen(turned_, c);
            if (c.isDrop()) {
                const int column = c.元X == 敵持盤X1 ? 自持盤X1 : 自持盤X2;
                played = PlayedMove{column,  c.元Y + 1, 6 - c.先X,      6 - c.先Y,
                                    -c.元駒, -c.先駒,   c.score.value()};
            } else {
                played = PlayedMove{6 - c.元X, 6 - c.元Y, 6 - c.先X,      6 - c.先Y,
                                    -c.元駒,   -c.先駒,   c.score.value()};
            }
        });
        return played;
    }

    std::optional<PlayedMove> chooseBySearch(bool upper) {
        std::string why;
        std::optional<engine::Position> pos =
            engine::positionFromGame(s_, upper ? engine::Upper : engine::Lower, &why);
        if (!pos) {
            fail("the engine cannot hold the position: " + why);
            return std::nullopt;
        }
        pos->setPriorKeys(keys_);
        const EngineSide& side = upper ? config_.upperEngine : config_.lowerEngine;
        std::unique_ptr<engine::Searcher>& searcher = upper ? upperSearcher_ : lowerSearcher_;
        if (!searcher) {
            searcher = std::make_unique<engine::Searcher>(
                [] { return std::chrono::steady_clock::now(); }, 16);
            searcher->setFeatures(side.features);
            if (side.weights) searcher->setWeights(*side.weights);
        }
        engine::SearchLimits limits;
        limits.pliesPlayed = s_.手順数;
        const auto start = std::chrono::steady_clock::now();
        if (side.nodes > 0 || side.depth > 0) {
            limits.nodes = side.nodes;
            limits.depth = side.depth;
        } else {
            const auto think = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                engine::levelThinkTime(upper ? config_.upperLevel : config_.lowerLevel) *
                side.timeScale);
            limits.deadline = start + think;
        }
        const engine::SearchResult r = searcher->search(*pos, limits);
        result_.choiceSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        result_.choices += 1;
        if (!r.best) return std::nullopt;
        tanukiban::Move gm = engine::toGameMove(*pos, r.best);
        const bool legal = r.best == pos->kingCapture() || engine::isLegal(*pos, r.best);
        if (!legal || 移動チェック(s_.盤, gm.fromX, gm.fromY, gm.toX, gm.toY, gm.before) != OK) {
            fail("the engine chose a move the rules refuse");
            return std::nullopt;
        }
        // The lower side's stand rows are its pairs plus one.
        if (isManStand(gm.fromX)) gm.fromY += 1;
        return PlayedMove{gm.fromX, gm.fromY, gm.toX, gm.toY, gm.before, gm.after, r.score / 100.0};
    }

    // The chosen move must be one the rules allow, with the piece it names.
    void checkChosen(const GameState& state, const ChosenMove& c) {
        bool ok = 移動チェック(state.盤, c.元X, c.元Y, c.先X, c.先Y, c.元駒) == OK;
        if (c.isDrop()) {
            ok = ok && c.元Y >= 1 && c.元Y <= 4 &&
                 state.持駒COM[static_cast<std::size_t>(c.元Y)] > 0 &&
                 standFace(c.元X, c.元Y) == c.元駒 && c.先駒 == c.元駒;
        } else {
            ok = ok && onBoard(c.元X, c.元Y) && state.盤[c.元X][c.元Y] == c.元駒 &&
                 c.先駒 == 取得_移動後成り駒(c.元駒);
        }
        if (!ok) {
            fail("illegal move chosen: " + squareText(c.元X, c.元Y) + " to " +
                 squareText(c.先X, c.先Y) + " piece " + std::to_string(c.元駒));
        }
    }

    void makeMove(const PlayedMove& mv) {
        const bool stored =
            手順保存(s_, mv.fromX, mv.fromY, mv.toX, mv.toY, mv.before, mv.after, 0, 0, 0, 0);
        if (!stored) {
            fail("the move list refused a ply below its limit");
            return;
        }
        s_.手数 += 1;
        if (config_.keepMoves) {
            char line[96];
            std::snprintf(line, sizeof line, "%3d %s %s-%s %d>%d taking %d, score %g", s_.手順数,
                          mv.before > 0 ? "upper" : "lower", squareText(mv.fromX, mv.fromY).c_str(),
                          squareText(mv.toX, mv.toY).c_str(), mv.before, mv.after,
                          s_.盤[mv.toX][mv.toY], mv.score);
            result_.moves.emplace_back(line);
        }
        駒移動(s_, mv.fromX, mv.fromY, mv.toX, mv.toY, mv.after);
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
    RandomSequence& random_;
    GameState s_;
    GameState turned_;
    InfluenceMaps upperMaps_, lowerMaps_, randomMaps_;
    std::mt19937 opening_;
    ComputerWork upperWork_, lowerWork_;
    std::unique_ptr<engine::Searcher> upperSearcher_, lowerSearcher_;
    std::vector<engine::Key> keys_;  // positions so far, for the engine's repetitions
    std::array<int, 5> pairTotals_{};
    SelfPlayResult result_;
};

}  // namespace

SelfPlayResult playSelfGame(const SelfPlayConfig& config, RandomSequence& random) {
    return Game(config, random).play();
}

}  // namespace tanukiban
