#include "ui/Button.h"

#include "gfx/Graphics.h"
#include "ui/ContainerControl.h"
#include "ui/SharedDrawing.h"
#include "ui/Theme.h"

namespace {
const Gdiplus::Size kDefaultSize(100, 25);
}  // namespace

Button::Button(int32_t styleId, ContainerControl* parent) : ClickableControl(styleId, parent) {}

int Button::GetWidth() const {
    return Width.HasValue ? Width.Value() : Theme::NaturalSize(StyleId, kDefaultSize).Width;
}

int Button::GetHeight() const {
    return Height.HasValue ? Height.Value() : Theme::NaturalSize(StyleId, kDefaultSize).Height;
}

void Button::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    try {
        if (Gdiplus::Bitmap* image = Theme::Image(StyleId, ImageState::Checked))
            g.DrawImage(image, Bounds);
        DrawCaption(g, *this, Text);
    } catch (...) {
        // Containment point of button painting: a button that cannot draw stays blank.
    }
}
