// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the platform: the windows that are left get their last messages, and a later session
// never hands out an old handle again. Windows created without a place of their own.

#include "PlatformTestSupport.h"
#include "platform/Headless.h"

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

}   // namespace

// A rectangle whose left is CW_USEDEFAULT leaves place and size to the system: a top-level
// window gets three quarters of the work area, an eighth in from its corner.
TEST_F(HeadlessTest, ADefaultRectangleGivesTheSystemsPlaceAndSize) {
    RecordingWindow frame;
    const RECT useDefault{CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};
    ASSERT_TRUE(frame.Create(nullptr, useDefault, "frame", WS_OVERLAPPEDWINDOW));
    RECT placed{};
    ASSERT_TRUE(GetWindowRect(frame, placed));
    EXPECT_EQ(placed.left, Headless::kScreenWidth / 8);
    EXPECT_EQ(placed.top, Headless::kScreenHeight / 8);
    EXPECT_EQ(placed.right - placed.left, Headless::kScreenWidth * 3 / 4);
    EXPECT_EQ(placed.bottom - placed.top, Headless::kScreenHeight * 3 / 4);
}
