#pragma once
// Stands in for libtanukiban_sound: a test binary that links this library
// instead of the real one gets ds* entry points that record every call on
// the RecordingEntryPoints alive (one at a time).

#include <cstdint>
#include <string>
#include <vector>

namespace tanukiban::testing {

class RecordingEntryPoints {
  public:
    RecordingEntryPoints();
    ~RecordingEntryPoints();
    RecordingEntryPoints(const RecordingEntryPoints&) = delete;
    RecordingEntryPoints& operator=(const RecordingEntryPoints&) = delete;

    // What dsInitialize answers.
    std::int32_t handle = 7;
    // What dsCreateDSB answers: 0 refuses; otherwise ids 101, 102, … in turn.
    bool acceptWaves = true;

    // Every call in order, written like "dsCreateDSB(7,3)" or "dsPlay(101)".
    std::vector<std::string> calls;
    // The bytes each dsCreateDSB received, as long as their header says.
    std::vector<std::vector<unsigned char>> waves;

    std::int32_t nextId = 101;
};

}  // namespace tanukiban::testing
