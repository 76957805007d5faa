#include "tests/flow/record_scene.h"

#include <tuple>

namespace tanukiban::testing {

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
                          s.棋譜モード, s.反転済, s.ハンデ設定済, s.局面変更, s.勝者, s.手順最大数,
                          s.pastedPosition, s.upperToMoveAtRest);
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
