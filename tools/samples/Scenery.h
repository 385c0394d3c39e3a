// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces of outdoor scenes shared by the landscape, flower-field and city painters.

#include "Canvas.h"
#include "SampleRandom.h"

#include <vector>

namespace Scenery {

// Sky gradient from `zenith` at the top to `horizon` at row `horizonY`.
void Sky(Canvas& canvas, double horizonY, const Colour& zenith, const Colour& horizon);

// A glowing disc: sun or moon.
void Sun(Canvas& canvas, double x, double y, double radius, const Colour& disc, const Colour& glow);

// `count` stars above `horizonY`, fading towards it.
void Stars(Canvas& canvas, SampleRandom& random, double horizonY, int32_t count);

// Heaped clouds between `top` and `bottom`, lit from above.
void Clouds(Canvas& canvas, SampleRandom& random, double top, double bottom, int32_t count, const Colour& light,
            const Colour& shade);

// Thin light streaks over water between `top` and `bottom`.
void Ripples(Canvas& canvas, SampleRandom& random, double top, double bottom, const Colour& colour);

// A fir tree standing on (x, baseY).
void Conifer(Canvas& canvas, SampleRandom& random, double x, double baseY, double height, const Colour& colour);

// A round-crowned tree standing on (x, baseY).
void Broadleaf(Canvas& canvas, SampleRandom& random, double x, double baseY, double height, const Colour& colour,
               const Colour& trunk);

// Ridge line points from x = 0 to the canvas width: y = baseY + amplitude * noise.
std::vector<Point> Ridge(Canvas& canvas, SampleRandom& random, double baseY, double amplitude, double wavelength,
                         int32_t octaves);

// Fills below a ridge down to the canvas bottom with a vertical gradient.
void FillBelow(Canvas& canvas, const std::vector<Point>& ridge, const Colour& top, const Colour& bottom);

}   // namespace Scenery
