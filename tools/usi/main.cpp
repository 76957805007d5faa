// tanukiban-usi: the engine for other programs, speaking USI on standard
// input and output.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "usi/session.h"

int main() {
    std::ios::sync_with_stdio(false);
    tanukiban::usi::Session session(
        [](std::string_view line) {
            std::fwrite(line.data(), 1, line.size(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        },
        [] { return std::chrono::steady_clock::now(); });
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!session.handle(line)) return 0;
    }
    session.finish();
    return 0;
}
