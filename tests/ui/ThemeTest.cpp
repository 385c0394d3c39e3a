// SPDX-License-Identifier: GPL-3.0-or-later
// Theme lookups, the missing-file placeholder, natural sizes from theme images, UI images.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SolidPng.h"
#include "support/TempFolder.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/MultiStateButton.h"
#include "ui/SharedDrawing.h"
#include "ui/Theme.h"
#include "ui/ThemeFile.h"
#include "ui/UiImages.h"

namespace {

using UiTest::WriteSolidPng;
using UiTest::WriteThemeImage;

uint32_t PixelOf(Gdiplus::Bitmap* bitmap) {
    Gdiplus::Color c;
    bitmap->GetPixel(0, 0, &c);
    return c.GetValue();
}

TEST(Theme, EveryStyleFindsItsFile) {
    // The theme's 32 registrations name 18 different files.
    std::vector<std::string> files;
    for (const ThemeFile& entry : kThemeFiles)
        if (std::find(files.begin(), files.end(), entry.fileName) == files.end())
            files.push_back(entry.fileName);
    ASSERT_EQ(std::size(kThemeFiles), 32u);
    ASSERT_EQ(files.size(), 18u);

    // Each file gets its own width, so a lookup tells which file it loaded.
    TempFolder folder;
    for (size_t i = 0; i < files.size(); ++i)
        WriteSolidPng(folder.path + files[i], static_cast<int>(i) + 1, 2, 0xFF000000);
    const auto widthOf = [&](const std::string& file) {
        return static_cast<int>(std::find(files.begin(), files.end(), file) - files.begin()) + 1;
    };

    using enum ImageState;
    Theme theme(folder.path);
    for (const ThemeFile& entry : kThemeFiles) {
        const int style = static_cast<int>(entry.style);
        Gdiplus::Bitmap* image = theme.GetImage(entry.style, entry.state);
        ASSERT_NE(image, nullptr) << style;
        EXPECT_EQ(static_cast<int>(image->GetWidth()), widthOf(entry.fileName)) << style;
        // A second registration of the pair would never be found.
        EXPECT_EQ(std::count_if(
                      std::begin(kThemeFiles), std::end(kThemeFiles),
                      [&](const ThemeFile& other) { return other.style == entry.style && other.state == entry.state; }),
                  1)
            << style;
    }
    // Registered only as checked, or not at all.
    for (StyleId style : {StyleId::SpareButton, StyleId::ShuffleButton, StyleId::JointInOut})
        EXPECT_EQ(theme.GetImage(style, Unchecked), nullptr) << static_cast<int>(style);
    for (StyleId style :
         {StyleId::Plain, StyleId::GalleryPage, StyleId::SetUpPage, StyleId::PlayPage, StyleId::ListView,
          StyleId::DifficultySlider, StyleId::DifficultyCaption, StyleId::PieceCountLabel})
        EXPECT_EQ(theme.GetImage(style, Checked), nullptr) << static_cast<int>(style);
}

TEST(Theme, CheckedAndUncheckedAreSeparateImages) {
    TempFolder folder;
    using enum ImageState;
    WriteThemeImage(folder.path, StyleId::CategoryButton, Checked, 6, 4, 0xFFFF0000);
    WriteThemeImage(folder.path, StyleId::CategoryButton, Unchecked, 6, 4, 0xFF0000FF);
    WriteThemeImage(folder.path, StyleId::FilterButton, Checked, 10, 4, 0xFF00FF00);
    Theme theme(folder.path);

    EXPECT_EQ(PixelOf(theme.GetImage(StyleId::CategoryButton, Checked)), 0xFFFF0000);
    EXPECT_EQ(PixelOf(theme.GetImage(StyleId::CategoryButton, Unchecked)), 0xFF0000FF);
    // One file under both states of the filter button: two separately loaded copies.
    Gdiplus::Bitmap* checked = theme.GetImage(StyleId::FilterButton, Checked);
    Gdiplus::Bitmap* unchecked = theme.GetImage(StyleId::FilterButton, Unchecked);
    EXPECT_NE(checked, unchecked);
    EXPECT_EQ(PixelOf(checked), PixelOf(unchecked));
    // Loaded once per entry.
    EXPECT_EQ(theme.GetImage(StyleId::FilterButton, Checked), checked);
}

TEST(Theme, AMissingFileGivesThePlaceholderAndIsTriedAgain) {
    TempFolder folder;
    Theme theme(folder.path);
    Gdiplus::Bitmap* missing = theme.GetImage(StyleId::ExitGameButton, ImageState::Checked);
    ASSERT_EQ(missing, PlaceholderBitmap());
    EXPECT_EQ(missing->GetWidth(), 1u);
    EXPECT_EQ(missing->GetHeight(), 1u);
    EXPECT_EQ(PixelOf(missing) >> 24, 0u);

    WriteThemeImage(folder.path, StyleId::ExitGameButton, ImageState::Checked, 120, 40, 0xFF336699);
    Gdiplus::Bitmap* found = theme.GetImage(StyleId::ExitGameButton, ImageState::Checked);
    ASSERT_NE(found, PlaceholderBitmap());
    EXPECT_EQ(found->GetWidth(), 120u);
}

TEST(Theme, ControlsTakeTheirNaturalSizeFromTheCurrentTheme) {
    TempFolder folder;
    WriteThemeImage(folder.path, StyleId::CategoryButton, ImageState::Checked, 115, 32, 0xFFFF0000);
    WriteThemeImage(folder.path, StyleId::CategoryButton, ImageState::Unchecked, 90, 20, 0xFF0000FF);
    Theme::Install(folder.path);

    Button missingFile(StyleId::ExitGameButton, nullptr);      // registered, file absent: 1 x 1
    Label unregistered(StyleId::DifficultyCaption, nullptr);   // no image at all: 100 x 25
    MultiStateButton category(StyleId::CategoryButton, nullptr);
    category.State = MultiStateButton::kUnchecked;   // sized by the checked image regardless
    Label anchored(StyleId::DifficultyCaption, nullptr);
    anchored.Width = 100;
    anchored.Height = 30;

    struct Case {
        const Control& control;
        int width, height;
    };
    const Case cases[] = {{missingFile, 1, 1}, {unregistered, 100, 25}, {category, 115, 32}, {anchored, 100, 30}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.control.GetWidth(), c.width) << static_cast<int>(c.control.StyleId);
        EXPECT_EQ(c.control.GetHeight(), c.height) << static_cast<int>(c.control.StyleId);
    }

    Theme::Current().Reset();
    EXPECT_EQ(Theme::Image(StyleId::CategoryButton, ImageState::Checked), nullptr);
    EXPECT_EQ(category.GetWidth(), 100);
}

TEST(UiImages, LoadOnceAndReportAFailedLoadAsEmpty) {
    TempFolder folder;
    WriteSolidPng(folder.path + "TrackBar_Track.png", 200, 8, 0xFF404040);
    WriteSolidPng(folder.path + "TrackBar_Bar.png", 12, 24, 0xFFF0F0F0);
    UiImages images(folder.path);

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

}   // namespace
