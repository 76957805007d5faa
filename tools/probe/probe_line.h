#pragma once
// One line of the probe: a position as JSON in, the survey, both mate tests
// and the computer's choice as JSON out. Never throws; bad input gets an
// {"error": ...} object.
#include <string>

namespace tanukiban {

std::string probeLine(const std::string& line);

}  // namespace tanukiban
