// 検討: the engine's view of the shown position, deepening on a background
// thread while the player steps through a game or plays another human. The
// strip and the frame belong to the position on the board or are empty:
// every event that may change the position checks it before the window
// shows anything again.
#include "display/board.h"
#include "engine/convert.h"
#include "flow/analysis_text.h"
#include "flow/engine_move.h"
#include "flow/game.h"
#include "flow/sfen_exchange.h"

namespace tanukiban {

namespace {

// Light cyan, thicker than the guide's frames, apart from the hint's yellow.
constexpr int kAnalysisColour = 11;
constexpr int kAnalysisLineWidth = 3;

ShownPosition shownPosition(const GameState& s) {
    return {s.盤, s.持駒MAN, s.持駒COM, shownSideToMove(s) == engine::Upper, s.手順数};
}

}  // namespace

bool Game::computerGameOn() const {
    const GameState& s = state_;
    return s.対局モード == 対局_COM && s.手番 != 手番なし && s.棋譜モード != OK;
}

void Game::ANALYSIS_Click() {
    if (analysisOn_) {
        analysisOn_ = false;
        stopAnalysis();
        platform_.setChecked(MenuItem::ANALYSIS, false);
        updatePanel();
        return;
    }
    if (computerGameOn()) {
        play(sounds_.音_禁止);
        platform_.showMessage("対局中は検討できません", "検討");
        return;
    }
    analysisOn_ = true;
    platform_.setChecked(MenuItem::ANALYSIS, true);
    updatePanel();
    followShownPosition();
}

void Game::followShownPosition() {
    if (!analysisOn_ || ended_) return;
    std::optional<ShownPosition> now;
    if (!computerGameOn()) now = shownPosition(state_);
    if (now && now == analysed_) return;
    stopAnalysis();
    if (!now) return;
    analysed_ = now;
    players::Turn turn = turnOf(state_, now->upper);
    if (!turn.position) return;  // a board the engine cannot hold has nothing to show
    analysedRoot_ = *turn.position;
    analysisGeneration_ = analyst_.start(std::move(turn));
}

void Game::stopAnalysis() {
    analyst_.stop();
    analysed_.reset();
    analysedRoot_.reset();
    analysisGeneration_ = 0;
    clearAnalysisMark();
    if (!strip_.empty()) {
        strip_.clear();
        platform_.analysisPanel().setStrip(strip_, 0);
    }
}

void Game::analysisTick() {
    if (ended_) return;
    followShownPosition();
    showAnalysis();
    if (review_.running())
        platform_.analysisPanel().setProgress(review_.analysed(), review_.positions());
}

void Game::showAnalysis() {
    if (!analysisOn_ || !analysedRoot_) return;
    const std::optional<AnalysisReading> reading = analyst_.latest();
    if (!reading || reading->generation != analysisGeneration_) return;
    const std::string strip = evaluationText(reading->evaluation) + "  " +
                              text::tr("深さ " + std::to_string(reading->depth)) + "  " +
                              lineText(*analysedRoot_, reading->line);
    if (strip != strip_) {
        strip_ = strip;
        platform_.analysisPanel().setStrip(strip_, analysed_->plies);
    }
    const engine::Move best = reading->line.empty() ? engine::Move() : reading->line.front();
    // The hint's marks are the player's own request: they stay until it goes.
    if (best == analysisMark_ || hintMarked_) return;
    clearAnalysisMark();
    if (!best) return;
    const GameMove mv = engine::toGameMove(*analysedRoot_, best);
    const auto [x, y] = shownSource(mv);
    Surface& surface = platform_.surface();
    surface.setMarking(true);
    surface.frameCell(kAnalysisColour, x, y, kAnalysisLineWidth);
    surface.frameCell(kAnalysisColour, mv.toX, mv.toY, kAnalysisLineWidth);
    surface.setMarking(false);
    surface.refresh();
    analysisMark_ = best;
}

void Game::clearAnalysisMark() {
    if (!analysisMark_) return;
    analysisMark_ = engine::Move();
    if (hintMarked_) return;
    platform_.surface().clearMarks();
    platform_.surface().refresh();
}

void Game::updatePanel() {
    const bool reviewing = review_.running() || !reviewed_.empty();
    platform_.analysisPanel().setPanelVisible(analysisOn_ || reviewing);
    platform_.setAnalysisTimer(analysisOn_ || review_.running());
}

}  // namespace tanukiban
