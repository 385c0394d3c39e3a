// SPDX-License-Identifier: GPL-3.0-or-later
// A page-like tree of themed controls painted into a headless window, checked by pixel.

#include <gtest/gtest.h>

#include "HostWindow.h"
#include "PlatformTest.h"
#include "SolidPng.h"
#include "platform/Paint.h"
#include "support/TempFolder.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/MultiStateButton.h"
#include "ui/Slider.h"
#include "ui/Theme.h"
#include "ui/UiImages.h"

namespace {

using UiTest::WriteSolidPng;
using UiTest::WriteThemeImage;

constexpr uint32_t kFlatLeft = 0xFFC00000, kMiddle80 = 0xFF008000, kJoint = 0xFF0000C0, kMiddle100 = 0xFF808000,
                   kFlatRight = 0xFF800080, kChecked = 0xFFFF8000, kUnchecked = 0xFF00C0C0, kTrack = 0xFF404040,
                   kThumb = 0xFFE0E000, kHostBackground = 0xFF00008B;

bool IsWhitish(uint32_t argb) {
    return ((argb >> 16) & 0xFF) > 200 && ((argb >> 8) & 0xFF) > 200 && (argb & 0xFF) > 200;
}

class ThemedPaint : public UiTest::PlatformTest {
protected:
    void SetUp() override {
        const std::string& f = folder.path;
        using enum ImageState;
        WriteThemeImage(f, StyleId::FlatLeftCap, Checked, 10, 40, kFlatLeft);
        WriteThemeImage(f, StyleId::ShuffleButton, Checked, 80, 40, kMiddle80);
        WriteThemeImage(f, StyleId::JointInOut, Checked, 12, 40, kJoint);
        WriteThemeImage(f, StyleId::FilterButton, Checked, 100, 40, kMiddle100);
        WriteThemeImage(f, StyleId::FlatRightCap, Checked, 10, 40, kFlatRight);
        WriteThemeImage(f, StyleId::CategoryButton, Checked, 90, 24, kChecked);
        WriteThemeImage(f, StyleId::CategoryButton, Unchecked, 90, 24, kUnchecked);
        WriteSolidPng(f + "TrackBar_Track.png", 120, 6, kTrack);
        WriteSolidPng(f + "TrackBar_Bar.png", 10, 16, kThumb);
        Theme::Install(f);
        images = std::make_unique<UiImages>(f);
    }
    void TearDown() override { Theme::Current().Reset(); }

    // Whether some pixel of the rectangle is (nearly) white: a caption was drawn there.
    bool HasCaption(UiTest::HostWindow& host, const Gdiplus::Rect& r) {
        for (int y = r.Y; y < r.Y + r.Height; ++y)
            for (int x = r.X; x < r.X + r.Width; ++x)
                if (IsWhitish(host.Pixel(x, y)))
                    return true;
        return false;
    }

    TempFolder folder;
    std::unique_ptr<UiImages> images;
};

TEST_F(ThemedPaint, StripSliderAndCategoryButtonsDrawTheirImagesAndCaptions) {
    UiTest::HostWindow host;
    // A play-page style strip along the bottom: each piece starts where the previous ends.
    Label leftCap(StyleId::FlatLeftCap, &host), joint(StyleId::JointInOut, &host),
        rightCap(StyleId::FlatRightCap, &host);
    Button shuffle(StyleId::ShuffleButton, &host);
    MultiStateButton filter(StyleId::FilterButton, &host);
    shuffle.Text = "Shuffle";
    filter.CheckedText = "Show All";
    filter.UncheckedText = "Edges Only";
    int left = 5;
    for (Control* piece :
         {static_cast<Control*>(&leftCap), static_cast<Control*>(&shuffle), static_cast<Control*>(&joint),
          static_cast<Control*>(&filter), static_cast<Control*>(&rightCap)}) {
        piece->Left = left;
        piece->Bottom = 5;
        left += piece->GetWidth();
    }
    Slider slider(StyleId::DifficultySlider, &host);
    slider.TrackImage = images->TrackImage();
    slider.ThumbImage = images->ThumbImage();
    slider.Minimum = 0;
    slider.Maximum = 10;
    slider.CurrentValue = 5;
    slider.Left = 250;
    slider.Top = 10;
    MultiStateButton selected(StyleId::CategoryButton, &host), other(StyleId::CategoryButton, &host);
    selected.CheckedText = other.UncheckedText = "Birds";
    other.State = MultiStateButton::kUnchecked;
    selected.Left = other.Left = 10;
    selected.Top = 10;
    other.Top = 40;
    host.Children = {&leftCap, &rightCap, &joint, &shuffle, &filter, &slider, &selected, &other};
    host.Open(400, 120);
    InvalidateRect(host.Handle(), nullptr, false);
    UpdateWindow(host.Handle());

    // The strip lies 5 pixels above the bottom edge: rows 75 to 114.
    struct Sample {
        int x;
        uint32_t color;
    };
    const Sample strip[] = {{4, kHostBackground}, {5, kFlatLeft},    {14, kFlatLeft},   {15, kMiddle80},
                            {94, kMiddle80},      {95, kJoint},      {106, kJoint},     {107, kMiddle100},
                            {206, kMiddle100},    {207, kFlatRight}, {216, kFlatRight}, {217, kHostBackground}};
    for (const Sample& s : strip) {
        EXPECT_EQ(host.Pixel(s.x, 76), s.color) << "x " << s.x;
        EXPECT_EQ(host.Pixel(s.x, 113), s.color) << "x " << s.x;
    }
    EXPECT_EQ(host.Pixel(50, 74), kHostBackground);
    EXPECT_EQ(host.Pixel(50, 115), kHostBackground);
    EXPECT_TRUE(HasCaption(host, shuffle.Bounds));
    EXPECT_TRUE(HasCaption(host, filter.Bounds));
    EXPECT_FALSE(HasCaption(host, joint.Bounds));

    // Slider: the track (120 x 6) centred in the 16-pixel height, the thumb (10 wide) halfway
    // along its 110 pixels of travel.
    EXPECT_EQ(slider.Bounds, Gdiplus::Rect(250, 10, 120, 16));
    EXPECT_EQ(host.Pixel(252, 17), kTrack);
    EXPECT_EQ(host.Pixel(252, 12), kHostBackground);
    EXPECT_EQ(host.Pixel(306, 11), kThumb);
    EXPECT_EQ(host.Pixel(314, 24), kThumb);
    EXPECT_EQ(host.Pixel(316, 17), kTrack);

    // Category buttons: the checked and the unchecked look, each with its caption.
    EXPECT_EQ(host.Pixel(11, 11), kChecked);
    EXPECT_EQ(host.Pixel(11, 41), kUnchecked);
    EXPECT_TRUE(HasCaption(host, selected.Bounds));
    EXPECT_TRUE(HasCaption(host, other.Bounds));

    // Any state but 0 and 1: the unchecked image and no caption.
    selected.State = 2;
    host.RedrawAll();
    EXPECT_EQ(host.Pixel(11, 11), kUnchecked);
    EXPECT_FALSE(HasCaption(host, selected.Bounds));
}

}   // namespace
