#pragma once
// Splitting a line of text into words, for the readers of this folder.
#include <string>
#include <string_view>
#include <vector>

namespace tanukiban::usi {

// The words of the text, split at blanks, tabs, line breaks and the
// full-width space that text pasted from Japanese pages often carries.
std::vector<std::string_view> splitWords(std::string_view text);

// What came from outside, fit to be echoed on one line: every byte that is
// not printable ASCII becomes '?', and text beyond limit becomes "...".
std::string printable(std::string_view text, std::size_t limit = 200);

}  // namespace tanukiban::usi
