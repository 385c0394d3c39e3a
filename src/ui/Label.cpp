#include "ui/Label.h"

#include "gfx/Graphics.h"
#include "ui/SharedDrawing.h"
#include "ui/Theme.h"

namespace {
const Gdiplus::Size kDefaultSize(100, 25);
}  // namespace

Label::Label(int32_t styleId, ContainerControl* parent) : Control(styleId, parent) {}

int Label::GetWidth() const {
    return Width.HasValue ? Width.Value() : Theme::NaturalSize(StyleId, kDefaultSize).Width;
}

int Label::GetHeight() const {
    return Height.HasValue ? Height.Value() : Theme::NaturalSize(StyleId, kDefaultSize).Height;
}

void Label::Paint(Gdiplus::Graphics& g, int, int, int, int) {
    try {
        if (Gdiplus::Bitmap* image = Theme::Image(StyleId, ImageState::Checked))
            g.DrawImage(image, Bounds);
        DrawCaption(g, *this, Text);
    } catch (...) {
        // Containment point of label painting: a label that cannot draw stays blank.
    }
}
