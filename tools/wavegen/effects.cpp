#include "tools/wavegen/effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/wavegen/synth.h"

namespace tanukiban::wavegen {

std::vector<double> woodenClick() {
    Track t{std::vector<double>(static_cast<std::size_t>(0.11 * kEffectRate)), kEffectRate, false};
    // The body of the board rings in a few short, inharmonic modes...
    addStruck(t, 0, 620.0, 0.35, {{1.0, 1.0, 0.022}}, 0.11, 0.0004);
    addStruck(t, 0, 1180.0, 0.6, {{1.0, 1.0, 0.016}}, 0.11, 0.0003);
    addStruck(t, 0, 2390.0, 0.35, {{1.0, 1.0, 0.009}}, 0.11, 0.0002);
    addStruck(t, 0, 3870.0, 0.2, {{1.0, 1.0, 0.005}}, 0.11, 0.0002);
    // ...over the band-limited tick of the impact itself.
    Noise noise(0x6b6f6d61u);
    double low = 0, lower = 0;
    for (std::size_t i = 0; i < t.samples.size(); ++i) {
        const double time = static_cast<double>(i) / kEffectRate;
        low += 0.45 * (noise.next() - low);
        lower += 0.08 * (low - lower);
        t.samples[i] += 0.9 * (low - lower) * std::exp(-time / 0.003);
    }
    normalize(t.samples, 0.85);
    fadeOut(t.samples, kEffectRate, 0.01);
    return t.samples;
}

std::vector<double> lowBuzz() {
    const double seconds = 0.32;
    const double f = 98.0;  // G2
    std::vector<double> out(static_cast<std::size_t>(seconds * kEffectRate));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double time = static_cast<double>(i) / kEffectRate;
        double v = 0;
        // A sawtooth kept below 2 kHz, slightly detuned against itself for roughness.
        for (int n = 1; f * n < 2000.0; ++n) {
            v += std::sin(2 * std::numbers::pi * f * n * time) / n;
            v += 0.5 * std::sin(2 * std::numbers::pi * f * 1.03 * n * time) / n;
        }
        const double attack = std::min(1.0, time / 0.008);
        out[i] = v * attack * (0.8 + 0.2 * std::sin(2 * std::numbers::pi * 28.0 * time));
    }
    normalize(out, 0.7);
    fadeOut(out, kEffectRate, 0.05);
    return out;
}

std::vector<double> softChime() {
    const double seconds = 1.3;
    Track t{std::vector<double>(static_cast<std::size_t>(seconds * kEffectRate)), kEffectRate,
            false};
    const std::vector<Partial> bell = {
        {1.0, 1.0, 0.45}, {2.0, 0.3, 0.25}, {2.76, 0.18, 0.16}, {5.4, 0.06, 0.07}};
    addStruck(t, 0, midiToHz(88), 0.8, bell, seconds, 0.004);  // E6
    addStruck(t, static_cast<long>(0.14 * kEffectRate), midiToHz(83), 1.0, bell, seconds - 0.14,
              0.004);  // B5
    normalize(t.samples, 0.6);
    fadeOut(t.samples, kEffectRate, 0.05);
    return t.samples;
}

}  // namespace tanukiban::wavegen
