#pragma once
// The one game object: it owns the state, the influence maps, the options and
// the sound ids, and handles every event of the window. It reaches the
// desktop only through Platform and the sound library through SoundLibrary.
// The handlers are defined over several files, one concern each.
#include <cstdint>
#include <string>
#include <string_view>

#include "computer/random_sequence.h"
#include "computer/work.h"
#include "flow/menu_items.h"
#include "flow/platform.h"
#include "flow/sound_library.h"
#include "rules/influence.h"
#include "rules/state.h"

namespace tanukiban {

// The options a player sets from the ｵﾌﾟｼｮﾝ menu that the game reads while
// playing. The check marks of the menu items are kept by the platform and
// are the authoritative state of the options.
struct Options {
    int 背景種類 = 背景_緑;
    int 移動指導フラグ = 0;   // move guide on (1) or off (0)
    int 移動指導色 = 桝枠色;  // 白色 while the guide is on, 桝枠色 while off
};

struct SoundIds {
    std::int32_t 音_その他 = 0;
    std::int32_t 音_禁止 = 0;
    std::int32_t 音_駒打音 = 0;
    std::int32_t 音_BGM = 0;
};

// The piece picked up by the first click of a move, kept between clicks.
struct PickUp {
    int 移動元X = 0, 移動元Y = 0;
    int 移動先X = 0, 移動先Y = 0;
    int 移動駒 = 空桝;
    int 移動前駒 = 空桝;
};

class Game {
  public:
    Game(Platform& platform, SoundLibrary& sound);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- Window events (startup.cpp, input.cpp, clock.cpp) ---
    void Form_Load();
    void Form_KeyPress(int KeyAscii);
    void Form_Unload();
    void Form_MouseDown(int button, int shift, double X, double Y);
    void Timer1_Timer();

    // A menu command or the opening of a menu, by item.
    void menuCommand(MenuItem item);

    // --- Game control (control.cpp) ---
    void TAIKYOKU_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void OWARI_Click();
    void レベル_設定(int IN_LEVEL);

    // --- Human move input and move guide (input.cpp) ---
    void 描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒);
    void SIDOU_Click();

    // --- Clocks (clock.cpp, wait.cpp) ---
    void KEIKA_Click();
    void 処理_経過時間();
    static double 調査_経過秒(double I_開始, double I_終了);
    void 待ち時間(double IN_秒);

    // --- Computer's turn and game end (computer_turn.cpp) ---
    void com_ban();
    void 終了(std::string_view 勝手);

    // --- Playing a game: moves, their end, the move limit (game_end.cpp, move_making.cpp) ---
    // Makes a recorded move on the state and redraws the squares and stands it changed.
    void 駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
    // The game ends drawn when the move list is full; same dialogue as a win.
    void 引き分け();
    bool moveListFull() const { return state_.手順数 >= 手順上限; }
    ComputerWork& computerWork() { return computerWork_; }

    // --- Record file panel (record_panel.cpp) ---
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    void Command1_Click();
    void File1_Click(std::string_view fileName);
    void Drive1_Change();
    void Dir1_Change();
    void 描画_可視(bool a, bool b, bool c);
    void 描画_棋譜_IO(int フラグ);
    void 描画_棋譜読込み部分消去();

    // --- Position navigation (navigation.cpp) ---
    void STOP_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void REPLAY_Click();
    void AFTER_Click();

    // --- Positions to and from the clipboard (position_exchange.cpp) ---
    void COPY_SFEN_Click();
    void COPY_KIFU_Click();
    void PASTE_SFEN_Click();

    // --- Handicap levels (handicap.cpp) ---
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();

    // --- Settings and options (options.cpp) ---
    void 読込_環境設定ファイル();
    void 書込_環境設定ファイル();
    void チェック設定(int IN_背景種類);
    void MIDORI_Click();
    void TATAMI_Click();
    void TAKE_Click();
    void UCHU_Click();
    void RENGA_Click();
    void BGM_Click();
    void OPTION_Click();
    void VER_Click();

    // --- Start-up and shutdown (startup.cpp) ---
    // Resets to the initial position, stops the clock and redraws everything.
    void 初期設定();
    // Releases the sounds and the sound library.
    void 終了処理();
    // 終了処理, then the program ends; later events are ignored.
    void endProgram();
    bool ended() const { return ended_; }

    // --- Drawing on the window (display_glue.cpp), with this game's state and options ---
    void 描画_絵(int 駒種類, double 座標X, double 座標Y);
    void 描画_桝輪郭(int 描画色, double 座標X, double 座標Y);
    void 描画_盤();
    void 描画_将棋盤桝();
    void 描画_背景(int IN_背景種類);
    void 描画_自持盤();
    void 描画_敵持盤();
    void 描画_回転駒(int I_回転パターン, double I_座標X, double I_座標Y);
    void 画面_再描画();
    void 描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, double フォントサイズ);
    void 描画_数値(double 入力X, double 入力Y, std::string_view 数値, int 色, int モード,
                   double フォントサイズ);
    void 描画_文字列(double 入力X, double 入力Y, int 数値, int 色, double サイズ);
    void 描画_移動駒種類(double 入力X, double 入力Y, std::string_view 駒文字, int 色);
    void 描画_桝_数値();
    void 描画_手数(int 数値, int 色);
    void 描画_レベル(int IN_LEVEL);
    void 描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色);
    void 消去_移動結果(int IN_手番);
    void 描画_所有時間(int IN_手番, double IN_思考時間);
    void 消去_所有時間(int IN_手番);
    void 描画_ハンデレベル(int IN_ハンデレベル);
    void refresh();

    // --- Sound ---
    void play(std::int32_t id) { sound_.dsPlay(id); }

    // --- Access for the handlers' files and for tests ---
    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    InfluenceMaps& maps() { return maps_; }
    Options& options() { return options_; }
    const Options& options() const { return options_; }
    SoundIds& sounds() { return sounds_; }
    const SoundIds& sounds() const { return sounds_; }
    PickUp& pickUp() { return pickUp_; }
    Platform& platform() { return platform_; }
    SoundLibrary& sound() { return sound_; }
    Surface& surface() { return platform_.surface(); }

  private:
    void setConstants();
    void enterComputerGame(bool startClockNow);
    void chooseLevel(int level);

    Platform& platform_;
    SoundLibrary& sound_;
    GameState state_;
    InfluenceMaps maps_;
    Options options_;
    SoundIds sounds_;
    PickUp pickUp_;
    bool ended_ = false;

    // --- The computer's turn ---
    // The copies of the position before the computer's move, kept between turns.
    ComputerWork computerWork_;
    // One random sequence for the whole run, never reseeded between games.
    RandomSequence random_;

    // --- Steps of a move and of a game's end (input.cpp, clock.cpp, game_end.cpp) ---
    // False when the click that resumed play must go no further.
    bool resumeAfterStepping();
    void pickOnBoard(int u, int t);
    void pickFromStand(int u, int t);
    void playHeldPiece();
    void passTurnBetweenHumans();
    // 思考秒 from the turn's start to now, whether or not the clock is shown.
    void measureThinkingTime();
    void askForAnotherGame();
};

}  // namespace tanukiban
