# Writes a C++ source holding the given wave files as string literals.
#   cmake -DOUTPUT=file.cpp -DFILES="a.wav;b.wav" -P embed_waves.cmake
set(literals "")
set(entries "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME)
  file(READ "${path}" hex HEX)
  # Every byte as an escape, so no escape can swallow the next character.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(APPEND literals "const char kWave${index}[] = \"${escaped}\";\n")
  string(APPEND entries "    {\"${name}\", kWave${index}, sizeof kWave${index} - 1},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from assets/*.wav by sound/embed_waves.cmake; do not edit.
#include <cstddef>

#include \"sound/embedded_waves.h\"

namespace tanukiban {

namespace {

${literals}
struct Entry {
    std::string_view name;
    const char* bytes;
    std::size_t size;
};

constexpr Entry kEntries[] = {
${entries}};

}  // namespace

std::span<const unsigned char> embeddedWave(std::string_view fileName) {
    for (const Entry& e : kEntries) {
        if (e.name == fileName) {
            return {reinterpret_cast<const unsigned char*>(e.bytes), e.size};
        }
    }
    return {};
}

}  // namespace tanukiban
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
