// The reader of pasted positions on arbitrary text: it must never crash, and
// a position it accepts must hold one king a side, fit the game's board and
// come back unchanged, move number included, through the game's state and the copy.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/convert.h"
#include "flow/sfen_exchange.h"

namespace {

using namespace tanukiban;

void check(bool condition) {
    if (!condition) std::abort();
}

bool samePosition(const engine::Position& a, const engine::Position& b) {
    for (engine::Square sq = 0; sq < engine::SquareCount; ++sq)
        if (a.pieceOn(sq) != b.pieceOn(sq)) return false;
    for (int pair = 0; pair < engine::PairCount; ++pair) {
        if (a.handCount(engine::Lower, pair) != b.handCount(engine::Lower, pair)) return false;
        if (a.handCount(engine::Upper, pair) != b.handCount(engine::Upper, pair)) return false;
    }
    return a.sideToMove() == b.sideToMove();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<PastedPosition> pasted =
        readPastedPosition({reinterpret_cast<const char*>(data), size});
    if (!pasted) return 0;
    const engine::Position& pos = pasted->position;
    check(engine::popCount(pos.pieces(engine::Lower, engine::King)) == 1);
    check(engine::popCount(pos.pieces(engine::Upper, engine::King)) == 1);

    GameState s;
    初期設定(s);
    applyPastedPosition(s, *pasted);
    check(s.手番 == 手番なし && s.手順数 == 0 && s.手順最大数 == 0);
    const std::optional<std::string> copied = shownPositionText(s);
    check(copied.has_value());
    const std::optional<PastedPosition> again = readPastedPosition(*copied);
    check(again.has_value() && samePosition(pos, again->position) && again->plies == pasted->plies);
    const std::optional<GameText> game = gameSoFarText(s);
    check(game.has_value() && game->plies == 0 && game->text == "position sfen " + *copied);
    return 0;
}
