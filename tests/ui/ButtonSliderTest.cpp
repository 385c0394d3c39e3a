// SPDX-License-Identifier: GPL-3.0-or-later
// Press-and-release rules of the buttons; geometry, drag and value rules of the slider.

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "HostWindow.h"
#include "PlatformTest.h"
#include "gfx/Bitmap.h"
#include "platform/Input.h"
#include "platform/Messages.h"
#include "ui/Button.h"
#include "ui/MultiStateButton.h"
#include "ui/Slider.h"

namespace {

using Gdiplus::Rect;

// Collects the notifications its children send.
class Recorder : public ContainerControl {
public:
    Recorder() : ContainerControl(StyleId::Plain, nullptr) {}
    void OnNotify(NotifyCode code, Control* sender, Control*) override {
        codes.push_back(code);
        senders.push_back(sender);
    }
    std::vector<NotifyCode> codes;
    std::vector<Control*> senders;
};

template <class T>
class ButtonRules : public ::testing::Test {};
using ButtonTypes = ::testing::Types<Button, MultiStateButton>;
TYPED_TEST_SUITE(ButtonRules, ButtonTypes);

TYPED_TEST(ButtonRules, AReleaseOutsideKeepsTheButtonArmedUntilAReleaseInside) {
    Recorder parent;
    TypeParam a(StyleId::ShuffleButton, &parent), b(StyleId::ShuffleButton, &parent);
    a.Bounds = Rect(0, 0, 50, 20);
    b.Bounds = Rect(100, 0, 50, 20);
    parent.Children = {&a, &b};

    EXPECT_FALSE(parent.OnMouseDown(75, 10));   // between the buttons: nobody takes it
    EXPECT_TRUE(parent.OnMouseDown(10, 10));
    EXPECT_FALSE(parent.OnMouseUp(75, 10));   // released outside: no click, still armed
    EXPECT_TRUE(a.Pressed);
    EXPECT_TRUE(parent.codes.empty());

    EXPECT_TRUE(parent.OnMouseDown(110, 10));   // both armed now
    EXPECT_TRUE(a.Pressed && b.Pressed);
    EXPECT_TRUE(parent.OnMouseUp(120, 10));
    EXPECT_TRUE(parent.OnMouseUp(5, 5));   // a's click comes at its next release inside
    ASSERT_EQ(parent.senders.size(), 2u);
    EXPECT_EQ(parent.senders[0], &b);
    EXPECT_EQ(parent.senders[1], &a);
    EXPECT_EQ(parent.codes[0], NotifyClick);
    EXPECT_FALSE(a.Pressed || b.Pressed);

    EXPECT_FALSE(parent.OnMouseUp(5, 5));   // a release without a press clicks nothing
    EXPECT_EQ(parent.senders.size(), 2u);
}

// A slider in a window, so capture and routing are the real ones. The track is 220 wide and
// the thumb 20, so the thumb's left edge moves over 200 pixels.
class SliderTest : public UiTest::PlatformTest {
protected:
    void SetUp() override {
        slider.TrackImage = &track;
        slider.ThumbImage = &thumb;
        slider.Minimum = 2;
        slider.Maximum = 25;
        slider.CurrentValue = 2;
        slider.Left = 10;
        slider.Top = 10;
        host.Children = {&slider};
        host.Open(300, 100);
        host.onNotify = [this] { values.push_back(slider.CurrentValue); };
    }

    void Mouse(UINT message, int x, int y = 20) {
        Headless::InjectMouse(message, {x, y});
        MSG msg;
        while (PeekMessage(msg, PM_REMOVE))
            DispatchMessage(msg);
    }

    Gdiplus::Bitmap track{220, 10};
    Gdiplus::Bitmap thumb{20, 30};
    UiTest::HostWindow host;
    Slider slider{StyleId::DifficultySlider, &host};
    std::vector<int> values;
};

TEST_F(SliderTest, NaturalSizeAndThumbPlacement) {
    EXPECT_EQ(slider.Bounds, Rect(10, 10, 220, 30));
    EXPECT_EQ(slider.ThumbRect(), Rect(10, 10, 20, 30));
    slider.CurrentValue = 25;
    EXPECT_EQ(slider.ThumbRect(), Rect(210, 10, 20, 30));

    slider.Height = 50;   // an anchor wins; the thumb stays centred
    slider.Width = 120;
    slider.Layout();
    EXPECT_EQ(slider.ThumbRect(), Rect(110, 20, 20, 30));
}

TEST_F(SliderTest, DraggingTheThumbReportsEachNewValueOnce) {
    Mouse(WM_LBUTTONDOWN, 15);   // on the thumb, 5 pixels into it
    EXPECT_EQ(GetCapture(), host.Handle());
    EXPECT_TRUE(values.empty());

    Mouse(WM_MOUSEMOVE, 115);   // thumb left at 100 of 200: 2 + 23 * 100 / 200
    EXPECT_EQ(slider.CurrentValue, 13);
    Mouse(WM_MOUSEMOVE, 116);
    Mouse(WM_MOUSEMOVE, 114);
    Mouse(WM_MOUSEMOVE, 115);
    EXPECT_EQ(values, std::vector<int>{13});

    Mouse(WM_MOUSEMOVE, -500, -80);   // far outside the window, under capture
    EXPECT_EQ(slider.CurrentValue, 2);
    Mouse(WM_MOUSEMOVE, 5000, 400);
    EXPECT_EQ(slider.CurrentValue, 25);
    Mouse(WM_MOUSEMOVE, 6000, 400);
    EXPECT_EQ(values, (std::vector<int>{13, 2, 25}));

    Mouse(WM_LBUTTONUP, 5000, 400);   // released anywhere: the drag ends
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(WM_MOUSEMOVE, 15);
    EXPECT_EQ(slider.CurrentValue, 25);
}

TEST_F(SliderTest, APressOnTheTrackBringsTheThumbsCentreUnderThePointer) {
    Mouse(WM_LBUTTONDOWN, 160);
    // Thumb left would be 140 of 200: 2 + 23 * 140 / 200 = 18.1, truncated to 18.
    EXPECT_EQ(values, std::vector<int>{18});
    const Rect thumb = slider.ThumbRect();
    EXPECT_LE(thumb.X + thumb.Width / 2, 160);
    Mouse(WM_LBUTTONUP, 160);

    Mouse(WM_LBUTTONDOWN, 240);   // right of the slider: not taken, nothing changes
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(values.size(), 1u);
}

TEST_F(SliderTest, ASliderWithoutRoomOrRangeStaysUsable) {
    slider.Width = 20;   // as wide as its thumb
    slider.Layout();
    Mouse(WM_LBUTTONDOWN, 12);
    Mouse(WM_MOUSEMOVE, 200);
    EXPECT_EQ(slider.CurrentValue, 2);
    Mouse(WM_LBUTTONUP, 200);

    slider.Width = 220;
    slider.Maximum = 2;
    slider.Layout();
    EXPECT_EQ(slider.ThumbRect().X, 10);
    Mouse(WM_LBUTTONDOWN, 150);
    EXPECT_EQ(slider.CurrentValue, 2);
    Mouse(WM_LBUTTONUP, 150);
}

TEST_F(SliderTest, WithoutImagesItStillTakesPresses) {
    slider.TrackImage = nullptr;
    slider.ThumbImage = nullptr;
    slider.Layout();
    EXPECT_EQ(slider.Bounds, Rect(10, 10, 100, 30));
    Mouse(WM_LBUTTONDOWN, 50);
    EXPECT_EQ(GetCapture(), host.Handle());
    Mouse(WM_LBUTTONUP, 50);
}

}   // namespace
