// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>

#include "gfx/Gdiplus.h"

using namespace Gdiplus;

namespace {

ARGB Pixel(Bitmap& bitmap, int x, int y) {
    Color c;
    bitmap.GetPixel(x, y, &c);
    return c.GetValue();
}

// The number of pixels with any alpha inside and outside the rectangle.
std::pair<int, int> InkInsideAndOutside(Bitmap& bitmap, const Rect& rect) {
    int inside = 0, outside = 0;
    for (int y = 0; y < int(bitmap.GetHeight()); ++y)
        for (int x = 0; x < int(bitmap.GetWidth()); ++x)
            if (Pixel(bitmap, x, y) >> 24)
                ++(rect.Contains(x, y) ? inside : outside);
    return {inside, outside};
}

// A picture whose every pixel is different: red and green count the column and row.
std::unique_ptr<Bitmap> NumberedPicture(int w, int h) {
    auto picture = std::make_unique<Bitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture->SetPixel(x, y, Color(255, BYTE(x), BYTE(y), 77));
    return picture;
}

}   // namespace

TEST(Graphics, CaptionsDrawInsideTheirRectangleOnly) {
    FontFamily arial("Arial");
    Font font(&arial, 15.0f, FontStyleRegular, UnitPixel);
    StringFormat centred;
    centred.SetAlignment(StringAlignmentCenter);
    centred.SetLineAlignment(StringAlignmentCenter);
    SolidBrush white(Color(0xFFFFFFFF));
    struct Case {
        const char* text;
        Rect rect;
        int minLines;
    };
    const Case cases[] = {
        {"Shuffle", Rect(30, 20, 80, 30), 1},
        {"Back to Gallery and more words than fit", Rect(40, 10, 60, 40), 2},   // wraps, then clipped
        {"Unbreakablewordthatiswiderthanitsbox", Rect(20, 30, 50, 20), 1},
        {"Caf\xE9 cr\xE8me", Rect(10, 10, 140, 30), 1},   // not UTF-8: still drawn
    };
    for (const Case& c : cases) {
        Bitmap bitmap(160, 80);
        Graphics g(&bitmap);
        g.SetTextRenderingHint(TextRenderingHintAntiAlias);
        ASSERT_EQ(g.DrawString(c.text, &font, RectF(c.rect), &centred, &white), Ok);
        g.Flush();
        const auto [inside, outside] = InkInsideAndOutside(bitmap, c.rect);
        EXPECT_GT(inside, 30) << c.text;
        EXPECT_EQ(outside, 0) << c.text;
        RectF box;
        int lines = 0;
        g.MeasureString(c.text, &font, RectF(c.rect), &centred, &box, &lines);
        EXPECT_GE(lines, c.minLines) << c.text;
    }
}

TEST(Graphics, ShortCaptionsAreCentredBothWays) {
    Font font("Arial", 15.0f, FontStyleRegular, UnitPixel);
    StringFormat centred;
    centred.SetAlignment(StringAlignmentCenter);
    centred.SetLineAlignment(StringAlignmentCenter);
    SolidBrush white(Color(0xFFFFFFFF));
    Bitmap bitmap(200, 60);
    Graphics g(&bitmap);
    g.DrawString("Pause", &font, RectF(0, 0, 200, 60), &centred, &white);
    g.Flush();
    int minX = 200, maxX = 0, minY = 60, maxY = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (Pixel(bitmap, x, y) >> 24 > 128)
                minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
    EXPECT_NEAR((minX + maxX) / 2.0, 100.0, 3.0);
    EXPECT_NEAR((minY + maxY) / 2.0, 30.0, 4.0);
    EXPECT_GE(maxY - minY, 8);   // a 15-pixel font: capitals about 11 pixels high
    EXPECT_LE(maxY - minY, 15);
}

TEST(Graphics, FontFamiliesResolveThroughStandInsOrFallBack) {
    EXPECT_TRUE(FontFamily("Arial").IsAvailable());
    EXPECT_TRUE(FontFamily::GenericSansSerif()->IsAvailable());
    const FontFamily missing("No Such Family Anywhere");
    EXPECT_EQ(missing.GetLastStatus(), FontFamilyNotFound);
    // A font of a missing family still draws, with the generic family.
    Font font(&missing, 15.0f, FontStyleBold, UnitPixel);
    EXPECT_EQ(font.GetLastStatus(), FontFamilyNotFound);
    Bitmap bitmap(100, 30);
    Graphics g(&bitmap);
    SolidBrush black(Color(0xFF000000));
    g.DrawString("Text", &font, RectF(0, 0, 100, 30), nullptr, &black);
    g.Flush();
    EXPECT_GT(InkInsideAndOutside(bitmap, Rect(0, 0, 100, 30)).first, 20);
}

TEST(Graphics, ClipLimitsDrawingAndStaysPutWhenTheTransformMoves) {
    Bitmap bitmap(50, 40);
    Graphics g(&bitmap);
    SolidBrush red(Color(0xFFFF0000));
    g.TranslateTransform(5, 5);
    g.SetClip(Rect(0, 0, 10, 10));   // pixels 5..14
    g.ResetTransform();
    Rect clip;
    g.GetClipBounds(&clip);
    EXPECT_EQ(clip, Rect(5, 5, 10, 10));
    g.IntersectClip(Rect(10, 0, 50, 50));   // pixels 10..14
    g.FillRectangle(&red, 0, 0, 50, 40);
    g.Flush();
    EXPECT_EQ(InkInsideAndOutside(bitmap, Rect(10, 5, 5, 10)), std::make_pair(50, 0));

    g.ResetClip();
    g.Clear(Color(0x00000000));
    g.TranslateTransform(-3, 2);
    g.GetClipBounds(&clip);
    EXPECT_EQ(clip, Rect(3, -2, 50, 40));   // the whole bitmap, in world coordinates
    g.FillRectangle(&red, 3, -2, 50, 40);
    g.Flush();
    EXPECT_EQ(InkInsideAndOutside(bitmap, Rect(0, 0, 50, 40)).first, 50 * 40);
}

TEST(Graphics, ImagesDrawnAtAPointAreExactCopies) {
    auto picture = NumberedPicture(20, 10);
    picture->SetPixel(0, 0, Color(0x80FF0000));   // half-transparent corner
    Bitmap target(40, 30);
    Graphics g(&target);
    g.TranslateTransform(3, 4);
    g.DrawImage(picture.get(), 5, 6);
    g.Flush();
    EXPECT_EQ(InkInsideAndOutside(target, Rect(8, 10, 20, 10)), std::make_pair(200, 0));
    EXPECT_EQ(Pixel(target, 8 + 7, 10 + 3), Color(255, 7, 3, 77).GetValue());
    EXPECT_EQ(Pixel(target, 8, 10), 0x80FF0000u);
}

TEST(Graphics, ScaledImagesFillExactlyTheirRectangle) {
    auto picture = NumberedPicture(64, 48);
    for (const Rect dest : {Rect(10, 5, 30, 20), Rect(0, 0, 100, 70), Rect(7, 9, 3, 2)}) {
        Bitmap target(100, 70);
        Graphics g(&target);
        g.DrawImage(picture.get(), dest);
        g.Flush();
        EXPECT_EQ(InkInsideAndOutside(target, dest), std::make_pair(dest.Width * dest.Height, 0));
    }
    // A source rectangle at the same size is a plain copy of those pixels.
    Bitmap target(20, 20);
    Graphics g(&target);
    g.DrawImage(picture.get(), Rect(0, 0, 10, 10), 30, 20, 10, 10);
    g.Flush();
    EXPECT_EQ(Pixel(target, 4, 6), Color(255, 34, 26, 77).GetValue());
}

TEST(Graphics, TextureBrushCutsAPieceAtItsPlaceInThePicture) {
    // The way a piece image is cut: a bitmap as large as the outline's bounds, the world moved
    // by the bounds' corner, the outline filled with the tiled picture.
    auto picture = NumberedPicture(120, 90);
    GraphicsPath outline;
    outline.AddBezier(Point(40, 30), Point(60, 10), Point(80, 10), Point(100, 30));
    outline.AddLine(100, 30, 100, 80);
    outline.AddLine(100, 80, 40, 80);
    outline.CloseFigure();
    Rect bounds;
    outline.GetBounds(&bounds);
    Bitmap piece(bounds.Width, bounds.Height);
    Graphics g(&piece);
    g.SetSmoothingMode(SmoothingModeHighSpeed);
    TextureBrush brush(picture.get(), WrapModeTile);
    g.TranslateTransform(float(-bounds.X), float(-bounds.Y));
    g.FillPath(&brush, &outline);
    g.Flush();
    int opaque = 0;
    for (int y = 0; y < bounds.Height; ++y)
        for (int x = 0; x < bounds.Width; ++x) {
            const ARGB p = Pixel(piece, x, y);
            ASSERT_EQ(outline.IsVisible(bounds.X + x, bounds.Y + y), p != 0) << x << "," << y;
            if (p) {
                ++opaque;
                ASSERT_EQ(p, Color(255, BYTE(bounds.X + x), BYTE(bounds.Y + y), 77).GetValue()) << x << "," << y;
            }
        }
    EXPECT_GT(opaque, 60 * 50);
}

TEST(Graphics, TextureBrushTilesAndFollowsItsTransform) {
    auto picture = NumberedPicture(10, 10);
    Bitmap target(30, 30);
    Graphics g(&target);
    TextureBrush brush(picture.get());
    brush.TranslateTransform(3, 0);   // texture pixel (0, 0) at world (3, 0)
    g.FillRectangle(&brush, 0, 0, 30, 30);
    g.Flush();
    EXPECT_EQ(Pixel(target, 3, 0), Color(255, 0, 0, 77).GetValue());
    EXPECT_EQ(Pixel(target, 25, 17), Color(255, 2, 7, 77).GetValue());
    EXPECT_EQ(Pixel(target, 1, 1), Color(255, 8, 1, 77).GetValue());
    // The brush keeps the picture's pixels after the picture object is gone.
    auto shortLived = NumberedPicture(4, 4);
    TextureBrush kept(shortLived.get());
    shortLived.reset();
    g.ResetTransform();
    g.FillRectangle(&kept, 0, 0, 4, 4);
    g.Flush();
    EXPECT_EQ(Pixel(target, 2, 3), Color(255, 2, 3, 77).GetValue());
}

TEST(Graphics, OnePixelPensCoverWholePixelsWithoutSmoothing) {
    Bitmap target(30, 20);
    Graphics g(&target);
    g.SetSmoothingMode(SmoothingModeHighSpeed);
    Pen pen(Color(0xFFFFFFFF), 1.0f);
    g.DrawRectangle(&pen, 5, 3, 10, 8);   // columns 5 and 15, rows 3 and 11
    g.Flush();
    int lit = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) {
            const ARGB p = Pixel(target, x, y);
            ASSERT_TRUE(p == 0 || p == 0xFFFFFFFF) << x << "," << y;
            const bool onFrame =
                ((x == 5 || x == 15) && y >= 3 && y <= 11) || ((y == 3 || y == 11) && x >= 5 && x <= 15);
            EXPECT_EQ(p != 0, onFrame) << x << "," << y;
            lit += p != 0;
        }
    EXPECT_EQ(lit, 2 * 11 + 2 * 7);
}

TEST(Graphics, AGraphicsOnAFailedBitmapReportsAndDrawsNothing) {
    Bitmap failed(0, 0);
    Graphics g(&failed);
    EXPECT_EQ(g.GetLastStatus(), InvalidParameter);
    SolidBrush brush(Color(0xFF000000));
    EXPECT_EQ(g.FillRectangle(&brush, 0, 0, 5, 5), InvalidParameter);
    EXPECT_EQ(g.GetLastStatus(), InvalidParameter);
    Bitmap ok(5, 5);
    Graphics g2(&ok);
    EXPECT_EQ(g2.DrawImage(&failed, 0, 0), InvalidParameter);
    EXPECT_EQ(g2.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(g2.GetLastStatus(), Ok);
}
