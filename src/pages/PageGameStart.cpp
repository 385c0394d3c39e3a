#include "pages/PageGameStart.h"

#include "gfx/Graphics.h"
#include "ui/SharedDrawing.h"

PageGameStart::PageGameStart(PageNavigator& navigator)
    : ControlHostWindow(kStyleId), navigator(navigator) {}

void PageGameStart::PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) {
    g.FillRectangle(&SharedSolidBrush(kPageBackground), x, y, w, h);
}
