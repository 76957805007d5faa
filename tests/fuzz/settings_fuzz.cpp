// The settings reader on arbitrary bytes: it must never crash, and what it
// returns must be lines it could have split.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/cp932.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = tanukiban::parseSettings(bytes);
    if (!lines) return 0;
    for (const tanukiban::SettingLine& line : *lines) {
        if (line.key.find_first_of("=\r\n") != std::string::npos) std::abort();
        if (line.value.find_first_of("\r\n") != std::string::npos) std::abort();
    }
    // Lines written back read the same, unless they hold what code page 932
    // cannot express (bytes that were not 932 to begin with).
    std::string text;
    for (const auto& line : *lines) text += line.key + "=" + line.value + "\r\n";
    const auto again = tanukiban::encodeCp932Exact(text);
    if (again && again->size() <= 64 * 1024) {  // the reader's size limit
        const auto reread = tanukiban::parseSettings(*again);
        if (!reread || *reread != *lines) std::abort();
    }
    return 0;
}
