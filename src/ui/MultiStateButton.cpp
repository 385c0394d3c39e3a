#include "ui/MultiStateButton.h"

#include "gfx/Graphics.h"
#include "ui/ContainerControl.h"
#include "ui/SharedDrawing.h"
#include "ui/Theme.h"

namespace {
const Gdiplus::Size kDefaultSize(100, 25);
}  // namespace

MultiStateButton::MultiStateButton(int32_t styleId, ContainerControl* parent)
    : ClickableControl(styleId, parent) {}

int MultiStateButton::GetWidth() const {
    return Width.HasValue ? Width.Value() : Theme::NaturalSize(StyleId, kDefaultSize).Width;
}

int MultiStateButton::GetHeight() const {
    return Height.HasValue ? Height.Value() : Theme::NaturalSize(StyleId, kDefaultSize).Height;
}

void MultiStateButton::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    const ImageState look = State == kChecked ? ImageState::Checked : ImageState::Unchecked;
    if (Gdiplus::Bitmap* image = Theme::Image(StyleId, look))
        g.DrawImage(image, Bounds);
    if (State == kChecked)
        DrawCaption(g, *this, CheckedText);
    else if (State == kUnchecked)
        DrawCaption(g, *this, UncheckedText);
}
