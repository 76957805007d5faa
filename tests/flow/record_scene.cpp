#include "tests/flow/record_scene.h"

#include <random>
#include <tuple>

#include "engine/convert.h"
#include "rules/move.h"
#include "rules/movegen.h"

namespace tanukiban::testing {

namespace {

void playPly(GameState& s, const Move& mv, double 思考秒) {
    const bool man = isMan(mv.before);
    // The lower side's drops keep the stand row, the upper side's the pair.
    const int 元Y = isManStand(mv.fromX) ? mv.fromY + 1 : mv.fromY;
    const double m = s.所有秒MAN, c = s.所有秒COM;
    手順保存(s, mv.fromX, 元Y, mv.toX, mv.toY, mv.before, mv.after, m, man ? m + 思考秒 : m, c,
             man ? c : c + 思考秒);
    駒移動(s, mv.fromX, 元Y, mv.toX, mv.toY, mv.after);
    (man ? s.所有秒MAN : s.所有秒COM) += 思考秒;
    s.手順最大数 = s.手順数;
    s.手数 += 1;
    s.手番 = -s.手番;
}

}  // namespace

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
    std::vector<Move> moves;
    for (int n = 0; n < plies; ++n) {
        const bool com = s.手番 == s.手番COM;
        moves.clear();
        generateMoves(s, com, moves);
        std::erase_if(moves,
                      [&](const Move& mv) { return std::abs(s.盤[mv.toX][mv.toY]) == 王COM; });
        if (keepKingSafe) {
            const auto pos = engine::positionFromGame(s);
            std::erase_if(moves, [&](const Move& mv) { return !engine::fromGameMove(*pos, mv); });
        }
        if (moves.empty()) break;
        std::vector<Move> lively;  // captures and drops, so that hands fill and empty
        for (const Move& mv : moves)
            if (s.盤[mv.toX][mv.toY] != 空桝 || isStand(mv.fromX)) lively.push_back(mv);
        const auto& pool = (!lively.empty() && random() % 2 == 0) ? lively : moves;
        const Move mv = pool[random() % pool.size()];
        if (s.盤[mv.toX][mv.toY] != 空桝) ++g.captures[com ? 1 : 0];
        if (isStand(mv.fromX)) ++g.drops[com ? 1 : 0];
        playPly(s, mv, 0.25 + static_cast<double>(random() % 70) / 10.0);
        g.after.push_back(s);
    }
    return g;
}

::testing::AssertionResult samePosition(const GameState& a, const GameState& b) {
    if (a.盤 != b.盤) return ::testing::AssertionFailure() << "boards differ";
    if (a.持駒MAN != b.持駒MAN || a.持駒COM != b.持駒COM)
        return ::testing::AssertionFailure() << "hands differ";
    if (a.持駒数MAN != b.持駒数MAN || a.持駒数COM != b.持駒数COM)
        return ::testing::AssertionFailure() << "hand totals differ";
    if (a.所有秒MAN != b.所有秒MAN || a.所有秒COM != b.所有秒COM)
        return ::testing::AssertionFailure()
               << "clocks differ: " << a.所有秒MAN << "/" << b.所有秒MAN << ", " << a.所有秒COM
               << "/" << b.所有秒COM;
    if (a.手数 != b.手数 || a.手順数 != b.手順数 || a.手番 != b.手番)
        return ::testing::AssertionFailure()
               << "counters differ: 手数 " << a.手数 << "/" << b.手数 << ", 手順数 " << a.手順数
               << "/" << b.手順数 << ", 手番 " << a.手番 << "/" << b.手番;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult sameGame(const GameState& a, const GameState& b) {
    if (auto r = samePosition(a, b); !r) return r;
    const auto flags = [](const GameState& s) {
        return std::tuple(s.手番MAN, s.手番COM, s.対局モード, s.COMレベル, s.ハンデレベル,
                          s.棋譜モード, s.反転済, s.ハンデ設定済, s.局面変更, s.勝者, s.王X_MAN,
                          s.王Y_MAN, s.王X_COM, s.王Y_COM, s.手順最大数, s.pastedPosition,
                          s.upperToMoveAtRest);
    };
    if (flags(a) != flags(b)) return ::testing::AssertionFailure() << "flags or sides differ";
    if (a.開始時刻 != b.開始時刻 || a.思考秒 != b.思考秒)
        return ::testing::AssertionFailure() << "clock marks differ";
    const auto list = [](const GameState& s) {
        const MoveList& l = s.手順;
        return std::tie(l.手順元X, l.手順元Y, l.手順先X, l.手順先Y, l.手順元駒, l.手順先駒,
                        l.手順取得駒, l.手順前秒MAN, l.手順後秒MAN, l.手順前秒COM, l.手順後秒COM);
    };
    if (list(a) != list(b)) return ::testing::AssertionFailure() << "move lists differ";
    return ::testing::AssertionSuccess();
}

void startWith(GameHarness& h, const GameState& state) {
    h.start();
    h.arrange([&](GameState& s) { s = state; });
    h.platform.messages.clear();
    h.platform.log.clear();
    h.platform.drawn.clear();
    h.sound.calls.clear();
}

std::string lastMessage(const FakePlatform& p) {
    if (p.messages.empty()) return "(none)";
    return p.messages.back().title + "|" + p.messages.back().text;
}

}  // namespace tanukiban::testing
