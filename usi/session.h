#pragma once
// A USI session: command lines in, answer lines out through a callback. The
// player thinks on the thinker's thread so that `stop`, `isready` and the
// rest are answered while it thinks. The caller does the reading and writing
// and hands in the clock.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "computer/random_sequence.h"
#include "engine/limits.h"
#include "engine/mate_solver.h"
#include "engine/search.h"
#include "players/level_player.h"
#include "players/thinker.h"
#include "usi/position_text.h"

namespace tanukiban::usi {

struct SessionConfig {
    std::size_t hashMegabytes = 16;
    std::size_t maxHashMegabytes = 1024;
    // Caps on every search, whatever `go` asks; 0 for none.
    int depthCap = 0;
    std::uint64_t nodeCap = 0;
    // The book of the OwnBook option.
    const players::OpeningBook* book = &players::installedBook();
};

class Session {
  public:
    // Every line is handed to output whole, without its line break, from
    // this thread or the search's, one at a time.
    using Output = std::function<void(std::string_view line)>;

    Session(Output output, engine::Clock clock, SessionConfig config = {});
    // Stops a running search and waits for it.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Handles one command line. False once `quit` has been handled.
    bool handle(std::string_view line);
    // The end of input: stops a running search and waits for its answer.
    void finish();

  private:
    void say(std::string_view line);
    void identify();
    void prepare();
    void setOption(std::string_view line);
    void setPosition(std::string_view line);
    void go(std::string_view line);
    void goMate(const std::vector<std::string_view>& words);  // in mate_command.cpp
    void stop();
    void ponderHit();
    bool busy();
    void release(const players::Answer& answer, const engine::Position& root);
    void answer(engine::Move best, engine::Move ponder, const engine::Position& root);
    std::string infoLine(const engine::SearchInfo& info, const engine::Position& root) const;

    Output output_;
    engine::Clock clock_;
    SessionConfig config_;
    std::mutex outputMutex_;

    RandomSequence random_;
    players::LevelPlayer player_;
    engine::MateSolver mateSolver_;
    // The solver as the thinker's player while `go mate` runs.
    std::unique_ptr<players::Player> matePlayer_;
    std::size_t hashMegabytes_;
    bool tableReady_ = false;  // the table's memory is taken
    bool ownBook_ = true;
    int multiPv_ = 1;  // lines the searching levels report; the one-ply ones give one move
    PositionText position_;

    std::mutex mutex_;
    std::condition_variable released_;
    bool busy_ = false;       // a search runs or holds its answer
    bool hold_ = false;       // the answer waits for `stop` (or `ponderhit`)
    bool pondering_ = false;  // `go ponder`: the answer waits for `ponderhit` too
    bool infinite_ = false;
    // Last, so that it is stopped before what its answer reaches goes.
    players::Thinker thinker_;
};

}  // namespace tanukiban::usi
