#pragma once
// A USI session driven line by line from a test, its answers kept to wait on.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "usi/session.h"

namespace tanukiban::usi {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A session whose answers are kept for the test to wait on.
class Script {
  public:
    explicit Script(SessionConfig config = {})
        : session_([this](std::string_view line) { keep(line); }, [] { return Clock::now(); },
                   config) {}

    bool send(std::string_view line) { return session_.handle(line); }

    // The next answer starting with prefix, skipping others; nothing on timeout.
    std::optional<std::string> await(std::string_view prefix, Clock::duration timeout = 5s) {
        std::unique_lock lock(mutex_);
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            while (read_ < lines_.size()) {
                const std::string& line = lines_[read_++];
                if (line.starts_with(prefix)) return line;
            }
            if (arrived_.wait_until(lock, deadline) == std::cv_status::timeout) return std::nullopt;
        }
    }

    std::vector<std::string> unread() {
        const std::lock_guard lock(mutex_);
        std::vector<std::string> rest(lines_.begin() + static_cast<std::ptrdiff_t>(read_),
                                      lines_.end());
        read_ = lines_.size();
        return rest;
    }

    Session& session() { return session_; }

  private:
    void keep(std::string_view line) {
        {
            const std::lock_guard lock(mutex_);
            lines_.emplace_back(line);
        }
        arrived_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::string> lines_;
    std::size_t read_ = 0;
    Session session_;  // last, so that it stops before the lines go
};

}  // namespace tanukiban::usi
