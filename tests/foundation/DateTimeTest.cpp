// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "foundation/ApplicationException.h"
#include "foundation/DateTime.h"
#include "foundation/TimeSpan.h"

TEST(TimeSpan, TimeToTicksAcceptsExactlyTheSecondsThatFit) {
    EXPECT_EQ(TimeSpan::FromHoursMinutes(0, 0).Ticks, 0);
    EXPECT_EQ(TimeSpan::FromHoursMinutes(1, 30).Ticks, 54'000'000'000);
    // 922,337,203,680 seconds fit; 922,337,204,400 do not.
    EXPECT_EQ(TimeSpan::TimeToTicks(256204778, 48), 9'223'372'036'800'000'000);
    EXPECT_EQ(TimeSpan::TimeToTicks(-256204778, -48), -9'223'372'036'800'000'000);
    struct Case {
        int32_t hours, minutes;
    };
    for (const Case c :
         {Case{256204779, 0}, Case{-256204779, 0}, Case{INT32_MAX, INT32_MAX}, Case{INT32_MIN, INT32_MIN}}) {
        try {
            TimeSpan::TimeToTicks(c.hours, c.minutes);
            ADD_FAILURE() << c.hours << ":" << c.minutes << " did not raise";
        } catch (const ArgumentOutOfRangeException& e) {
            EXPECT_EQ(e.LocationText(), "TimeSpan::TimeToTicks (159)");
        }
    }
}

TEST(TimeSpan, AddRaisesOnlyOnSignedOverflow) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    struct Case {
        int64_t a, b;
        bool overflows;
        int64_t sum;
    };
    const Case cases[] = {
        {kMax, 1, true, 0},          {kMin, -1, true, 0},        {kMin, kMin, true, 0},
        {kMax, kMin, false, -1},   // mixed signs never overflow
        {kMax, -5, false, kMax - 5}, {kMax - 1, 1, false, kMax}, {600'000'000, 10'000'000, false, 610'000'000},
    };
    for (const Case& c : cases) {
        try {
            const TimeSpan sum = TimeSpan(c.a).Add(TimeSpan(c.b));
            EXPECT_FALSE(c.overflows) << c.a << " + " << c.b;
            EXPECT_EQ(sum.Ticks, c.sum);
        } catch (const OverflowException& e) {
            EXPECT_TRUE(c.overflows) << c.a << " + " << c.b;
            EXPECT_EQ(e.LocationText(), "TimeSpan::Add (150)");
        }
    }
}

TEST(DateTime, UtcNowIsKindUtcAndCountsFromYearOne) {
    const DateTime now = DateTime::UtcNow();
    EXPECT_EQ(now.Word() >> 62, 1u);
    // 1 January 2024 and 1 January 2200, in ticks since the year 1.
    EXPECT_GT(now.Ticks(), 638'396'640'000'000'000);
    EXPECT_LT(now.Ticks(), 693'937'152'000'000'000);
}

TEST(DateTime, SubtractIgnoresKindAndMayBeNegative) {
    const DateTime earlier(DateTime::kKindUtc | 1'000);
    const DateTime later(DateTime::kKindUtc | 10'001'000);
    EXPECT_EQ(later.Subtract(earlier).Ticks, 10'000'000);
    EXPECT_EQ(earlier.Subtract(later).Ticks, -10'000'000);
    EXPECT_EQ(later.Subtract(DateTime(1'000)).Ticks, 10'000'000);
    const DateTime first = DateTime::UtcNow();
    EXPECT_GE(DateTime::UtcNow().Subtract(first).Ticks, 0);
}
