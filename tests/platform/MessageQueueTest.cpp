// SPDX-License-Identifier: GPL-3.0-or-later
// The message queue's contract: a waiting thread takes posted messages in arrival order, then
// a posted quit, then WM_PAINT, then WM_TIMER of the most overdue timer; mouse moves to the
// same window merge while they wait at the back.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/core/MessageQueue.h"

namespace {

const HWND kFirst = reinterpret_cast<HWND>(0x1000);   // created first
const HWND kSecond = reinterpret_cast<HWND>(0x2000);

constexpr UINT kPosted = WM_USER + 1;

MSG Message(HWND window, UINT message, int x = 0) {
    MSG msg;
    msg.hwnd = window;
    msg.message = message;
    msg.lParam = MAKELPARAM(static_cast<uint32_t>(x), 0);
    return msg;
}

std::string Describe(const MSG& msg) {
    std::string text = msg.message == WM_MOUSEMOVE     ? "move"
                       : msg.message == WM_LBUTTONDOWN ? "down"
                       : msg.message == WM_QUIT        ? "quit"
                       : msg.message == WM_PAINT       ? "paint"
                       : msg.message == WM_TIMER       ? "timer"
                       : msg.message == kPosted        ? "posted"
                                                       : std::to_string(msg.message);
    if (msg.message == WM_QUIT || msg.message == WM_TIMER)
        text.append(" ").append(std::to_string(msg.wParam));
    if (msg.message == WM_QUIT)
        return text;
    text.append(msg.hwnd == kFirst ? " first" : msg.hwnd == kSecond ? " second" : " none");
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONDOWN)
        text.append(" ").append(std::to_string(GET_X_LPARAM(msg.lParam)));
    return text;
}

// A queue with a window that is invalid until a WM_PAINT for it has been taken (it validates
// itself as it paints).
class MessageQueueTest : public ::testing::Test {
protected:
    std::optional<MSG> Take(uint32_t now, bool remove = true) {
        std::optional<MSG> msg = queue.Take(remove, now, [this] { return invalid; });
        if (msg && remove && msg->message == WM_PAINT)
            invalid = nullptr;
        return msg;
    }

    // Everything that can be taken at `now`, described.
    std::vector<std::string> TakeAll(uint32_t now) {
        std::vector<std::string> taken;
        while (const std::optional<MSG> msg = Take(now))
            taken.push_back(Describe(*msg));
        return taken;
    }

    MessageQueue queue;
    HWND invalid = nullptr;
};

TEST_F(MessageQueueTest, AWaitingThreadTakesPostedThenQuitThenPaintThenTimer) {
    enum class Kind { Posted, Quit, Paint, Timer };
    struct Case {
        const char* name;
        std::vector<Kind> added;   // in this order, the last due first
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"all four",
         {Kind::Timer, Kind::Paint, Kind::Quit, Kind::Posted},
         {"posted first", "quit 7", "paint first", "timer 1 first"}},
        {"quit before a timer", {Kind::Timer, Kind::Quit}, {"quit 7", "timer 1 first"}},
        {"paint before a timer", {Kind::Timer, Kind::Paint}, {"paint first", "timer 1 first"}},
        {"posted before paint", {Kind::Paint, Kind::Posted}, {"posted first", "paint first"}},
        {"posted before quit", {Kind::Quit, Kind::Posted}, {"posted first", "quit 7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        queue = MessageQueue();
        invalid = nullptr;
        for (Kind kind : c.added) {
            switch (kind) {
            case Kind::Posted:
                queue.Post(Message(kFirst, kPosted));
                break;
            case Kind::Quit:
                queue.PostQuit(7);
                break;
            case Kind::Paint:
                invalid = kFirst;
                break;
            case Kind::Timer:
                queue.SetTimer(kFirst, 1, 100, 0);
                break;
            }
        }
        EXPECT_EQ(TakeAll(100), c.expected);
    }
}

TEST_F(MessageQueueTest, PeekingLeavesAMessageAndAPaintStaysDueUntilTheWindowIsValid) {
    queue.Post(Message(kFirst, kPosted));
    EXPECT_TRUE(Take(0, false));
    EXPECT_TRUE(Take(0));
    EXPECT_FALSE(Take(0));

    invalid = kSecond;
    const MSG paint = *queue.Take(true, 0, [this] { return invalid; });
    EXPECT_EQ(Describe(paint), "paint second");
    ASSERT_TRUE(queue.Take(true, 0, [this] { return invalid; }));   // not validated: again
    invalid = nullptr;
    EXPECT_FALSE(queue.Take(true, 0, [this] { return invalid; }));
}

TEST_F(MessageQueueTest, MouseMovesToTheSameWindowMergeWhileWaitingAtTheBack) {
    struct Post {
        HWND window;
        UINT message;
        int x;
    };
    struct Case {
        const char* name;
        std::vector<Post> posted;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"moves to one window: the latest position",
         {{kFirst, WM_MOUSEMOVE, 1}, {kFirst, WM_MOUSEMOVE, 2}, {kFirst, WM_MOUSEMOVE, 3}},
         {"move first 3"}},
        {"moves to two windows stay apart",
         {{kFirst, WM_MOUSEMOVE, 1}, {kSecond, WM_MOUSEMOVE, 2}},
         {"move first 1", "move second 2"}},
        {"a press between two moves keeps all three in order",
         {{kFirst, WM_MOUSEMOVE, 1}, {kFirst, WM_LBUTTONDOWN, 2}, {kFirst, WM_MOUSEMOVE, 3}},
         {"move first 1", "down first 2", "move first 3"}},
        {"presses never merge",
         {{kFirst, WM_LBUTTONDOWN, 1}, {kFirst, WM_LBUTTONDOWN, 2}},
         {"down first 1", "down first 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        queue = MessageQueue();
        for (const Post& p : c.posted)
            queue.PostMouse(Message(p.window, p.message, p.x));
        EXPECT_EQ(TakeAll(0), c.expected);
    }
}

TEST_F(MessageQueueTest, AMoveAlreadyTakenIsNotReplaced) {
    queue.PostMouse(Message(kFirst, WM_MOUSEMOVE, 1));
    EXPECT_EQ(TakeAll(0), std::vector<std::string>{"move first 1"});
    queue.PostMouse(Message(kFirst, WM_MOUSEMOVE, 2));
    EXPECT_EQ(TakeAll(0), std::vector<std::string>{"move first 2"});
}

TEST_F(MessageQueueTest, TheMostOverdueTimerFiresFirstTiesByWindowThenId) {
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT elapse;
    };
    struct Case {
        const char* name;
        std::vector<Timer> timers;   // all started at 0
        uint32_t now;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"most overdue first", {{kFirst, 1, 100}, {kSecond, 2, 50}}, 200, {"timer 2 second", "timer 1 first"}},
        {"a tie: the first window, then the lowest id",
         {{kSecond, 1, 100}, {kFirst, 3, 100}, {kFirst, 2, 100}},
         100,
         {"timer 2 first", "timer 3 first", "timer 1 second"}},
        {"a late timer fires once", {{kFirst, 1, 100}}, 350, {"timer 1 first"}},
        {"none due yet", {{kFirst, 1, 100}}, 99, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        queue = MessageQueue();
        for (const Timer& t : c.timers)
            queue.SetTimer(t.window, t.id, t.elapse, 0);
        EXPECT_EQ(TakeAll(c.now), c.expected);
    }
}

TEST_F(MessageQueueTest, TheDelayToTheNextTimerKeepsThePeriodAfterALateOne) {
    EXPECT_EQ(queue.NextTimerDelay(0), std::nullopt);   // no timer: wait for anything
    queue.SetTimer(kFirst, 1, 100, 0);
    struct Step {
        uint32_t now;
        bool fires;
        int delayAfter;
    };
    const Step steps[] = {
        {40, false, 60},  {100, true, 100},   // on time: due at 200
        {350, true, 100},                     // late: once, then a whole period from now
        {449, false, 1},  {460, true, 90},    // 10 late: still due on the period, at 550
    };
    for (const Step& s : steps) {
        EXPECT_EQ(Take(s.now).has_value(), s.fires) << "at " << s.now;
        EXPECT_EQ(queue.NextTimerDelay(s.now), s.delayAfter) << "at " << s.now;
    }
    EXPECT_EQ(queue.NextTimerDelay(600), 0);   // overdue: no wait
}

TEST_F(MessageQueueTest, TimersRunAcrossTheClocksWrapAround) {
    queue.SetTimer(kFirst, 1, 100, 0xFFFFFFC0u);   // due at 0x24 after the wrap
    EXPECT_FALSE(Take(0x23));
    EXPECT_EQ(queue.NextTimerDelay(0x23), 1);
    EXPECT_EQ(TakeAll(0x24), std::vector<std::string>{"timer 1 first"});
}

TEST_F(MessageQueueTest, KillingATimerDropsItsQueuedMessageOnly) {
    queue.SetTimer(kFirst, 1, 100, 0);
    queue.SetTimer(kFirst, 2, 100, 0);
    MSG tick = Message(kFirst, WM_TIMER);
    tick.wParam = 1;
    queue.Post(tick);
    tick.wParam = 2;
    queue.Post(tick);

    EXPECT_TRUE(queue.KillTimer(kFirst, 1));
    EXPECT_FALSE(queue.KillTimer(kFirst, 1));
    EXPECT_EQ(TakeAll(100), (std::vector<std::string>{"timer 2 first", "timer 2 first"}));
}

TEST_F(MessageQueueTest, AWindowThatGoesTakesItsTimersAlong) {
    queue.SetTimer(kFirst, 1, 100, 0);
    queue.SetTimer(kFirst, 2, 100, 0);
    queue.SetTimer(kSecond, 1, 100, 0);
    queue.DropTimers(kFirst);
    EXPECT_EQ(TakeAll(100), std::vector<std::string>{"timer 1 second"});
}

}   // namespace
