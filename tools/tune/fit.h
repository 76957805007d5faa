#pragma once
// A logistic fit of the weights to game results: the probability that the
// lower side wins is taken as σ(k · evaluation), and the squared error
// between that and the results is made small.
#include "tools/tune/sample.h"

namespace tanukiban::tune {

struct FitSettings {
    int epochs = 400;
    double rate = 2.0;             // Adam step, in centipawns
    double regularisation = 1e-6;  // pull towards the starting weights
};

// The k that best fits the samples with the given weights.
double fitScale(const std::vector<Sample>& samples, const engine::Weights& w);

double meanError(const std::vector<Sample>& samples, const engine::Weights& w, double k);

engine::Weights fitWeights(const std::vector<Sample>& samples, const engine::Weights& start,
                           double k, const FitSettings& settings);

}  // namespace tanukiban::tune
