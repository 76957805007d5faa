#include "tools/wavegen/music.h"

#include <algorithm>
#include <cmath>

#include "tools/wavegen/synth.h"

namespace tanukiban::wavegen {

namespace {

constexpr long kBeat = 19845;  // 0.9 s
constexpr int kBars = 8;
constexpr int kBeatsPerBar = 4;

struct Note {
    double beat;    // from the start of the loop
    double length;  // in beats
    int pitch;      // MIDI note number
};

// E4 64, F4 65, A4 69, B4 71, C5 72, E5 76, F5 77.
const std::vector<Note> kMelody = {
    {0, 1, 76},  {1, 1, 72},    {2, 2, 71},                                 // bar 1
    {4, 1, 69},  {5, 0.5, 71},  {5.5, 0.5, 72},  {6, 2, 71},                // bar 2
    {8, 1, 69},  {9, 1, 65},    {10, 2, 64},                                // bar 3
    {12, 1, 65}, {13, 1, 69},   {14, 2, 71},                                // bar 4
    {16, 1, 72}, {17, 1, 76},   {18, 1, 77},     {19, 1, 76},               // bar 5
    {20, 1, 72}, {21, 0.5, 71}, {21.5, 0.5, 69}, {22, 2, 71},               // bar 6
    {24, 1, 69}, {25, 0.5, 65}, {25.5, 0.5, 64}, {26, 1, 65}, {27, 1, 69},  // bar 7
    {28, 3, 64},                                                            // bar 8
};

// Root of each bar's low notes; the fifth above it follows on beat 3.
const int kBassRoots[kBars] = {40, 45, 41, 40, 45, 41, 45, 40};

const std::vector<Partial> kKoto = {
    {1.0, 1.0, 1.4},    {2.001, 0.55, 0.9}, {3.003, 0.35, 0.6}, {4.006, 0.22, 0.45},
    {5.01, 0.12, 0.35}, {6.015, 0.07, 0.3}, {7.02, 0.04, 0.25},
};

const std::vector<Partial> kLowString = {
    {1.0, 1.0, 1.8},
    {2.0, 0.35, 1.0},
    {3.0, 0.12, 0.6},
};

long at(double beat) {
    return std::lround(beat * kBeat);
}

}  // namespace

std::vector<double> backgroundMusic() {
    const long length = kBeat * kBeatsPerBar * kBars;
    // Everything is written round the loop, so tails that ring past the end
    // sound again at the start and the seam cannot be heard.
    Track dry{std::vector<double>(static_cast<std::size_t>(length)), kMusicRate, true};
    for (const Note& n : kMelody) {
        const double ring = std::min(3.5, n.length * 0.9 + 1.5);
        addStruck(dry, at(n.beat), midiToHz(n.pitch), 0.5, kKoto, ring, 0.002);
    }
    for (int bar = 0; bar < kBars; ++bar) {
        const double b = bar * kBeatsPerBar;
        const int root = kBassRoots[bar];
        addStruck(dry, at(b), midiToHz(root), 0.32, kLowString, 3.2, 0.004);
        addStruck(dry, at(b + 2), midiToHz(root + 7), 0.22, kLowString, 3.0, 0.004);
        // The pad overlaps into the next bar so that it never drops out.
        addPad(dry, at(b), midiToHz(root + 12), 0.05, kBeatsPerBar * 0.9 + 1.6, 1.2);
        addPad(dry, at(b), midiToHz(root + 19), 0.035, kBeatsPerBar * 0.9 + 1.6, 1.2);
    }
    // Two soft echoes, also round the loop.
    Track wet = dry;
    const struct { double seconds, gain; } echoes[] = {{0.63, 0.28}, {1.27, 0.14}};
    for (const auto& e : echoes) {
        const long delay = std::lround(e.seconds * kMusicRate);
        for (long i = 0; i < length; ++i) {
            wet.add(i + delay, e.gain * dry.samples[static_cast<std::size_t>(i)]);
        }
    }
    normalize(wet.samples, 0.7);
    return wet.samples;
}

}  // namespace tanukiban::wavegen
