#pragma once
// `go mate`: what the command asks for, and the `checkmate` answer to it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/mate_solver.h"

namespace tanukiban::usi {

struct MateRequest {
    bool infinite = false;          // until a verdict or `stop`
    std::int64_t milliseconds = 0;  // else the time to answer within
};

// Reads the words of `go mate <milliseconds>` or `go mate infinite`.
// Nothing when the time is missing or not a number, with the reason in *error.
std::optional<MateRequest> readMateRequest(const std::vector<std::string_view>& words,
                                           std::string* error = nullptr);

// The solver's limits for the request: a deadline that leaves the answer
// time to travel, none for `infinite`.
engine::MateLimits mateLimits(const MateRequest& request, const engine::Clock& clock);

// `checkmate <moves>`, `checkmate nomate` or `checkmate timeout`.
std::string mateAnswer(const engine::Position& root, const engine::MateResult& result);

}  // namespace tanukiban::usi
