#include "pages/PageStart.h"

#include "gfx/Graphics.h"
#include "ui/SharedDrawing.h"

PageStart::PageStart(PageNavigator& navigator)
    : ControlHostWindow(kStyleId), navigator(navigator) {}

void PageStart::PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) {
    g.FillRectangle(&SharedSolidBrush(kPageBackground), x, y, w, h);
}
