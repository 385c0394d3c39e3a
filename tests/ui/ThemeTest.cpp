// Theme lookups, the missing-file placeholder, natural sizes from theme images, UI images.

#include <gtest/gtest.h>

#include "SolidPng.h"
#include "TempFolder.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/MultiStateButton.h"
#include "ui/SharedDrawing.h"
#include "ui/Theme.h"
#include "ui/UiImages.h"

namespace {

using UiTest::TempFolder;
using UiTest::WriteSolidPng;

uint32_t PixelOf(Gdiplus::Bitmap* bitmap) {
    Gdiplus::Color c;
    bitmap->GetPixel(0, 0, &c);
    return c.GetValue();
}

TEST(Theme, EveryStyleFindsItsFile) {
    // Each file gets its own width, so a lookup tells which file it loaded.
    const char* files[] = {
        "Jig-In-Out.png", "Jig-Out-In.png", "Jig-Flat-Left.png", "Jig-Flat-Right.png",
        "Jig-Left.png", "Jig-Right.png", "Jig-Middle-80.png", "Jig-Middle-100.png",
        "Jig-Middle-120.png", "Label-Page-xOfy.png", "Button-Previous-Page.png",
        "Button-Next-Page.png", "Button-Gallery-Item-Checked.png",
        "Button-Gallery-Item-Unchecked.png", "Dialog-Game-Complete.png",
        "Dialog-Gallery-Yes-No.png", "Dialog-Exit-Yes-No.png", "Dialog-Pause.png",
    };
    TempFolder folder;
    for (int i = 0; i < 18; ++i)
        WriteSolidPng(folder.Path() + files[i], i + 1, 2, 0xFF000000);
    const auto widthOf = [&](const char* file) {
        for (int i = 0; i < 18; ++i)
            if (std::string(files[i]) == file)
                return i + 1;
        return 0;
    };

    struct Case {
        int32_t style;
        ImageState state;
        const char* file;
    };
    using enum ImageState;
    const Case cases[] = {
        {30, Checked, "Jig-In-Out.png"}, {29, Checked, "Jig-Out-In.png"},
        {27, Checked, "Jig-Flat-Left.png"}, {28, Checked, "Jig-Flat-Right.png"},
        {25, Checked, "Jig-Left.png"}, {26, Checked, "Jig-Right.png"},
        {1, Checked, "Jig-Middle-120.png"}, {2, Checked, "Jig-Middle-120.png"},
        {10, Checked, "Jig-Middle-120.png"}, {17, Checked, "Label-Page-xOfy.png"},
        {11, Checked, "Button-Previous-Page.png"}, {13, Checked, "Button-Next-Page.png"},
        {22, Checked, "Jig-Middle-80.png"}, {23, Checked, "Jig-Middle-80.png"},
        {4, Checked, "Button-Gallery-Item-Checked.png"},
        {4, Unchecked, "Button-Gallery-Item-Unchecked.png"},
        {7, Checked, "Jig-Middle-80.png"}, {5, Checked, "Jig-Middle-100.png"},
        {5, Unchecked, "Jig-Middle-100.png"}, {6, Checked, "Jig-Middle-80.png"},
        {3, Checked, "Jig-Middle-80.png"}, {50, Checked, "Jig-Middle-80.png"},
        {61, Checked, "Dialog-Game-Complete.png"}, {36, Checked, "Jig-Middle-120.png"},
        {37, Checked, "Jig-Middle-120.png"}, {39, Checked, "Jig-Middle-100.png"},
        {40, Checked, "Jig-Middle-100.png"}, {42, Checked, "Jig-Middle-100.png"},
        {62, Checked, "Dialog-Gallery-Yes-No.png"}, {63, Checked, "Dialog-Exit-Yes-No.png"},
        {60, Checked, "Dialog-Pause.png"}, {70, Checked, "Jig-Middle-100.png"},
    };
    Theme theme(folder.Path());
    for (const Case& c : cases) {
        Gdiplus::Bitmap* image = theme.GetImage(c.style, c.state);
        ASSERT_NE(image, nullptr) << c.style;
        EXPECT_EQ(static_cast<int>(image->GetWidth()), widthOf(c.file)) << c.style;
    }
    // Registered only as checked, or not at all.
    for (int32_t style : {42, 7, 30})
        EXPECT_EQ(theme.GetImage(style, Unchecked), nullptr) << style;
    for (int32_t style : {0, 18, 21, 24, 31, 32})
        EXPECT_EQ(theme.GetImage(style, Checked), nullptr) << style;
}

TEST(Theme, CheckedAndUncheckedAreSeparateImages) {
    TempFolder folder;
    WriteSolidPng(folder.Path() + "Button-Gallery-Item-Checked.png", 6, 4, 0xFFFF0000);
    WriteSolidPng(folder.Path() + "Button-Gallery-Item-Unchecked.png", 6, 4, 0xFF0000FF);
    WriteSolidPng(folder.Path() + "Jig-Middle-100.png", 10, 4, 0xFF00FF00);
    Theme theme(folder.Path());

    EXPECT_EQ(PixelOf(theme.GetImage(4, ImageState::Checked)), 0xFFFF0000);
    EXPECT_EQ(PixelOf(theme.GetImage(4, ImageState::Unchecked)), 0xFF0000FF);
    // One file under both states of style 5: two separately loaded copies.
    Gdiplus::Bitmap* checked = theme.GetImage(5, ImageState::Checked);
    Gdiplus::Bitmap* unchecked = theme.GetImage(5, ImageState::Unchecked);
    EXPECT_NE(checked, unchecked);
    EXPECT_EQ(PixelOf(checked), PixelOf(unchecked));
    // Loaded once per entry.
    EXPECT_EQ(theme.GetImage(5, ImageState::Checked), checked);
}

TEST(Theme, AMissingFileGivesThePlaceholderAndIsTriedAgain) {
    TempFolder folder;
    Theme theme(folder.Path());
    Gdiplus::Bitmap* missing = theme.GetImage(1, ImageState::Checked);
    ASSERT_EQ(missing, PlaceholderBitmap());
    EXPECT_EQ(missing->GetWidth(), 1u);
    EXPECT_EQ(missing->GetHeight(), 1u);
    EXPECT_EQ(PixelOf(missing) >> 24, 0u);

    WriteSolidPng(folder.Path() + "Jig-Middle-120.png", 120, 40, 0xFF336699);
    Gdiplus::Bitmap* found = theme.GetImage(1, ImageState::Checked);
    ASSERT_NE(found, PlaceholderBitmap());
    EXPECT_EQ(found->GetWidth(), 120u);
}

TEST(Theme, ControlsTakeTheirNaturalSizeFromTheCurrentTheme) {
    TempFolder folder;
    WriteSolidPng(folder.Path() + "Button-Gallery-Item-Checked.png", 115, 32, 0xFFFF0000);
    WriteSolidPng(folder.Path() + "Button-Gallery-Item-Unchecked.png", 90, 20, 0xFF0000FF);
    Theme::Install(folder.Path());

    Button missingFile(1, nullptr);   // registered, file absent: the 1 x 1 placeholder
    Label unregistered(31, nullptr);  // no image at all: 100 x 25
    MultiStateButton category(4, nullptr);
    category.State = MultiStateButton::kUnchecked;   // sized by the checked image regardless
    Label anchored(31, nullptr);
    anchored.Width = 100;
    anchored.Height = 30;

    struct Case {
        const Control& control;
        int width, height;
    };
    const Case cases[] = {
        {missingFile, 1, 1}, {unregistered, 100, 25}, {category, 115, 32}, {anchored, 100, 30}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.control.GetWidth(), c.width) << c.control.StyleId;
        EXPECT_EQ(c.control.GetHeight(), c.height) << c.control.StyleId;
    }

    Theme::Current().Reset();
    EXPECT_EQ(Theme::Image(4, ImageState::Checked), nullptr);
    EXPECT_EQ(category.GetWidth(), 100);
}

TEST(UiImages, LoadOnceAndReportAFailedLoadAsEmpty) {
    TempFolder folder;
    WriteSolidPng(folder.Path() + "TrackBar_Track.png", 200, 8, 0xFF404040);
    WriteSolidPng(folder.Path() + "TrackBar_Bar.png", 12, 24, 0xFFF0F0F0);
    UiImages images(folder.Path());

    Gdiplus::Bitmap* track = images.TrackImage();
    EXPECT_EQ(track->GetWidth(), 200u);
    EXPECT_EQ(images.TrackImage(), track);
    EXPECT_EQ(images.ThumbImage()->GetHeight(), 24u);
    Gdiplus::Bitmap* magnifier = images.MagnifierImage();   // no such file: no placeholder
    ASSERT_NE(magnifier, nullptr);
    EXPECT_NE(magnifier, PlaceholderBitmap());
    EXPECT_EQ(magnifier->GetWidth(), 0u);
    EXPECT_NE(magnifier->GetLastStatus(), Gdiplus::Ok);
}

}  // namespace
