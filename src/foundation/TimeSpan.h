// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A duration in 100-nanosecond ticks, as the play clock accumulates it.

#include <cstdint>

class TimeSpan {
public:
    static constexpr int64_t kTicksPerSecond = 10'000'000;
    static constexpr int64_t kTicksPerMinute = 60 * kTicksPerSecond;
    static constexpr int64_t kTicksPerHour = 60 * kTicksPerMinute;

    TimeSpan() = default;
    explicit TimeSpan(int64_t ticks) : Ticks(ticks) {}

    // Raises ArgumentOutOfRangeException "TimeSpan::TimeToTicks (159)" when the whole seconds
    // do not fit the tick range.
    static TimeSpan FromHoursMinutes(int32_t hours, int32_t minutes);
    static int64_t TimeToTicks(int32_t hours, int32_t minutes);

    // This plus other; raises OverflowException "TimeSpan::Add (150)" on signed overflow.
    TimeSpan Add(const TimeSpan& other) const;

    int64_t Ticks = 0;
};
