// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/TimeSpan.h"

#include "foundation/ApplicationException.h"

namespace {
// The largest whole number of seconds whose ticks fit in 64 bits.
constexpr int64_t kMaxSeconds = 922'337'203'685;
}   // namespace

TimeSpan TimeSpan::FromHoursMinutes(int32_t hours, int32_t minutes) { return TimeSpan(TimeToTicks(hours, minutes)); }

int64_t TimeSpan::TimeToTicks(int32_t hours, int32_t minutes) {
    const int64_t seconds = int64_t{hours} * 3600 + int64_t{minutes} * 60;
    if (seconds > kMaxSeconds || seconds < -kMaxSeconds)
        throw ArgumentOutOfRangeException("TimeSpan::TimeToTicks (159)");
    return seconds * kTicksPerSecond;
}

TimeSpan TimeSpan::Add(const TimeSpan& other) const {
    const uint64_t sum = static_cast<uint64_t>(Ticks) + static_cast<uint64_t>(other.Ticks);
    const int64_t result = static_cast<int64_t>(sum);
    if ((Ticks < 0) == (other.Ticks < 0) && (result < 0) != (Ticks < 0))
        throw OverflowException("TimeSpan::Add (150)");
    return TimeSpan(result);
}
