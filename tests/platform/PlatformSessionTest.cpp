// Ending the platform: the windows that are left get their last messages, and a later session
// never hands out an old handle again.

#include "PlatformTestSupport.h"

namespace {

TEST(PlatformSession, ShutdownDestroysTheWindowsLeftAndLaterHandlesAreNew) {
    RecordingWindow frame;
    RecordingWindow child;
    HWND oldFrame = nullptr;
    {
        const PlatformSession session("Tessiva_Test");
        ASSERT_TRUE(session.Started());
        ASSERT_TRUE(frame.Create(nullptr, Rect(0, 0, 100, 100), "frame", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(child.Create(frame, Rect(0, 0, 10, 10), "", WS_CHILD));
        oldFrame = frame.Handle();
    }
    EXPECT_EQ(frame.Of(WM_DESTROY).size(), 1u);
    EXPECT_EQ(child.Of(WM_DESTROY).size(), 1u);
    EXPECT_EQ(frame.Handle(), nullptr);
    EXPECT_EQ(child.Handle(), nullptr);

    const PlatformSession again("Tessiva_Test");
    RecordingWindow next;
    ASSERT_TRUE(next.Create(nullptr, Rect(0, 0, 100, 100), "next", WS_OVERLAPPEDWINDOW));
    EXPECT_NE(next.Handle(), oldFrame);
    EXPECT_FALSE(IsWindow(oldFrame));
}

}  // namespace
