#pragma once
// The rectangle helpers (FitRect, FitOrCenter, UnionRect, AreaRect, RoundHalfAwayFromZero) live
// beside Rect in the drawing layer, where the toolkit reaches them without the cutting code;
// this name stays for the board and the code above it.

#include "gfx/Rectangles.h"
