#pragma once
// A game object wired to the fakes, for scenario tests.
#include "flow/game.h"
#include "tests/flow/support/fake_platform.h"
#include "tests/flow/support/game_fixture.h"
#include "tests/flow/support/recording_sound.h"
#include "tests/flow/support/scoped_work_dir.h"

namespace tanukiban::testing {

struct GameHarness {
    ScopedWorkDir workDir;  // the game's files land in a fresh folder
    FakePlatform platform;
    RecordingSound sound;
    Game game{platform, sound};

    GameHarness() { sound.log = &platform.log; }

    // The window is created: sounds, constants, settings, initial position.
    void start() {
        game.Form_Load();
        settle();
    }

    // What the game set going runs to its end: its pauses, animations and
    // thinking, as the window's events would run them. The player's actions
    // below come once the game is settled, and settle it again.
    void settle() {
        platform.runScheduled([this] {
            const TurnState s = GameFixture::turnState(game);
            return s == TurnState::ComputerThinking || s == TurnState::HintThinking;
        });
    }

    // A press of the mouse in the middle of cell (x, y), whatever the game is doing.
    void press(int x, int y) {
        game.Form_MouseDown(1, 0, 盤原点X + 桝幅 * x + 桝幅 / 2.0, 盤原点Y + 桝高 * y + 桝高 / 2.0);
    }

    void click(int x, int y) {
        settle();
        press(x, y);
        settle();
    }

    void menu(MenuItem item) {
        settle();
        game.menuCommand(item);
        settle();
    }

    void key(int ascii) {
        settle();
        game.Form_KeyPress(ascii);
        settle();
    }

    // One tick of the clock timer, and the moment the clock then rests.
    void tick() {
        game.Timer1_Timer();
        settle();
    }

    const GameState& state() const { return GameFixture::state(game); }
    const Options& options() const { return GameFixture::options(game); }
    const SoundIds& sounds() const { return GameFixture::sounds(game); }
    const PickUp& pickUp() const { return GameFixture::pickUp(game); }
    // Sets up the state by hand, as a position to play on.
    void arrange(const std::function<void(GameState&)>& change) {
        GameFixture::arrange(game, change);
    }
};

}  // namespace tanukiban::testing
