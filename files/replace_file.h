#pragma once
// Replacing a file's contents so that a failure never leaves it half written
// and never destroys the old file.
#include <filesystem>
#include <string_view>

namespace tanukiban {

// Writes the bytes to a new file in the same folder, flushes it and renames
// it over `path`, keeping the permissions of a file being replaced. On
// failure `path` is left as it was and the result is false.
bool replaceFileContents(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tanukiban
