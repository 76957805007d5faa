// 棋譜解析: the game on display reviewed in the background, then its
// evaluation graph, each ply marked, clicked to step the board there. The
// review is kept until the game on display changes.
#include <algorithm>

#include "flow/analysis_text.h"
#include "flow/drawing.h"
#include "flow/game.h"
#include "record/navigation.h"
#include "record/ply_replay.h"

namespace tanukiban {

namespace {

// The game on display: its plies, those ahead of a game stepped back
// included; none kept from a game no longer on (after 最初).
ShownGame shownGame(const GameState& s) {
    const bool on = s.棋譜モード == OK || s.手番 != 手番なし;
    ShownGame g{s, std::min(on ? std::max(s.手順数, s.手順最大数) : s.手順数, 手順上限)};
    for (int i = std::min(s.手順数, 手順上限); i >= 1; --i)
        applyPlyBackward(g.start, g.start.手順, i);
    return g;
}

bool samePlies(const MoveList& a, const MoveList& b, int plies) {
    for (int i = 1; i <= plies; ++i) {
        if (a.手順元X[i] != b.手順元X[i] || a.手順元Y[i] != b.手順元Y[i] ||
            a.手順先X[i] != b.手順先X[i] || a.手順先Y[i] != b.手順先Y[i] ||
            a.手順元駒[i] != b.手順元駒[i] || a.手順先駒[i] != b.手順先駒[i] ||
            a.手順取得駒[i] != b.手順取得駒[i])
            return false;
    }
    return true;
}

bool sameGame(const ShownGame& a, const ShownGame& b) {
    return a.plies == b.plies && a.start.盤 == b.start.盤 && a.start.持駒MAN == b.start.持駒MAN &&
           a.start.持駒COM == b.start.持駒COM && samePlies(a.start.手順, b.start.手順, a.plies);
}

PlyMark plyMark(players::Mark mark) {
    switch (mark) {
        case players::Mark::Mistake:
            return PlyMark::Mistake;
        case players::Mark::Blunder:
            return PlyMark::Blunder;
        case players::Mark::None:
            break;
    }
    return PlyMark::None;
}

// A loss in pawns; where a mate is won or lost a difference of scores means
// nothing, so the evaluations before and after are shown as the graph has them.
std::string lossText(const players::ReviewedPly& p) {
    if (players::isReviewMate(p.before) || players::isReviewMate(p.after))
        return evaluationText(p.before) + " → " + evaluationText(p.after);
    return evaluationText(p.loss).substr(1);
}

}  // namespace

void Game::REVIEW_Click() {
    if (review_.running()) {
        dropReview();
        return;
    }
    const char* refusal = nullptr;
    ShownGame game = shownGame(state_);
    if (computerGameOn()) {
        refusal = "対局中は解析できません";
    } else if (game.plies == 0 && finishedGame_) {
        showFinishedGame();
        game = shownGame(state_);
    } else if (game.plies == 0) {
        refusal = "解析する手がありません";
    }
    if (refusal) {
        play(sounds_.音_禁止);
        platform_.showMessage(refusal, "棋譜解析");
        return;
    }
    dropReview();
    reviewedGame_ = game;
    const int ticket = ++reviewTicket_;
    // The review comes on its own thread and is posted on to the window's.
    review_.start(reviewedGame_->start, reviewedGame_->plies, reviewBudget_,
                  [this, ticket](const players::Review& review) {
                      schedule(0, [this, ticket, review] {
                          if (ticket != reviewTicket_) return;
                          review_.wait();
                          showReview(review);
                      });
                  });
    platform_.analysisPanel().setProgress(0, reviewedGame_->plies + 1);
    updatePanel();
}

void Game::showReview(const players::Review& review) {
    reviewed_ = review.plies;
    platform_.analysisPanel().setProgress(0, 0);
    std::vector<GraphPoint> points;
    if (!reviewed_.empty()) points.push_back({0, reviewed_.front().before, PlyMark::None});
    for (const players::ReviewedPly& p : reviewed_)
        points.push_back({p.ply, p.after, plyMark(p.mark)});
    platform_.analysisPanel().setGraph(points);
    if (reviewed_.empty()) reviewedGame_.reset();
    updatePanel();
    showReviewNote();
}

void Game::dropReview() {
    ++reviewTicket_;
    review_.cancel();
    reviewedGame_.reset();
    platform_.analysisPanel().setProgress(0, 0);
    if (!reviewed_.empty()) {
        reviewed_.clear();
        platform_.analysisPanel().setGraph({});
        platform_.analysisPanel().setReviewNote("");
    }
    updatePanel();
}

void Game::followShownGame() {
    if (!reviewedGame_ || ended_) return;
    if (!sameGame(*reviewedGame_, shownGame(state_))) {
        dropReview();
        return;
    }
    showReviewNote();
}

void Game::showReviewNote() {
    if (reviewed_.empty()) return;
    const int k = state_.手順数;
    platform_.analysisPanel().selectPly(k);
    std::string note;
    if (k >= 1 && k <= static_cast<int>(reviewed_.size())) {
        const players::ReviewedPly& p = reviewed_[k - 1];
        engine::Position pos;
        if (pos.set(p.position)) {
            note = text::tr(std::to_string(k) + "手目") + "  " + moveText(pos, p.played);
            if (p.best) note += "  " + text::tr("最善 " + moveText(pos, p.best));
            note += "  " + text::tr("損失 " + lossText(p));
            if (p.mark == players::Mark::Mistake) note += "  " + text::tr("悪手");
            if (p.mark == players::Mark::Blunder) note += "  " + text::tr("大悪手");
        }
    }
    if (note != reviewNote_) {
        reviewNote_ = note;
        platform_.analysisPanel().setReviewNote(note);
    }
}

void Game::rememberFinishedGame() {
    finishedGame_.reset();
    GameState start = state_;
    const int plies = std::min(start.手順数, 手順上限);
    if (plies < 1 || start.手番 == 手番なし) return;
    while (start.手順数 > 0)
        if (stepBack(start) != StepStatus::Stepped) return;
    start.棋譜モード = OK;
    start.手順最大数 = plies;  // as played, whatever a continued record held beyond
    start.勝者 = 手番なし;
    start.局面変更 = NG;
    finishedGame_ = start;
}

void Game::showFinishedGame() {
    closeRecordPanel();
    // The level and the handicap ladder are the player's choices since.
    GameState shown = *finishedGame_;
    shown.COMレベル = state_.COMレベル;
    shown.ハンデレベル = state_.ハンデレベル;
    state_ = shown;
    pickUp_.選択中 = 0;
    表示秒 = 0;
    platform_.setClockTimer(false);
    画面_再描画();
}

void Game::reviewGraphClick(int ply) {
    if (!acceptsInput() || reviewed_.empty()) return;
    const FollowAfter follow{*this};
    clearHint();
    closeRecordPanel();
    ply = std::clamp(ply, 0, static_cast<int>(reviewed_.size()));
    const int from = state_.手順数;
    while (state_.手順数 > ply && stepBack(state_) == StepStatus::Stepped) {
    }
    while (state_.手順数 < ply && stepForward(state_) == StepStatus::Stepped) {
    }
    if (state_.手順数 == from) return;
    pickUp_.選択中 = 0;
    platform_.setClockTimer(false);
    画面_再描画();
    描画_手数(canvas(), state_.手数, 白色);
    play(sounds_.音_駒打音);
}

}  // namespace tanukiban
