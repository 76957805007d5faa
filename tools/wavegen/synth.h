#pragma once
// Small deterministic building blocks for the generated sounds.

#include <cstdint>
#include <vector>

namespace tanukiban::wavegen {

// Fixed-seed noise, so that every run writes identical files.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next();  // in [-1, 1)

  private:
    std::uint32_t state_;
};

double midiToHz(double note);

// A sample buffer; when `circular`, writes past either end wrap round, so a
// sound that rings over the end continues at the start.
struct Track {
    std::vector<double> samples;
    int sampleRate;
    bool circular;

    void add(long index, double value);
};

// Sum of decaying partials: frequency ratio, relative amplitude and decay time
// constant in seconds of each.
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

// Adds a struck or plucked tone starting at `start` that rings for `seconds`
// (ending with a smooth fade) and rises over `attack` seconds.
void addStruck(Track& track, long start, double frequency, double amplitude,
               const std::vector<Partial>& partials, double seconds, double attack);

// A softly swelling and fading sustained tone (sine plus a little octave).
void addPad(Track& track, long start, double frequency, double amplitude, double seconds,
            double swell);

// Scales so that the largest magnitude is `peak`.
void normalize(std::vector<double>& samples, double peak);

// Raised-cosine fade to silence over the last `seconds`.
void fadeOut(std::vector<double>& samples, int sampleRate, double seconds);

}  // namespace tanukiban::wavegen
