#include "ui/FitRect.h"

Gdiplus::Rect FitRect(int a, int b, int c, int d, int e, int f) {
    // A failed image reports 0 x 0; there is nothing to keep the proportions of.
    if (a <= 0 || b <= 0)
        return Gdiplus::Rect(c, d, 0, 0);
    const int g = b * e / a;
    if (f < g) {
        const int width = a * f / b;
        return Gdiplus::Rect(c + (e - width) / 2, d, width, f);
    }
    return Gdiplus::Rect(c, d + (f - g) / 2, e, g);
}
