// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolidPng.h"

#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "ui/ThemeFile.h"

namespace UiTest {

void WriteSolidPng(const std::string& path, int width, int height, Gdiplus::ARGB color) {
    Gdiplus::Bitmap bitmap(width, height);
    {
        Gdiplus::Graphics g(&bitmap);
        g.Clear(Gdiplus::Color(color));
    }
    ASSERT_EQ(bitmap.SavePng(path), Gdiplus::Ok) << path;
}

void WriteThemeImage(const std::string& folder, StyleId style, ImageState state, int width, int height,
                     Gdiplus::ARGB color) {
    const std::string_view file = ThemeFileName(style, state);
    ASSERT_FALSE(file.empty()) << "style " << static_cast<int>(style) << " has no theme file";
    WriteSolidPng(folder + std::string(file), width, height, color);
}

}   // namespace UiTest
