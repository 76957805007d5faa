#pragma once
// A stand-in for the sound library that records every call made through
// soundApi(). While one exists it replaces the library; only one at a time.

#include <cstdint>
#include <string>
#include <vector>

namespace tanukiban::testing {

class RecordingSound {
  public:
    RecordingSound();
    ~RecordingSound();
    RecordingSound(const RecordingSound&) = delete;
    RecordingSound& operator=(const RecordingSound&) = delete;

    // What dsInitialize answers.
    std::int32_t handle = 7;
    // What dsCreateDSB answers: 0 refuses; otherwise ids 101, 102, … in turn.
    bool acceptWaves = true;

    // Every call in order, written like "dsCreateDSB(7,3)" or "dsPlay(101)".
    std::vector<std::string> calls;
    // The bytes each dsCreateDSB received, as long as their header says.
    std::vector<std::vector<unsigned char>> waves;

  private:
    std::int32_t nextId_ = 101;
    friend struct RecordingCalls;
};

}  // namespace tanukiban::testing
