// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random placement of every group around the middle of the board, away from the preview.

#include <cstdint>
#include <functional>

#include "geometry/Random.h"
#include "gfx/GdiplusTypes.h"

class Board;

// Where the picture is meant to be assembled: 30 % of the board's area in the picture's
// proportions (the picture's own size when that is smaller), centred in the board.
Gdiplus::Rect TargetRect(const Gdiplus::Rect& board, int32_t pictureWidth, int32_t pictureHeight);

// Moves every group of the board to a random position inside the board rectangle, largest
// groups first, preferring positions off the target rectangle and the preview and overlapping
// the groups placed before as little as possible. The drawing order, the clock and the drag
// are untouched. Each candidate draws two values from nextRandom (0 to 32767).
void Scatter(Board& board, const Gdiplus::Rect& boardRect, const Gdiplus::Rect& preview,
             const std::function<int32_t()>& nextRandom = &Random::Next);
