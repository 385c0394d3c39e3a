// SPDX-License-Identifier: GPL-3.0-or-later
// Window timers on the headless clock: the period, the window, late and killed timers.

#include "PlatformTestSupport.h"
#include "platform/Headless.h"

namespace {

class TimerTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(withTimer.Create(nullptr, Rect(0, 0, 100, 100), "timer", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(other.Create(nullptr, Rect(0, 0, 100, 100), "other", WS_OVERLAPPEDWINDOW));
    }

    size_t Ticks(const RecordingWindow& window) const { return window.Of(WM_TIMER).size(); }

    RecordingWindow withTimer;
    RecordingWindow other;
};

TEST_F(TimerTest, FiresEachPeriodOnlyForItsWindow) {
    ASSERT_EQ(SetTimer(withTimer, 1, 1000), 1u);

    Headless::AdvanceClock(999);
    Pump();
    EXPECT_EQ(Ticks(withTimer), 0u);

    Headless::AdvanceClock(1);
    Pump();
    ASSERT_EQ(Ticks(withTimer), 1u);
    EXPECT_EQ(withTimer.Of(WM_TIMER)[0].wParam, 1u);

    Headless::AdvanceClock(1000);
    Pump();
    EXPECT_EQ(Ticks(withTimer), 2u);
    EXPECT_EQ(Ticks(other), 0u);
}

TEST_F(TimerTest, WaitingForAMessageWaitsForTheNextDueTimer) {
    SetTimer(withTimer, 1, 1000);
    const uint32_t start = GetTickCount();
    MSG msg;
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(msg.hwnd, withTimer.Handle());
    EXPECT_EQ(GetTickCount() - start, 1000u);
    ASSERT_TRUE(GetMessage(msg));
    EXPECT_EQ(GetTickCount() - start, 2000u);
}

TEST_F(TimerTest, ALateTimerFiresOnceAndKeepsItsPeriod) {
    SetTimer(withTimer, 1, 1000);
    Headless::AdvanceClock(3500);
    Pump();
    EXPECT_EQ(Ticks(withTimer), 1u);
    Headless::AdvanceClock(999);
    Pump();
    EXPECT_EQ(Ticks(withTimer), 1u);
    Headless::AdvanceClock(1);
    Pump();
    EXPECT_EQ(Ticks(withTimer), 2u);
}

TEST_F(TimerTest, KilledOrDestroyedTimersStop) {
    SetTimer(withTimer, 1, 1000);
    SetTimer(other, 1, 1000);
    EXPECT_TRUE(KillTimer(withTimer, 1));
    EXPECT_FALSE(KillTimer(withTimer, 1));
    other.DestroyWindow();
    Headless::AdvanceClock(5000);
    Pump();
    EXPECT_EQ(Ticks(withTimer), 0u);
    EXPECT_EQ(Ticks(other), 0u);
}

}   // namespace
