// SPDX-License-Identifier: GPL-3.0-or-later
// Synchronous painting: block copies reach the window surface at once, clipped to what the
// window shows.

#include "PlatformTestSupport.h"
#include "platform/Headless.h"
#include "platform/Paint.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;
constexpr uint32_t kWhite = 0xFFFFFFFF;

// A frame at (0, 0), 300 x 200, with a visible child at (100, 50), 100 x 80.
class PaintTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(
            frame.Create(nullptr, Rect(0, 0, 300, 200), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN));
        ASSERT_TRUE(child.Create(frame, Rect(100, 50, 100, 80), "", WS_CHILD | WS_VISIBLE));
        Pump();   // both erase to the window colour
    }
    RecordingWindow frame;
    RecordingWindow child;
};

TEST_F(PaintTest, AParentDoesNotPaintOverItsVisibleChildren) {
    EXPECT_EQ(Headless::ReadPixel(child, 0, 0), kWhite);
    const HDC dc = GetDC(frame);
    FillRect(dc, RECT{0, 0, 300, 200}, kRed);
    ReleaseDC(frame, dc);
    EXPECT_EQ(Headless::ReadPixel(frame, 99, 60), kRed);
    EXPECT_EQ(Headless::ReadPixel(frame, 100, 60), kWhite);   // the child's first column
    EXPECT_EQ(Headless::ReadPixel(frame, 200, 60), kRed);
}

TEST_F(PaintTest, BlockCopyFromABufferLandsAtTheClientPositionClippedToTheChild) {
    // A 120 x 100 buffer: blue with one red pixel at (5, 6); rows padded to 128 pixels.
    constexpr int kStridePixels = 128;
    std::vector<uint32_t> pixels(kStridePixels * 100, kBlue);
    pixels[6 * kStridePixels + 5] = kRed;
    const PixelBuffer buffer{pixels.data(), 120, 100, kStridePixels * 4};

    const HDC dc = GetDC(child);
    EXPECT_TRUE(BitBlt(dc, 0, 0, 120, 100, buffer, 0, 0));
    ReleaseDC(child, dc);

    EXPECT_EQ(Headless::ReadPixel(child, 5, 6), kRed);
    EXPECT_EQ(Headless::ReadPixel(child, 99, 79), kBlue);
    EXPECT_EQ(Headless::ReadPixel(frame, 200, 60), kWhite);    // right of the child: untouched
    EXPECT_EQ(Headless::ReadPixel(frame, 150, 130), kWhite);   // below the child: untouched
}

TEST_F(PaintTest, HidingAChildShowsTheParentAgainThroughItsPaint) {
    frame.react = [this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(frame, paint);
        FillRect(dc, RECT{0, 0, 300, 200}, kRed);
        EndPaint(frame, paint);
        return 0;
    };
    ShowWindow(child, SW_HIDE);
    Pump();
    EXPECT_EQ(Headless::ReadPixel(frame, 150, 60), kRed);
    EXPECT_FALSE(IsWindowVisible(child));
}

}   // namespace
