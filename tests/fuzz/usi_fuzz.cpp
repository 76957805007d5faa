// The USI session on arbitrary command streams: it must never crash, hang or
// write a broken line, and it answers no more often than it is asked to go.
// Searches are capped so that an input runs in milliseconds, and one session
// serves every input, set back to its start each time, so that its table is
// not allocated anew for each.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "usi/session.h"
#include "usi/words.h"

namespace {

std::size_t answers = 0;

tanukiban::usi::Session& session() {
    static tanukiban::usi::Session* s = [] {
        tanukiban::usi::SessionConfig config;
        config.hashMegabytes = 1;
        config.maxHashMegabytes = 1;
        config.depthCap = 3;
        config.nodeCap = 3000;
        // No clock: only depth, nodes and stop end a search, so runs repeat.
        return new tanukiban::usi::Session(
            [](std::string_view line) {
                if (line.empty() || line.find_first_of("\r\n") != std::string_view::npos)
                    std::abort();
                if (line.starts_with("bestmove ")) ++answers;
            },
            {}, config);
    }();
    return *s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    tanukiban::usi::Session& usi = session();
    for (const char* line : {"setoption name Level value 6", "usinewgame", "position startpos"})
        usi.handle(line);
    answers = 0;
    std::size_t goes = 0;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view line = input.substr(start, end - start);
        const auto words = tanukiban::usi::splitWords(line);
        if (!words.empty() && words[0] == "go") ++goes;
        if (!usi.handle(line)) break;
        start = end + 1;
    }
    usi.finish();
    if (answers > goes) std::abort();
    return 0;
}
