#include "tests/support/played_game.h"

#include <cstdlib>
#include <random>

#include "engine/convert.h"
#include "record/ply_move.h"
#include "rules/move.h"
#include "rules/movegen.h"

namespace tanukiban::testing {

void playPly(GameState& s, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒, double 思考秒) {
    const bool man = isMan(元駒);
    const double m = s.所有秒MAN, c = s.所有秒COM;
    const Ply ply{
        元X, 元Y, 先X, 先Y, 元駒, 先駒, 空桝, m, man ? m + 思考秒 : m, c, man ? c : c + 思考秒};
    手順保存(s, ply);
    駒移動(s, moveOf(ply));
    (man ? s.所有秒MAN : s.所有秒COM) += 思考秒;
    s.手数 += 1;
    s.手番 = -s.手番;
}

PlayedGame playGame(unsigned seed, bool manFirst, int plies, bool keepKingSafe) {
    PlayedGame g;
    GameState& s = g.final;
    初期設定(s);
    s.手番MAN = manFirst ? 先手 : 後手;
    s.手番COM = -s.手番MAN;
    s.対局モード = 対局_COM;
    s.手番 = 先手;
    g.after.push_back(s);
    std::mt19937 random(seed);
    std::vector<GameMove> moves;
    for (int n = 0; n < plies; ++n) {
        const bool com = s.手番 == s.手番COM;
        moves.clear();
        generateMoves(s, com, moves);
        std::erase_if(moves,
                      [&](const GameMove& mv) { return std::abs(s.盤[mv.toX][mv.toY]) == 王COM; });
        if (keepKingSafe) {
            const auto pos = engine::positionFromGame(s);
            std::erase_if(moves,
                          [&](const GameMove& mv) { return !engine::fromGameMove(*pos, mv); });
        }
        if (moves.empty()) break;
        std::vector<GameMove> lively;  // captures and drops, so that hands fill and empty
        for (const GameMove& mv : moves)
            if (s.盤[mv.toX][mv.toY] != 空桝 || mv.isDrop()) lively.push_back(mv);
        const auto& pool = (!lively.empty() && random() % 2 == 0) ? lively : moves;
        const GameMove mv = pool[random() % pool.size()];
        if (s.盤[mv.toX][mv.toY] != 空桝) ++g.captures[com ? 1 : 0];
        if (mv.isDrop()) ++g.drops[com ? 1 : 0];
        const Ply p = plyOf(mv);
        playPly(s, p.元X, p.元Y, mv.toX, mv.toY, mv.before, mv.after,
                0.25 + static_cast<double>(random() % 70) / 10.0);
        g.after.push_back(s);
    }
    return g;
}

bool isLively(const PlayedGame& g) {
    return g.captures[0] > 0 && g.captures[1] > 0 && g.drops[0] > 0 && g.drops[1] > 0;
}

PlayedGame lively(bool manFirst, int plies) {
    PlayedGame g;
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        g = playGame(seed, manFirst, plies);
        if (isLively(g)) break;
    }
    return g;
}

}  // namespace tanukiban::testing
