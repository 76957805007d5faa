#pragma once
// Text at the file boundary: code page 932 bytes in the record and settings
// files, UTF-8 everywhere inside the program.
#include <optional>
#include <string>
#include <string_view>

namespace tanukiban {

// Decodes code page 932 bytes; nullopt when any byte sequence is not valid.
std::optional<std::string> decodeCp932(std::string_view bytes);

// Never fails: a byte sequence that is not code page 932 becomes U+FFFD.
std::string decodeCp932Lenient(std::string_view bytes);

// Encodes UTF-8 text. A character the code page lacks (or a malformed byte)
// becomes '?', as the platform's own conversion does; nullopt only when the
// converter itself is unavailable.
std::optional<std::string> encodeCp932(std::string_view utf8);

// Encodes UTF-8 text; nullopt when any character cannot be expressed.
std::optional<std::string> encodeCp932Exact(std::string_view utf8);

}  // namespace tanukiban
