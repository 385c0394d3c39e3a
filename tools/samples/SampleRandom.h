// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scenes' only source of randomness: a fixed-seed Mersenne Twister, so every build draws
// exactly the same pictures.

#include <cstdint>
#include <random>

class SampleRandom {
public:
    explicit SampleRandom(uint32_t seed) : engine(seed) {}

    // Uniform in [low, high).
    double Uniform(double low, double high) {
        return low + (high - low) * (static_cast<double>(engine()) / 4294967296.0);
    }

    // Uniform in [low, high], both ends included.
    int32_t Int(int32_t low, int32_t high) {
        return low + static_cast<int32_t>(engine() % static_cast<uint32_t>(high - low + 1));
    }

    bool Chance(double probability) { return Uniform(0, 1) < probability; }

    // Roughly normal around 0 (sum of three uniforms), cheap and bounded by +-spread.
    double Jitter(double spread) { return (Uniform(-1, 1) + Uniform(-1, 1) + Uniform(-1, 1)) * spread / 3; }

private:
    std::mt19937 engine;
};
