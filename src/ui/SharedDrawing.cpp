// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SharedDrawing.h"

#include <memory>

#include "gfx/FontFamily.h"
#include "gfx/Graphics.h"
#include "ui/Control.h"

namespace {

constexpr float kSmallFontPixels = 12.0f;
constexpr float kFontPixels = 15.0f;

const Gdiplus::FontFamily& ArialOrSansSerif() {
    static const Gdiplus::FontFamily arial("Arial");
    return arial.IsAvailable() ? arial : *Gdiplus::FontFamily::GenericSansSerif();
}

}   // namespace

const Gdiplus::Font& GetStyleFont(StyleId style) {
    if (style == StyleId::PageLabel) {
        static const Gdiplus::Font small(&ArialOrSansSerif(), kSmallFontPixels, Gdiplus::FontStyleRegular,
                                         Gdiplus::UnitPixel);
        return small;
    }
    static const Gdiplus::Font normal(&ArialOrSansSerif(), kFontPixels, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    return normal;
}

const Gdiplus::Font& GetControlFont(const Control& control) { return GetStyleFont(control.StyleId); }

const Gdiplus::StringFormat& CenteredStringFormat() {
    static const Gdiplus::StringFormat format = [] {
        Gdiplus::StringFormat f;
        f.SetAlignment(Gdiplus::StringAlignmentCenter);
        f.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        return f;
    }();
    return format;
}

Gdiplus::SolidBrush& SharedSolidBrush(Gdiplus::ARGB color) {
    static Gdiplus::SolidBrush brush{Gdiplus::Color(Gdiplus::Color::Black)};
    brush.SetColor(Gdiplus::Color(color));
    return brush;
}

Gdiplus::Pen& SharedPen(Gdiplus::ARGB color, float width) {
    // The first caller's values create the pen; every caller sets its own before use.
    static Gdiplus::Pen pen(Gdiplus::Color(color), width);
    pen.SetColor(Gdiplus::Color(color));
    pen.SetWidth(width);
    return pen;
}

Gdiplus::SolidBrush& ContainerBackgroundBrush() {
    static Gdiplus::SolidBrush brush{Gdiplus::Color(kContainerBackground)};
    return brush;
}

Gdiplus::Bitmap* PlaceholderBitmap() {
    static Gdiplus::Bitmap placeholder(1, 1, Gdiplus::PixelFormat32bppARGB);
    static const Gdiplus::Status cleared = placeholder.SetPixel(0, 0, Gdiplus::Color(0));
    static_cast<void>(cleared);
    return &placeholder;
}

Gdiplus::ARGB BackgroundColor(StyleId style) {
    return style == StyleId::ListView ? kListViewBackground : kPageBackground;
}

void DrawCaption(Gdiplus::Graphics& g, const Control& control, const std::string& text) {
    if (text.empty())
        return;
    g.DrawString(text, &GetControlFont(control), Gdiplus::RectF(control.Bounds), &CenteredStringFormat(),
                 &SharedSolidBrush(kCaptionColor));
}
