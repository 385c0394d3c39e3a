// SPDX-License-Identifier: GPL-3.0-or-later
// The message loop: filters before dispatch, idle handlers on an empty queue, the quit code.

#include <string>

#include "PlatformTestSupport.h"
#include "platform/MessageLoop.h"

namespace {

constexpr UINT kFiltered = WM_USER + 1;
constexpr UINT kPlain = WM_USER + 2;
constexpr UINT kQuit = WM_USER + 3;

class MessageLoopTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(window.Create(nullptr, Rect(0, 0, 200, 100), "loop", WS_OVERLAPPEDWINDOW));
        window.react = [this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (message == kPlain || message == kFiltered || message == kQuit)
                log.push_back("dispatch " + std::to_string(message - WM_USER));
            if (message == kQuit)
                PostQuitMessage(42);
            return std::nullopt;
        };
    }

    RecordingWindow window;
    std::vector<std::string> log;
};

class LoggingFilter : public MessageFilter {
public:
    explicit LoggingFilter(std::vector<std::string>& log) : log(log) {}
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message >= WM_USER)
            log.push_back("filter " + std::to_string(msg.message - WM_USER));
        return msg.message == kFiltered;
    }
    std::vector<std::string>& log;
};

TEST_F(MessageLoopTest, FiltersSeeEachMessageFirstAndAFilteredMessageIsNotDispatched) {
    MessageLoop loop;
    LoggingFilter filter(log);
    loop.AddMessageFilter(&filter);
    PostMessage(window, kFiltered, 0, 0);
    PostMessage(window, kPlain, 0, 0);
    PostMessage(window, kQuit, 0, 0);

    EXPECT_EQ(loop.Run(), 42);   // the quit code is the loop's result

    const std::vector<std::string> expected = {"filter 1", "filter 2", "dispatch 2", "filter 3", "dispatch 3"};
    EXPECT_EQ(log, expected);
}

TEST_F(MessageLoopTest, IdleHandlersRunWhenTheQueueHasRunEmpty) {
    class PostingIdle : public IdleHandler {
    public:
        PostingIdle(HWND window, std::vector<std::string>& log) : window(window), log(log) {}
        bool OnIdle() override {
            log.push_back("idle");
            PostMessage(window, ++calls == 1 ? kPlain : kQuit, 0, 0);
            return false;   // no more idle calls until the next message
        }
        HWND window;
        std::vector<std::string>& log;
        int calls = 0;
    };
    MessageLoop loop;
    PostingIdle idle(window, log);
    loop.AddIdleHandler(&idle);

    EXPECT_EQ(loop.Run(), 42);

    const std::vector<std::string> expected = {"idle", "dispatch 2", "idle", "dispatch 3"};
    EXPECT_EQ(log, expected);
}

TEST_F(MessageLoopTest, RemovedFiltersAreNotCalled) {
    MessageLoop loop;
    LoggingFilter filter(log);
    loop.AddMessageFilter(&filter);
    loop.RemoveMessageFilter(&filter);
    PostMessage(window, kFiltered, 0, 0);
    PostMessage(window, kQuit, 0, 0);

    EXPECT_EQ(loop.Run(), 42);

    const std::vector<std::string> expected = {"dispatch 1", "dispatch 3"};
    EXPECT_EQ(log, expected);
}

TEST_F(MessageLoopTest, OneLoopIsRegisteredPerThread) {
    MessageLoop first, second;
    EXPECT_EQ(GetMessageLoop(), nullptr);
    EXPECT_TRUE(AddMessageLoop(&first));
    EXPECT_FALSE(AddMessageLoop(&second));
    EXPECT_EQ(GetMessageLoop(), &first);
    RemoveMessageLoop();
    EXPECT_EQ(GetMessageLoop(), nullptr);
}

TEST_F(MessageLoopTest, SentMessagesRunAtOncePostedOnesInArrivalOrder) {
    PostMessage(window, kPlain, 1, 0);
    PostMessage(window, kPlain, 2, 0);
    EXPECT_EQ(SendMessage(window, kFiltered, 0, 0), 0);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "dispatch 1");
    Pump();
    const auto plain = window.Of(kPlain);
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(plain[0].wParam, 1u);
    EXPECT_EQ(plain[1].wParam, 2u);
}

}   // namespace
