// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rectangle and region algebra of the window core: pure functions on RECT values. A region is
// a list of disjoint rectangles; right and bottom are exclusive, and a rectangle without width
// or height is empty.

#include <vector>

#include "platform/WinTypes.h"

namespace Region {

using Rects = std::vector<RECT>;

bool IsEmpty(const RECT& r);
// The overlap of a and b; an all-zero rectangle when they do not overlap.
RECT Intersect(const RECT& a, const RECT& b);
// The smallest rectangle holding both; an empty one does not count.
RECT Union(const RECT& a, const RECT& b);
RECT Offset(RECT r, int dx, int dy);

// Removes the cut from every rectangle of the region; a rectangle it overlaps leaves at most
// four bands (above, below, left, right of the overlap), so the region stays disjoint.
void Subtract(Rects& region, const RECT& cut);
// Keeps only what lies inside the clip; empty pieces are dropped.
void Clip(Rects& region, const RECT& clip);

}   // namespace Region
