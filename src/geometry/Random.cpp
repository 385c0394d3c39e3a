// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/Random.h"

uint32_t Random::state = 1;

int32_t Random::Next() {
    // Multiplier 214013, increment 2531011, result bits 16 to 30; uint32_t wraps as required.
    state = state * 214013u + 2531011u;
    return static_cast<int32_t>((state >> 16) & 0x7FFFu);
}

void Random::Reset(uint32_t seed) { state = seed; }
