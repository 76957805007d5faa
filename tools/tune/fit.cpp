#include "tools/tune/fit.h"

#include <cmath>

namespace tanukiban::tune {

namespace {

double evalOf(const Sample& s, const double* w) {
    double e = 0;
    for (const auto& [t, amount] : s.terms) e += w[t] * amount;
    return e;
}

double sigmoid(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

}  // namespace

double meanError(const std::vector<Sample>& samples, const engine::Weights& w, double k) {
    double wd[engine::term::Count];
    for (int i = 0; i < engine::term::Count; ++i) wd[i] = w[static_cast<std::size_t>(i)];
    double sum = 0;
    for (const Sample& s : samples) {
        const double d = s.result - sigmoid(k * evalOf(s, wd));
        sum += d * d;
    }
    return samples.empty() ? 0 : sum / static_cast<double>(samples.size());
}

double fitScale(const std::vector<Sample>& samples, const engine::Weights& w) {
    double best = 0.005, bestError = 1e9;
    for (double k = 0.0005; k < 0.03; k *= 1.05) {
        const double e = meanError(samples, w, k);
        if (e < bestError) bestError = e, best = k;
    }
    return best;
}

engine::Weights fitWeights(const std::vector<Sample>& samples, const engine::Weights& start,
                           double k, const FitSettings& settings) {
    constexpr int n = engine::term::Count;
    double w[n], m[n] = {}, v[n] = {}, grad[n];
    for (int i = 0; i < n; ++i) w[i] = start[static_cast<std::size_t>(i)];
    const double b1 = 0.9, b2 = 0.999;
    const double count = static_cast<double>(samples.size());
    for (int epoch = 1; epoch <= settings.epochs; ++epoch) {
        for (double& g : grad) g = 0;
        for (const Sample& s : samples) {
            const double p = sigmoid(k * evalOf(s, w));
            // d/dw of (r − p)² is −2 (r − p) p (1 − p) k x.
            const double common = -2.0 * (s.result - p) * p * (1 - p) * k / count;
            for (const auto& [t, amount] : s.terms) grad[t] += common * amount;
        }
        for (int i = 0; i < n; ++i) {
            grad[i] += settings.regularisation * (w[i] - start[static_cast<std::size_t>(i)]);
            m[i] = b1 * m[i] + (1 - b1) * grad[i];
            v[i] = b2 * v[i] + (1 - b2) * grad[i] * grad[i];
            const double mh = m[i] / (1 - std::pow(b1, epoch));
            const double vh = v[i] / (1 - std::pow(b2, epoch));
            w[i] -= settings.rate * mh / (std::sqrt(vh) + 1e-12);
        }
    }
    engine::Weights out{};
    for (int i = 0; i < n; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<int>(std::lround(w[i]));
    return out;
}

}  // namespace tanukiban::tune
