// The probe on arbitrary input lines: it must never crash or throw, and it
// must always answer with one JSON object on one line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "tools/probe/probe_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::string answer = tanukiban::probeLine(line);
    if (answer.find('\n') != std::string::npos) std::abort();
    const auto parsed = nlohmann::json::parse(answer, nullptr, /*allow_exceptions=*/false);
    if (!parsed.is_object()) std::abort();
    return 0;
}
