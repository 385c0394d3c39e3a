// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Slider.h"

#include <algorithm>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "gfx/Rectangles.h"
#include "platform/Input.h"
#include "ui/ContainerControl.h"

namespace {
constexpr int kDefaultWidth = 100;
constexpr int kDefaultHeight = 30;

int ImageWidth(const Gdiplus::Bitmap* image) { return image ? static_cast<int>(image->GetWidth()) : 0; }
int ImageHeight(const Gdiplus::Bitmap* image) { return image ? static_cast<int>(image->GetHeight()) : 0; }
}   // namespace

Slider::Slider(::StyleId style, ContainerControl* parent) : Control(style, parent) {}

int Slider::ThumbWidth() const { return ImageWidth(ThumbImage); }
int Slider::ThumbHeight() const { return ImageHeight(ThumbImage); }

Gdiplus::Rect Slider::ThumbRect() const {
    const int tw = ThumbWidth();
    const int th = ThumbHeight();
    const int64_t range = int64_t(Bounds.Width) - tw;
    const int64_t span = int64_t(Maximum) - Minimum;
    // A slider without room to move, or without a range, keeps its thumb at the left end
    // rather than dividing by zero.
    const int64_t offset = (range > 0 && span > 0) ? (int64_t(CurrentValue) - Minimum) * range / span : 0;
    return Gdiplus::Rect(Bounds.X + static_cast<int>(offset), Bounds.Y + (Bounds.Height - th) / 2, tw, th);
}

int Slider::GetWidth() const {
    if (Width.HasValue)
        return Width.Value();
    return TrackImage ? ImageWidth(TrackImage) : kDefaultWidth;
}

int Slider::GetHeight() const {
    if (Height.HasValue)
        return Height.Value();
    const int tallest = std::max(ImageHeight(TrackImage), ImageHeight(ThumbImage));
    return tallest > 0 ? tallest : kDefaultHeight;
}

void Slider::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    if (!TrackImage || !ThumbImage)
        return;
    const Gdiplus::Rect track =
        FitRect(ImageWidth(TrackImage), ImageHeight(TrackImage), Bounds.X, Bounds.Y, Bounds.Width, Bounds.Height);
    if (!track.IsEmptyArea())
        g.DrawImage(TrackImage, track);
    const Gdiplus::Rect thumb = ThumbRect();
    g.DrawImage(ThumbImage, thumb.X, thumb.Y);
}

bool Slider::OnMouseDown(int x, int y) {
    const Gdiplus::Rect thumb = ThumbRect();
    if (thumb.Contains(x, y)) {
        GrabOffset = x - thumb.X;
        Dragging = true;
        CaptureMouse();
        return true;
    }
    if (!HitTest(x, y))
        return false;
    GrabOffset = thumb.Width / 2;
    Dragging = true;
    CaptureMouse();
    // A press on the track brings the thumb's centre under the pointer at once.
    OnMouseMove(x, y);
    return true;
}

bool Slider::OnMouseMove(int x, int) {
    if (!Dragging)
        return false;
    const int range = Bounds.Width - ThumbWidth();
    int position = x - GrabOffset - Bounds.X;
    if (position < 0 || range < 0)
        position = 0;
    else if (position > range)
        position = range;
    // Without room to move there is only one place for the thumb: the minimum.
    int64_t candidate = range > 0 ? Minimum + (int64_t(Maximum) - Minimum) * position / range : Minimum;
    candidate = std::clamp<int64_t>(candidate, Minimum, std::max(Minimum, Maximum));
    if (candidate != CurrentValue) {
        CurrentValue = static_cast<int32_t>(candidate);
        if (Parent)
            Parent->OnNotify(NotifyValueChanged, this, this);
    }
    return true;
}

bool Slider::OnMouseUp(int, int) {
    if (!Dragging)
        return false;
    Dragging = false;
    ReleaseCapture();
    return true;
}
