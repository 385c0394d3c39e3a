// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse input: routing to the window under the cursor, capture, and the cursor in client
// coordinates.

#include "PlatformTestSupport.h"
#include "foundation/ApplicationException.h"
#include "platform/CursorPosition.h"
#include "platform/Headless.h"
#include "platform/Input.h"

namespace {

// A frame at (100, 100), 400 x 300, holding a child at (50, 40), 200 x 100: the child's client
// origin is (150, 140) on the screen. A second frame lies at (700, 100).
class CaptureTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(frame.Create(nullptr, Rect(100, 100, 400, 300), "frame",
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN));
        ASSERT_TRUE(child.Create(frame, Rect(50, 40, 200, 100), "", WS_CHILD | WS_VISIBLE));
        ASSERT_TRUE(second.Create(nullptr, Rect(700, 100, 200, 200), "second", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        Pump();
    }

    static POINT Where(const RecordingWindow::Received& r) { return {GET_X_LPARAM(r.lParam), GET_Y_LPARAM(r.lParam)}; }

    RecordingWindow frame;
    RecordingWindow child;
    RecordingWindow second;
};

TEST_F(CaptureTest, WithoutCaptureTheWindowUnderTheCursorGetsTheMessage) {
    Headless::InjectMouse(WM_LBUTTONDOWN, {160, 150});   // child
    Headless::InjectMouse(WM_MOUSEMOVE, {110, 110});     // frame, outside the child
    Headless::InjectMouse(WM_MOUSEMOVE, {750, 150});     // second frame
    Headless::InjectMouse(WM_LBUTTONUP, {5, 5});         // no window: nobody
    Pump();

    ASSERT_EQ(child.Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Where(child.Of(WM_LBUTTONDOWN)[0]).x, 10);
    EXPECT_EQ(Where(child.Of(WM_LBUTTONDOWN)[0]).y, 10);
    ASSERT_EQ(frame.Of(WM_MOUSEMOVE).size(), 1u);
    EXPECT_EQ(Where(frame.Of(WM_MOUSEMOVE)[0]).x, 10);
    EXPECT_EQ(second.Of(WM_MOUSEMOVE).size(), 1u);
    EXPECT_TRUE(child.Of(WM_LBUTTONUP).empty());
    EXPECT_TRUE(frame.Of(WM_LBUTTONUP).empty());
    EXPECT_TRUE(second.Of(WM_LBUTTONUP).empty());
}

TEST_F(CaptureTest, CaptureRoutesMovesAndTheReleaseToItsWindowWhereverTheCursorIs) {
    Headless::InjectMouse(WM_LBUTTONDOWN, {160, 150});
    Pump();
    SetCapture(child);
    EXPECT_EQ(GetCapture(), child.Handle());

    // Each move is taken before the next: queued moves are merged into the latest one.
    Headless::InjectMouse(WM_MOUSEMOVE, {20, 30});   // left of and above everything
    Pump();
    Headless::InjectMouse(WM_MOUSEMOVE, {750, 150});   // over the second frame
    Pump();
    Headless::InjectMouse(WM_LBUTTONUP, {1900, 1070});   // far right and below
    Pump();
    ReleaseCapture();

    const auto moves = child.Of(WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(Where(moves[0]).x, 20 - 150);
    EXPECT_EQ(Where(moves[0]).y, 30 - 140);
    EXPECT_EQ(Where(moves[1]).x, 750 - 150);
    ASSERT_EQ(child.Of(WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(Where(child.Of(WM_LBUTTONUP)[0]).x, 1900 - 150);
    EXPECT_EQ(Where(child.Of(WM_LBUTTONUP)[0]).y, 1070 - 140);
    EXPECT_TRUE(second.Of(WM_MOUSEMOVE).empty());
    EXPECT_TRUE(frame.Of(WM_MOUSEMOVE).empty());
    EXPECT_EQ(child.Of(WM_CAPTURECHANGED).size(), 1u);
}

TEST_F(CaptureTest, AfterReleaseInputFollowsTheCursorAgain) {
    SetCapture(child);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    Headless::InjectMouse(WM_MOUSEMOVE, {750, 150});
    Pump();
    EXPECT_TRUE(child.Of(WM_MOUSEMOVE).empty());
    EXPECT_EQ(second.Of(WM_MOUSEMOVE).size(), 1u);
}

TEST_F(CaptureTest, CursorPositionInClientCoordinates) {
    RecordingWindow atOrigin;
    ASSERT_TRUE(atOrigin.Create(nullptr, Rect(0, 0, 50, 50), "origin", WS_OVERLAPPEDWINDOW));
    struct Case {
        POINT screen;
        HWND window;
        POINT expected;
    };
    const Case cases[] = {
        {{300, 200}, atOrigin, {300, 200}},   // client origin at the screen origin: unchanged
        {{300, 200}, child, {150, 60}},
        {{20, 30}, child, {-130, -110}},   // left of and above the window
    };
    for (const Case& c : cases) {
        Headless::SetCursorPos(c.screen);
        const POINT p = Util::GetCursorPositionPOINT(c.window);
        EXPECT_EQ(p.x, c.expected.x) << "screen " << c.screen.x << "," << c.screen.y;
        EXPECT_EQ(p.y, c.expected.y) << "screen " << c.screen.x << "," << c.screen.y;
    }
}

TEST_F(CaptureTest, CursorPositionOfAWindowThatIsGoneRaises) {
    const HWND gone = child.Handle();
    child.DestroyWindow();
    try {
        Util::GetCursorPositionPOINT(gone);
        FAIL() << "no exception";
    } catch (const ApplicationException& e) {
        EXPECT_EQ(e.LocationText(), "Util::GetCursorPositionPOINT (24)");
    }
}

}   // namespace
