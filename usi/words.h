#pragma once
// Splitting a line of text into words, for the readers of this folder.
#include <string_view>
#include <vector>

namespace tanukiban::usi {

// The words of the text, split at blanks, tabs, line breaks and the
// full-width space that text pasted from Japanese pages often carries.
std::vector<std::string_view> splitWords(std::string_view text);

}  // namespace tanukiban::usi
