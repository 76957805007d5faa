#pragma once
// Where the wave image of one of the program's sounds comes from: a file of
// that name beside the program, which the player may have put there, or the
// copy built into the program.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tanukiban {

struct WaveImage {
    std::vector<unsigned char> file;         // the player's file, when it is there and fit
    std::span<const unsigned char> builtIn;  // the built-in copy, when there is no file
    std::string problem;  // what is wrong with the player's file; empty when nothing

    // The image to hand the library; empty when there is none.
    std::span<const unsigned char> bytes() const {
        return problem.empty() && !file.empty() ? std::span<const unsigned char>(file) : builtIn;
    }
};

// The wave image for the sound of that bare name ("駒打音.wav" …). A file of
// that name in the current directory wins over the built-in copy; a file that
// cannot be used is no sound, with the problem in words for a warning box.
// The header's length is made to tell the truth, since the library trusts it.
WaveImage findWave(std::string_view fileName);

// The file name as the warning boxes quote it.
std::string quotedWaveName(std::string_view fileName);

}  // namespace tanukiban
