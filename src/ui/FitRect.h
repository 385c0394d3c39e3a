#pragma once
// The shared aspect-preserving fit of an image into a box, scaling up as well as down.

#include "gfx/GdiplusTypes.h"

// An a x b image fitted into the box at (c, d) of e x f, centred along the axis with room to
// spare; every division truncates toward zero. An image with no area gives an empty rectangle
// at the box's corner instead of dividing by zero.
Gdiplus::Rect FitRect(int a, int b, int c, int d, int e, int f);
