// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's one source of randomness: the classic rand() generator, so cuts and scatters repeat.

#include <cstdint>

class Random {
public:
    static constexpr int32_t kRange = 32768;   // values run from 0 to kRange - 1

    // The next value of the process-wide sequence, 0 to 32767.
    static int32_t Next();

    // Restarts the sequence. The game never reseeds (it starts from seed 1 in every run);
    // tests call this to get a known sequence.
    static void Reset(uint32_t seed = 1);

private:
    static uint32_t state;
};
