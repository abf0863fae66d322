#pragma once
// The program's random numbers: one seedable generator, so that a run can be repeated.

#include <cstdint>
#include <random>

class TRandom {
public:
    void Seed(uint64_t seed) { FEngine.seed(seed); }
    // Uniform in [0, 1).
    double Uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(FEngine); }
    // Uniform in [low, high], every value equally likely; `low` when the range is empty.
    int32_t Integer(int32_t low, int32_t high)
    {
        if (high <= low) return low;
        return std::uniform_int_distribution<int32_t>(low, high)(FEngine);
    }

private:
    std::mt19937_64 FEngine;
};
