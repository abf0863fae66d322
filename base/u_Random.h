#pragma once
// The program's random numbers: one seedable generator, so that a run can be repeated.

#include <cstdint>
#include <random>

class TRandom {
public:
    void Seed(uint64_t seed) { FEngine.seed(seed); }
    // Uniform in [0, 1).
    double Uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(FEngine); }

private:
    std::mt19937_64 FEngine;
};
