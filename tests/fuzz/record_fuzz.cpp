// The record reader on arbitrary bytes: it must never crash, and a record it
// accepts must step to its end and back to its start, keep the hands sane on
// the way, and survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "record/navigation.h"
#include "record/record_format.h"
#include "record/record_reader.h"
#include "record/record_writer.h"

namespace {

using namespace tanukiban;

void check(bool condition) {
    if (!condition) std::abort();
}

void checkHands(const GameState& s) {
    int man = 0, com = 0;
    for (int pair = 1; pair <= 4; ++pair) {
        check(s.持駒MAN[pair] >= 0 && s.持駒COM[pair] >= 0);
        man += s.持駒MAN[pair];
        com += s.持駒COM[pair];
    }
    check(man == s.持駒数MAN && com == s.持駒数COM);
    for (int x = 1; x <= 5; ++x) {
        for (int y = 1; y <= 5; ++y) check(s.盤[x][y] == 空桝 || isPieceCode(s.盤[x][y]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReadResult read = parseRecord({reinterpret_cast<const char*>(data), size});
    if (read.status != ReadStatus::Loaded && read.status != ReadStatus::NoMoves) return 0;
    const LoadedRecord& record = read.record;
    check(record.plies >= 0 && record.plies <= 手順上限);

    GameState s;
    applyRecord(s, record);
    const GameState start = s;
    for (int i = 0; i < record.plies; ++i) {
        check(stepForward(s) == StepStatus::Stepped);
        checkHands(s);
    }
    if (record.plies > 0) check(stepForward(s) == StepStatus::EndOfRecord);

    // What the game would write from the end of the record reads back the same.
    const auto bytes =
        encodeRecord(s, record.header.title, record.header.upper, record.header.lower);
    check(bytes.has_value());
    const ReadResult again = parseRecord(*bytes);
    check(again.record.plies == record.plies);
    for (int i = 1; i <= record.plies; ++i) {
        check(moveLineFields(again.record.手順, i) == moveLineFields(record.手順, i));
    }

    for (int i = 0; i < record.plies; ++i) check(stepBack(s) == StepStatus::Stepped);
    check(s.盤 == start.盤 && s.持駒MAN == start.持駒MAN && s.持駒COM == start.持駒COM);
    check(s.持駒数MAN == 0 && s.持駒数COM == 0 && s.手数 == 0);
    return 0;
}
