// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded resources: the fit sound is the WAVE the player hears, the icon a PNG image.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "embedded/EmbeddedResource.h"

namespace {

uint32_t Le(std::span<const uint8_t> bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

TEST(EmbeddedResource, FitSoundIsACompleteWaveOf44100Hz16BitStereoWith29400DataBytes) {
    const std::span<const uint8_t> wave = FindEmbeddedResource("A_FIT");
    ASSERT_EQ(wave.size(), 44u + 29400u);
    EXPECT_EQ(std::memcmp(wave.data(), "RIFF", 4), 0);
    EXPECT_EQ(Le(wave, 4, 4), wave.size() - 8);
    EXPECT_EQ(std::memcmp(wave.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le(wave, 20, 2), 1u);        // PCM
    EXPECT_EQ(Le(wave, 22, 2), 2u);        // channels
    EXPECT_EQ(Le(wave, 24, 4), 44100u);    // samples per second
    EXPECT_EQ(Le(wave, 28, 4), 176400u);   // bytes per second
    EXPECT_EQ(Le(wave, 32, 2), 4u);        // block
    EXPECT_EQ(Le(wave, 34, 2), 16u);       // bits
    EXPECT_EQ(std::memcmp(wave.data() + 36, "data", 4), 0);
    EXPECT_EQ(Le(wave, 40, 4), 29400u);

    // A click: loud within its first 20 ms, near silence in its last quarter, ending on zero.
    auto peak = [&](size_t fromFrame, size_t toFrame) {
        int most = 0;
        for (size_t frame = fromFrame; frame < toFrame; ++frame)
            most = std::max(most, std::abs(static_cast<int16_t>(Le(wave, 44 + frame * 4, 2))));
        return most;
    };
    constexpr size_t kFrames = 29400 / 4;
    EXPECT_GT(peak(0, 882), 16000);
    EXPECT_LT(peak(kFrames * 3 / 4, kFrames), 300);
    EXPECT_EQ(Le(wave, wave.size() - 4, 4), 0u);
}

TEST(EmbeddedResource, IconIsAPngAndUnknownNamesAreEmpty) {
    const std::span<const uint8_t> icon = FindEmbeddedResource("ICON_128");
    ASSERT_GT(icon.size(), 8u);
    EXPECT_EQ(std::memcmp(icon.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_TRUE(FindEmbeddedResource("A_FIT ").empty());
    EXPECT_TRUE(FindEmbeddedResource("").empty());
}

}   // namespace
