// Human move input and the move guide.
#include <cmath>

#include "flow/drawing.h"
#include "flow/game.h"
#include "rules/legality.h"
#include "rules/mate.h"

namespace tanukiban {

namespace {

bool belongsToSideToMove(const GameState& s, int code) {
    return (s.手番 == s.手番MAN && isMan(code)) || (s.手番 == s.手番COM && isCom(code));
}

}  // namespace

void Game::Form_MouseDown(int /*button*/, int /*shift*/, double X, double Y) {
    // A hint being worked out gives way to the click.
    if (waiting_ == TurnState::HintThinking) cancelThinking();
    if (!acceptsInput()) return;
    const FollowAfter follow{*this};
    clearHint();
    描画_可視(false, false, false);
    描画_棋譜_IO(1);

    if (state_.棋譜モード == OK) {
        if (!platform_.askYesNo("棋譜を '進 'で進めて下さい", "棋譜")) {
            play(sounds_.音_禁止);
            初期設定();
        }
        return;
    }

    const int u = static_cast<int>(std::floor((X - 盤原点X) / 桝幅));
    const int t = static_cast<int>(std::floor((Y - 盤原点Y) / 桝高));

    if (state_.手番 == 手番なし) {
        play(sounds_.音_禁止);
        platform_.showMessage("「対局」で始めて下さい", "開始");
        return;
    }

    if (resumeAfterStepping([this, u, t] { pick(u, t); })) pick(u, t);
}

void Game::pick(int u, int t) {
    if (onBoard(u, t)) {
        pickOnBoard(u, t);
    } else {
        pickFromStand(u, t);
    }
}

bool Game::resumeAfterStepping(const std::function<void()>& click) {
    GameState& s = state_;
    if (s.対局モード == 対局_MAN) {
        if (s.局面変更 == OK) {
            s.局面変更 = NG;
            s.開始時刻 = platform_.secondsSinceMidnight();
            startClockIfShown();
            platform_.showMessage(s.手番 == 先手 ? "先手の番です" : "後手の番です", "対局");
        }
        return true;
    }
    if (s.手番 == s.手番COM) {
        s.局面変更 = NG;
        platform_.showMessage("OKですか？", "再開(COM)");
        // The click goes on once the human is to move; a game the computer
        // ended spends it.
        com_ban(click);
        return false;
    }
    if (s.手番 == s.手番MAN && s.局面変更 == OK) {
        s.局面変更 = NG;
        s.開始時刻 = platform_.secondsSinceMidnight();
        startClockIfShown();
        platform_.showMessage("MANの番です", "対局");
    }
    return true;
}

void Game::pickOnBoard(int u, int t) {
    GameState& s = state_;
    PickUp& p = pickUp_;
    const int code = s.盤[u][t];

    if (pickUp_.選択中 == 0) {
        if (code == 空桝) return;
        p.移動元X = u;
        p.移動元Y = t;
        p.移動駒 = code;
        描画_移動可能桝色(u, t, options_.移動指導色(), code);
        if (belongsToSideToMove(s, code)) {
            pickUp_.選択中 = 1;
            描画_桝輪郭(canvas(), 赤色, u, t);
            p.移動前駒 = code;
        } else {
            // An opponent's piece only shows where it can go.
            描画_桝輪郭(canvas(), options_.移動指導色(), u, t);
        }
        return;
    }

    p.移動先X = u;
    p.移動先Y = t;
    if (belongsToSideToMove(s, code)) {
        描画_桝輪郭(canvas(), 桝枠色, p.移動元X, p.移動元Y);
        p.移動元X = u;
        p.移動元Y = t;
        p.移動駒 = code;
        p.移動前駒 = code;
        描画_移動可能桝色(u, t, options_.移動指導色(), code);
        描画_桝輪郭(canvas(), 赤色, u, t);
        return;
    }
    if (移動チェック(s.盤, p.移動元X, p.移動元Y, u, t, p.移動駒) != OK) {
        play(sounds_.音_禁止);
        pickUp_.選択中 = 0;
        描画_将棋盤桝(canvas());
        return;
    }
    playHeldPiece();
}

void Game::pickFromStand(int u, int t) {
    GameState& s = state_;
    PickUp& p = pickUp_;
    if (p.移動駒 != 空桝) {
        描画_移動可能桝色(p.移動元X, p.移動元Y, 桝枠色, p.移動駒);
        描画_桝輪郭(canvas(), 桝枠色, p.移動元X, p.移動元Y);
    }

    const int face = standFaceAt(u, t);
    const Hand& hand = isCom(face) ? s.持駒COM : s.持駒MAN;
    // Elsewhere, or an empty pair: the piece stays held.
    if (face == 空桝 || hand[facePair(face)] <= 0) return;
    const bool ownTurn = s.手番 == (isCom(face) ? s.手番COM : s.手番MAN);

    p.移動元X = u;
    p.移動元Y = t;
    p.移動駒 = face;
    if (ownTurn) {
        pickUp_.選択中 = 1;
        p.移動前駒 = face;
        描画_桝輪郭(canvas(), 赤色, u, t);
    } else {
        // Holding nothing, so that the next click cannot drop the opponent's piece.
        pickUp_.選択中 = 0;
        描画_桝輪郭(canvas(), options_.移動指導色(), u, t);
    }
    描画_移動可能桝色(u, t, options_.移動指導色(), face);
}

void Game::playHeldPiece() {
    PickUp& p = pickUp_;
    // Only a continued record can get here full; nothing may be stored past the last ply.
    if (drawnByFullList([this] {
            pickUp_.選択中 = 0;
            描画_将棋盤桝(canvas());
        }))
        return;

    const GameMove mv = onBoard(p.移動元X, p.移動元Y)
                            ? GameMove::onBoard(p.移動元X, p.移動元Y, p.移動先X, p.移動先Y,
                                                p.移動駒, 取得_移動後成り駒(p.移動駒))
                            : GameMove::drop(p.移動駒, p.移動先X, p.移動先Y);
    p.移動駒 = mv.after;

    p.選択中 = 0;
    描画_桝輪郭(canvas(), 桝枠色, p.移動元X, p.移動元Y);
    描画_桝輪郭(canvas(), 桝枠色, p.移動先X, p.移動先Y);
    描画_移動可能桝色(p.移動元X, p.移動元Y, 桝枠色, p.移動駒);

    // The held source of an upper drop names its pair from now on, as making
    // the move took it; the next stand click clears the guide from there.
    if (mv.isDrop() && mv.upper()) p.移動元Y = mv.pair;
    playPly(mv, UpperDropRow::Clicked, [this, mv](int captured) { endOfHumanPly(mv, captured); });
}

void Game::endOfHumanPly(const GameMove& mv, int captured) {
    GameState& s = state_;
    const MoveKind kind = mv.isDrop()        ? MoveKind::Drop
                          : captured != 空桝 ? MoveKind::Capture
                                             : MoveKind::Move;
    描画_移動結果(canvas(), mv.upper() ? s.手番COM : s.手番MAN, mv.toX, mv.toY, mv.after,
                  移動結果色, kind);
    if (s.対局モード != 対局_COM) {
        // Two humans: only a taken king ends the game, named by the side it won for.
        if (s.勝者 != 手番なし) {
            終了(s.勝者 == 先手 ? "先手" : "後手");
        } else {
            drawnByFullList();
        }
        passTurn();
        return;
    }
    platform_.setClockTimer(false);
    勢力調査(s.盤, maps_);
    // A taken king needs no mate test.
    if (captured == 王COM || 詰めかCOM(s, maps_) == OK) {
        終了("あなた");
        return;
    }
    if (s.勝者 != 手番なし || drawnByFullList()) return;
    passTurn();
    com_ban();
}

void Game::描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒) {
    描画_将棋盤桝(canvas());
    if (options_.移動指導フラグ == 0) return;
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) {
            if (移動チェック(state_.盤, 移動元X, 移動元Y, x, y, 移動駒) == OK)
                描画_桝輪郭(canvas(), 描画色, x, y);
        }
    }
}

void Game::SIDOU_Click() {
    if (options_.移動指導フラグ != 0) {
        for (int x = 1; x <= 5; ++x) {
            for (int y = 1; y <= 5; ++y) 描画_桝輪郭(canvas(), 桝枠色, x, y);
        }
        clearStandFrames(canvas());
        setMoveGuide(false);
    } else {
        setMoveGuide(true);
    }
    書込_環境設定ファイル();
}

}  // namespace tanukiban
