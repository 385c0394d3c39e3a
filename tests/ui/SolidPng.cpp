#include "SolidPng.h"

#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"

namespace UiTest {

void WriteSolidPng(const std::string& path, int width, int height, Gdiplus::ARGB color) {
    Gdiplus::Bitmap bitmap(width, height);
    {
        Gdiplus::Graphics g(&bitmap);
        g.Clear(Gdiplus::Color(color));
    }
    ASSERT_EQ(bitmap.SavePng(path), Gdiplus::Ok) << path;
}

}  // namespace UiTest
