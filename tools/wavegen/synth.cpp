#include "tools/wavegen/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tanukiban::wavegen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// 0 → 1 along half a cosine.
double smoothStep(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

}  // namespace

double Noise::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
}

double midiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void Track::add(long index, double value) {
    const long n = static_cast<long>(samples.size());
    if (circular) {
        index %= n;
        if (index < 0) index += n;
    } else if (index < 0 || index >= n) {
        return;
    }
    samples[static_cast<std::size_t>(index)] += value;
}

void addStruck(Track& track, long start, double frequency, double amplitude,
               const std::vector<Partial>& partials, double seconds, double attack) {
    const double sr = track.sampleRate;
    const long length = std::lround(seconds * sr);
    const double fade = std::min(0.25, seconds / 3.0);
    for (const Partial& p : partials) {
        const double f = frequency * p.ratio;
        if (f > 0.45 * sr) continue;
        for (long i = 0; i < length; ++i) {
            const double t = i / sr;
            double env = p.amplitude * std::exp(-t / p.decay);
            if (attack > 0) env *= smoothStep(t / attack);
            env *= 1.0 - smoothStep((t - (seconds - fade)) / fade);
            track.add(start + i, amplitude * env * std::sin(kTwoPi * f * t));
        }
    }
}

void addPad(Track& track, long start, double frequency, double amplitude, double seconds,
            double swell) {
    const double sr = track.sampleRate;
    const long length = std::lround(seconds * sr);
    for (long i = 0; i < length; ++i) {
        const double t = i / sr;
        const double env =
            smoothStep(t / swell) * (1.0 - smoothStep((t - (seconds - swell)) / swell));
        const double v =
            std::sin(kTwoPi * frequency * t) + 0.2 * std::sin(kTwoPi * 2 * frequency * t);
        track.add(start + i, amplitude * env * v);
    }
}

void normalize(std::vector<double>& samples, double peak) {
    double largest = 0;
    for (double s : samples) largest = std::max(largest, std::abs(s));
    if (largest == 0) return;
    for (double& s : samples) s *= peak / largest;
}

void fadeOut(std::vector<double>& samples, int sampleRate, double seconds) {
    const long n = static_cast<long>(samples.size());
    const long len = std::min(n, std::lround(seconds * sampleRate));
    for (long i = 0; i < len; ++i) {
        samples[static_cast<std::size_t>(n - len + i)] *=
            0.5 + 0.5 * std::cos(std::numbers::pi * (i + 1) / static_cast<double>(len));
    }
}

}  // namespace tanukiban::wavegen
