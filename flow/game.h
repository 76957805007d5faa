#pragma once
// The one game object: it owns the state, the influence maps, the options and
// the sound ids, and handles every event of the window. It reaches the
// desktop only through Platform and the sound library through SoundLibrary.
// The handlers are defined over several files, one concern each.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/choice.h"
#include "computer/random_sequence.h"
#include "display/canvas.h"
#include "display/palette.h"
#include "flow/background_review.h"
#include "flow/menu_items.h"
#include "flow/platform.h"
#include "flow/position_analyst.h"
#include "flow/sound_library.h"
#include "flow/turn_state.h"
#include "players/level_player.h"
#include "players/thinker.h"
#include "record/handicap.h"
#include "record/notice.h"
#include "record/ply_move.h"
#include "rules/influence.h"
#include "rules/movegen.h"
#include "rules/state.h"
#include "settings/settings_file.h"

namespace tanukiban {

// The options of the ｵﾌﾟｼｮﾝ menu; the menu's check marks only show them.
struct Options {
    int 背景種類 = 背景_緑;
    int 移動指導フラグ = 0;  // move guide on (1) or off (0)
    bool 経過時間 = false;   // the clocks are shown
    bool BGM = false;        // the music plays

    int 移動指導色() const { return 移動指導フラグ != 0 ? 白色 : 桝枠色; }
};

struct SoundIds {
    std::int32_t 音_その他 = 0;
    std::int32_t 音_禁止 = 0;
    std::int32_t 音_駒打音 = 0;
    std::int32_t 音_BGM = 0;
};

// The piece picked up by the first click of a move, kept between clicks.
struct PickUp {
    int 選択中 = 0;  // a piece of the side to move is held (1) or not (0)
    int 移動元X = 0, 移動元Y = 0;
    int 移動先X = 0, 移動先Y = 0;
    int 移動駒 = 空桝;
    int 移動前駒 = 空桝;
};

// What the analysis follows: the board, the hands, the side to move and
// the ply, so that the same board reached again is analysed anew.
struct ShownPosition {
    Grid 盤{};
    Hand man{}, com{};
    bool upper = false;
    int plies = 0;
    bool operator==(const ShownPosition&) const = default;
};

// A game on display, as its review sees it: its start and its plies.
struct ShownGame {
    GameState start;  // the move list's plies taken back
    int plies = 0;
};

// Seconds between two readings of the clock in seconds since midnight.
double 調査_経過秒(double I_開始, double I_終了);

// Tests set up positions and look inside through this (tests/support).
class GameFixture;

class Game {
  public:
    Game(Platform& platform, SoundLibrary& sound);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- Window events (startup.cpp, input.cpp, clock.cpp, menu.cpp) ---
    void Form_Load();
    void Form_KeyPress(int KeyAscii);
    void Form_Unload();
    void Form_MouseDown(int button, int shift, double X, double Y);
    void Timer1_Timer();
    // The analysis timer's tick: the strip and the review's progress.
    void analysisTick();
    // A click on the review's graph: the board steps to the ply.
    void reviewGraphClick(int ply);
    // A menu command or the opening of a menu, by item.
    void menuCommand(MenuItem item);

    // --- The record file panel's controls (record_panel.cpp) ---
    void Command1_Click();
    void File1_Click(std::string_view fileName);
    void Drive1_Change();
    void Dir1_Change();

    // True once the program has ended; later events are ignored.
    bool ended() const { return ended_; }

  private:
    friend class GameFixture;

    // Follows the shown position once the event that may have changed it is handled.
    struct FollowAfter {
        Game& game;
        ~FollowAfter() {
            game.followShownPosition();
            game.followShownGame();
        }
    };

    // --- Game control (control.cpp) ---
    void TAIKYOKU_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void OWARI_Click();
    void enterComputerGame(bool startClockNow);
    // 先手 and 後手 alike: the pasted position's side to move begins.
    void startComputerGameFromPaste();
    void chooseLevel(int level);
    void レベル_設定(int IN_LEVEL);

    // --- The turn (turn.cpp, wait.cpp) ---
    TurnState turnState() const;
    // Handlers of the player's input act only when the game awaits it.
    bool acceptsInput() const { return !ended_ && waiting_ == TurnState::Idle; }
    // The game's own events: `call` runs after `seconds` on the window's
    // thread unless the program has ended by then. Safe from any thread
    // with no delay.
    void schedule(double seconds, std::function<void()> call);
    // Holds the game in `state` for IN_秒, taking no input, then goes on with 続き.
    void 待ち時間(double IN_秒, std::function<void()> 続き, TurnState state = TurnState::Pausing);
    // Draws the game, after tidyUp, when the move list is full; true if it did.
    bool drawnByFullList(const std::function<void()>& tidyUp = {});
    // The mover's clock total takes the turn's time; the other side is to move from now.
    void passTurn();

    // --- Human move input and move guide (input.cpp) ---
    // False when the click that resumed play must go no further now; a
    // click that resumed the computer's turn goes on with `click` after it.
    bool resumeAfterStepping(const std::function<void()>& click);
    void pick(int u, int t);
    void pickOnBoard(int u, int t);
    void pickFromStand(int u, int t);
    void playHeldPiece();
    // The rest of a human's ply, once the piece has turned over.
    void endOfHumanPly(const GameMove& mv, int captured);
    void 描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒);
    void SIDOU_Click();

    // --- Clocks (clock.cpp, wait.cpp) ---
    // The clock rests this long after it changed on the screen.
    static constexpr double kClockRest = 0.3;
    // Timer1's tick; true when the clock changed on the screen.
    bool tickClock();
    void KEIKA_Click();
    void 処理_経過時間();
    // 思考秒 from the turn's start to now, whether or not the clock is shown.
    void measureThinkingTime();
    // Starts the clock timer when the clocks are shown.
    void startClockIfShown();

    // --- Plies and the end of a game (ply.cpp, computer_turn.cpp, game_end.cpp) ---
    // The computer's turn: the caption, a pause, the thinking; its ply follows
    // as events. `afterwards` runs once the human is to move again.
    void com_ban(std::function<void()> afterwards = {});
    void startComputerChoice();
    void playComputerAnswer(const players::Answer& answer);
    void endOfComputerPly(const GameMove& mv, int captured);
    // Reads the mover's clock, stores and counts the ply, makes it, turns the
    // piece over and plays the knock, then goes on with `then` and what it
    // took. The end test and passing the turn are the caller's. `row` is how
    // the move list keeps an upper drop: as clicked, or as the computer's.
    void playPly(const GameMove& mv, UpperDropRow row, std::function<void(int captured)> then);
    // The engine's move for the player to move, shown until the next click or
    // command (hint.cpp).
    void HINT_Click();
    void showHint(const players::Answer& answer);
    void clearHint();
    // Thinks for about `time` on the thinker, the game in `state`; `then`
    // gets the answer as an event of the window (level_choice.cpp).
    void think(players::Player& player, players::Turn turn, engine::Milliseconds time,
               TurnState state, std::function<void(const players::Answer&)> then);
    // Drops the thinking under way; its answer never comes.
    void cancelThinking();
    // Makes a recorded move on the state and redraws the squares and stands it changed.
    void 駒移動(const GameMove& mv);
    void 終了(std::string_view 勝手);
    // The game ends drawn when the move list is full; same dialogue as a win.
    void 引き分け();
    void askForAnotherGame();
    bool moveListFull() const { return state_.手順数 >= 手順上限; }

    // --- Record file panel (record_panel.cpp) ---
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    void 描画_可視(bool a, bool b, bool c);
    void 描画_棋譜_IO(int フラグ);
    void 描画_棋譜読込み部分消去();
    // Puts the record file panel away: lists hidden, boxes emptied and hidden.
    void closeRecordPanel();
    // The refusal sound when the notice asks for it, then its message box.
    void showNotice(const Notice& notice);

    // --- Position navigation and the handicap ladder (navigation.cpp, handicap.cpp) ---
    void STOP_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void REPLAY_Click();
    void AFTER_Click();

    // --- Analysis of the shown position (analysis.cpp) ---
    void ANALYSIS_Click();
    // A game against the computer is being played: no analysis then.
    bool computerGameOn() const;
    // Starts the analysis anew when the shown position is not the one analysed.
    void followShownPosition();
    void stopAnalysis();
    void showAnalysis();
    void clearAnalysisMark();
    // The panel and its timer are there while analysis or a review is.
    void updatePanel();

    // --- Review of the game on display (review.cpp) ---
    void REVIEW_Click();
    void showReview(const players::Review& review);
    // Cancels a review under way, or forgets the one made.
    void dropReview();
    // Drops the review when the game on display is no longer the one reviewed.
    void followShownGame();
    // What the review says of the ply that led to the shown position.
    void showReviewNote();
    // Keeps the game that has just ended, at its start with its plies, for a
    // review once the board has been reset.
    void rememberFinishedGame();
    // Puts the game remembered on display as a record read, at its start.
    void showFinishedGame();

    // --- Positions to and from the clipboard (position_exchange.cpp) ---
    void COPY_SFEN_Click();
    void COPY_KIFU_Click();
    void PASTE_SFEN_Click();

    // --- The handicap ladder (handicap.cpp) ---
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();
    void showHandicapStep(const HandicapStep& step);

    // --- Settings and options (options.cpp) ---
    void 読込_環境設定ファイル();
    void 書込_環境設定ファイル();
    void applySetting(const SettingLine& line);
    void applyFallback(const SettingsValues& values);
    // Each sets the option and its check mark; the music also starts or stops.
    void setMoveGuide(bool on);
    void setClockShown(bool on);
    void setMusic(bool on);
    void selectBackground(int kind);
    void チェック設定(int IN_背景種類);
    void BGM_Click();
    void OPTION_Click();
    void VER_Click();

    // --- Start-up and shutdown (startup.cpp) ---
    void setConstants();
    // Resets to the initial position, stops the clock and redraws everything.
    void 初期設定();
    // Releases the sounds and the sound library.
    void 終了処理();
    // 終了処理, then the program ends; later events are ignored.
    void endProgram();

    // --- Drawing and sound ---
    // The window's surface with this game's background and sides.
    Canvas canvas() const;
    void 画面_再描画();
    // The piece on the cell turns over frame by frame; then 続き.
    void 描画_回転駒(int I_回転パターン, double I_座標X, double I_座標Y, std::function<void()> 続き,
                     int frame = 0);
    void play(std::int32_t id) { sound_.dsPlay(id); }

    Platform& platform_;
    SoundLibrary& sound_;
    GameState state_;
    InfluenceMaps maps_;
    Options options_;
    SoundIds sounds_;
    PickUp pickUp_;
    // The whole second of the turn's clock last shown.
    double 表示秒 = 0;
    // The clock is held for a moment after it changed on the screen.
    bool clockHeld_ = false;
    bool ended_ = false;
    // What the game waits for, or Idle when it waits for the player.
    TurnState waiting_ = TurnState::Idle;
    // Counts the thinking started, so that a dropped one's answer is known.
    int thinking_ = 0;
    // The rest of the click that resumed the computer's turn.
    std::function<void()> afterComputer_;

    // One random sequence for the whole run, never reseeded between games.
    RandomSequence random_;
    players::LevelPlayer computer_{random_, players::OnePlyPlayer::Manner::Game};
    // Every thinking time is multiplied by this; tests think briefly.
    double thinkTimeScale_ = 1.0;
    // Last, so that a choice still running is cancelled before what it reads goes.
    players::Thinker thinker_{players::Thinker::Priority::Background};
    // The hint's marks, or its thinking's, are on show.
    bool hintMarked_ = false;

    bool analysisOn_ = false;
    // The position under analysis, none while suspended.
    std::optional<ShownPosition> analysed_;
    std::optional<engine::Position> analysedRoot_;
    int analysisGeneration_ = 0;
    std::string strip_;
    engine::Move analysisMark_;  // the best move framed on the board
    PositionAnalyst analyst_;

    // The game reviewed, or being reviewed, and what the review found.
    std::optional<ShownGame> reviewedGame_;
    std::vector<players::ReviewedPly> reviewed_;
    std::string reviewNote_;
    players::ReviewBudget reviewBudget_;
    int reviewTicket_ = 0;
    BackgroundReview review_;
    // The game that ended last; forgotten when another starts or a record is read.
    std::optional<GameState> finishedGame_;
};

}  // namespace tanukiban
