// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "geometry/Random.h"

TEST(Random, RepeatsTheClassicSequenceFromSeedOne) {
    Random::Reset();
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int32_t value : expected)
        EXPECT_EQ(Random::Next(), value);
    Random::Reset();
    EXPECT_EQ(Random::Next(), 41);
}
