// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundation/DateTime.h"

#include <ctime>

namespace {
// Ticks from 1 January of the year 1 to 1 January 1970, both UTC.
constexpr uint64_t kTicksToUnixEpoch = 621'355'968'000'000'000;
}   // namespace

DateTime DateTime::UtcNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const uint64_t ticks = kTicksToUnixEpoch + static_cast<uint64_t>(now.tv_sec) * TimeSpan::kTicksPerSecond +
                           static_cast<uint64_t>(now.tv_nsec) / 100;
    return DateTime((ticks & kTicksMask) | kKindUtc);
}

TimeSpan DateTime::Subtract(const DateTime& earlier) const { return TimeSpan(Ticks() - earlier.Ticks()); }
