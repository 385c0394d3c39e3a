// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Smooth one-dimensional fractal value noise, used for ridge lines, shores and wave crests.

#include "SampleRandom.h"

#include <cmath>
#include <vector>

class Noise {
public:
    Noise(SampleRandom& random, int32_t octaves) : octaves(octaves) {
        for (double& v : values)
            v = random.Uniform(-1, 1);
    }

    // Sum of octaves, each twice the frequency and half the amplitude of the one before;
    // the result stays within -1..1.
    double At(double x) const {
        double sum = 0, amplitude = 0.5, frequency = 1;
        for (int32_t i = 0; i < octaves; ++i) {
            sum += amplitude * Smooth(x * frequency + i * 17.31);
            amplitude /= 2;
            frequency *= 2;
        }
        return sum;
    }

private:
    double Smooth(double x) const {
        const double cell = std::floor(x);
        const double t = x - cell;
        const double s = t * t * (3 - 2 * t);
        const auto index = static_cast<int64_t>(cell);
        const double a = values[static_cast<size_t>(((index % kSize) + kSize) % kSize)];
        const double b = values[static_cast<size_t>((((index + 1) % kSize) + kSize) % kSize)];
        return a + (b - a) * s;
    }

    static constexpr int64_t kSize = 256;
    double values[kSize];
    int32_t octaves;
};
