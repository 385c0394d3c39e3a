// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The painters of the sample pictures; each fills the whole canvas from the picture's seed.

#include "Canvas.h"
#include "SamplePicture.h"

namespace Scenes {

// Draws `picture` at the canvas's size, whatever that size is.
void Paint(Canvas& canvas, const SamplePicture& picture);

void PaintLandscape(Canvas& canvas, int32_t mood, uint32_t seed);
void PaintFlowerField(Canvas& canvas, int32_t kind, uint32_t seed);
void PaintSkyline(Canvas& canvas, int32_t timeOfDay, uint32_t seed);
void PaintStainedGlass(Canvas& canvas, int32_t kind, uint32_t seed);
void PaintTileMosaic(Canvas& canvas, int32_t kind, uint32_t seed);
void PaintHexTiles(Canvas& canvas, int32_t kind, uint32_t seed);
void PaintTruchet(Canvas& canvas, int32_t kind, uint32_t seed);
void PaintMandala(Canvas& canvas, int32_t kind, uint32_t seed);
void PaintWaves(Canvas& canvas, uint32_t seed);
void PaintQuilt(Canvas& canvas, uint32_t seed);

}   // namespace Scenes
