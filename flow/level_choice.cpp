// Which player makes the computer's choice: the one-ply scan of levels 1–3,
// or the engine's search at levels 4–6.
#include "flow/engine_move.h"
#include "flow/game.h"

namespace tanukiban {

std::optional<ChosenMove> Game::chooseComputerTurnMove() {
    if (engine::isSearchLevel(state_.COMレベル)) {
        const EngineAnswer answer =
            thinkAbout(thinker_, platform_, state_, true, engine::levelThinkTime(state_.COMレベル));
        switch (answer.outcome) {
            case EngineOutcome::Moved: {
                const Move& mv = answer.move;
                ChosenMove chosen;
                chosen.元X = mv.fromX;
                chosen.元Y = mv.fromY;
                chosen.先X = mv.toX;
                chosen.先Y = mv.toY;
                chosen.元駒 = mv.before;
                chosen.先駒 = mv.after;
                return chosen;
            }
            case EngineOutcome::NoMove:
            case EngineOutcome::Interrupted:
                return std::nullopt;
            case EngineOutcome::Unusable:
                break;  // a board the engine cannot hold is left to the one-ply scan
        }
    }
    ChoiceHooks hooks;
    hooks.tick = [this] { Timer1_Timer(); };
    return chooseComputerMove(state_, maps_, computerWork_, &random_, hooks);
}

}  // namespace tanukiban
