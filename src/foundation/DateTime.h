// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A moment: ticks of 100 ns since 1 January of the year 1 (UTC) in the low 62 bits, the kind
// in the top two.

#include <cstdint>

#include "foundation/TimeSpan.h"

class DateTime {
public:
    static constexpr uint64_t kTicksMask = (uint64_t{1} << 62) - 1;
    static constexpr uint64_t kKindUtc = uint64_t{1} << 62;

    DateTime() = default;
    explicit DateTime(uint64_t word) : word(word) {}

    // The current system time, kind UTC.
    static DateTime UtcNow();

    // This moment minus an earlier one; negative when earlier lies after this one.
    TimeSpan Subtract(const DateTime& earlier) const;

    int64_t Ticks() const { return static_cast<int64_t>(word & kTicksMask); }
    uint64_t Word() const { return word; }

private:
    uint64_t word = 0;
};
