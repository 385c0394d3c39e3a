// SPDX-License-Identifier: GPL-3.0-or-later
// The application's activation from focus events: a loss counts only after 100 ms without a
// window of ours taking the focus back.

#include <gtest/gtest.h>

#include <vector>

#include "platform/core/AppActivation.h"

namespace {

class AppActivationTest : public ::testing::Test {
protected:
    uint32_t now = 0;
    AppActivation activation{[this] { return now; }};
};

TEST_F(AppActivationTest, FocusEventsActivateAtOnceAndDeactivateAfterTheGracePeriod) {
    enum class Event { Gained, Lost, Check };
    struct Step {
        uint32_t at;
        Event event;
        bool reported;   // Gained: it activates; Check: the application is now inactive
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"only the first focus activates", {{0, Event::Gained, true}, {5, Event::Gained, false}}},
        {"focus moving between our windows keeps it active",
         {{0, Event::Gained, true}, {10, Event::Lost, false}, {60, Event::Gained, false}, {500, Event::Check, false}}},
        {"no focus for 100 ms deactivates, once",
         {{0, Event::Gained, true},
          {10, Event::Lost, false},
          {109, Event::Check, false},
          {110, Event::Check, true},
          {111, Event::Check, false},
          {200, Event::Gained, true}}},
        {"a second loss starts the grace period again",
         {{0, Event::Gained, true},
          {10, Event::Lost, false},
          {50, Event::Lost, false},
          {110, Event::Check, false},
          {150, Event::Check, true}}},
        {"a loss before any focus deactivates nothing",
         {{0, Event::Lost, false}, {100, Event::Check, false}, {101, Event::Gained, true}}},
        {"the grace period runs across the clock's wrap-around",
         {{0xFFFFFFF0u, Event::Gained, true},
          {0xFFFFFFF0u, Event::Lost, false},
          {0x53, Event::Check, false},
          {0x54, Event::Check, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        activation = AppActivation([this] { return now; });
        for (const Step& s : c.steps) {
            now = s.at;
            switch (s.event) {
            case Event::Gained:
                EXPECT_EQ(activation.FocusGained(), s.reported) << "gained at " << s.at;
                break;
            case Event::Lost:
                activation.FocusLost();
                break;
            case Event::Check:
                EXPECT_EQ(activation.TakeDeactivation(), s.reported) << "checked at " << s.at;
                break;
            }
        }
    }
}

TEST_F(AppActivationTest, AWaitForEventsEndsWhenTheGracePeriodDoes) {
    struct Case {
        uint32_t at;
        int timeoutMs;
        int expected;
    };
    // Without a pending loss the wait is what was asked for.
    for (const Case& c : {Case{0, -1, -1}, Case{0, 30, 30}, Case{0, 0, 0}}) {
        now = c.at;
        EXPECT_EQ(activation.WaitLimit(c.timeoutMs), c.expected) << "timeout " << c.timeoutMs;
    }
    activation.FocusGained();
    now = 10;
    activation.FocusLost();   // decided at 110
    const Case pending[] = {
        {30, -1, 80}, {30, 50, 50}, {30, 200, 80}, {30, 0, 0}, {200, -1, 0}, {200, 50, 0},   // overdue: no wait at all
    };
    for (const Case& c : pending) {
        now = c.at;
        EXPECT_EQ(activation.WaitLimit(c.timeoutMs), c.expected) << "at " << c.at << ", timeout " << c.timeoutMs;
    }
}

}   // namespace
