// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

#include "SampleRandom.h"
#include "Scenery.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct TimeOfDay {
    uint32_t zenith, horizon;
    uint32_t farBuildings, nearBuildings;
    uint32_t windowLit, windowDark;
    double litShare;   // share of windows with a light on
    uint32_t water;
    bool night;
};

// day, dusk, night
constexpr std::array<TimeOfDay, 3> kTimes = {{
    {0x3A7CC8, 0xD4ECF8, 0x9AAEC4, 0x5A6E88, 0xE8F4FF, 0x7890AC, 0.0, 0x3C78A8, false},
    {0x2C2A6A, 0xF49A5C, 0x7A5E84, 0x3E3450, 0xFFD890, 0x2A2438, 0.45, 0x4A3E70, false},
    {0x050A22, 0x1C2E5C, 0x1E2A48, 0x10162A, 0xFFE08A, 0x141C30, 0.55, 0x0E1834, true},
}};

// One row of buildings standing on `groundY`, from the left edge to the right.
void Buildings(Canvas& canvas, SampleRandom& random, const TimeOfDay& time, double groundY, double minHeight,
               double maxHeight, const Colour& body, double windowScale) {
    const double w = canvas.Width();
    const double unit = std::min(w, static_cast<double>(canvas.Height())) / 1000.0;
    double x = -random.Uniform(0, unit * 40);
    while (x < w) {
        const double width = unit * random.Uniform(40, 110) * windowScale;
        const double height = random.Uniform(minHeight, maxHeight);
        const double top = groundY - height;
        const Colour wall = body.Mix(Colour::Hsv(random.Uniform(0, 360), 0.3, 0.7), random.Uniform(0, 0.18));
        const int32_t roof = random.Int(0, 4);
        canvas.Rectangle(x, top, width, height + 2);
        if (roof == 1) {   // spire
            canvas.Polygon({{x + width * 0.35, top}, {x + width * 0.5, top - height * 0.25}, {x + width * 0.65, top}});
        } else if (roof == 2) {   // stepped crown
            canvas.Rectangle(x + width * 0.15, top - height * 0.06, width * 0.7, height * 0.06 + 1);
            canvas.Rectangle(x + width * 0.3, top - height * 0.11, width * 0.4, height * 0.05 + 1);
        } else if (roof == 3) {   // dome
            canvas.Ellipse(x + width / 2, top, width * 0.38, width * 0.3);
        }
        canvas.FillLinear(x, 0, x + width, 0, {{0, wall.Lighter(0.12)}, {0.55, wall}, {1, wall.Darker(0.3)}});
        if (roof == 1) {
            canvas.MoveTo(x + width * 0.5, top - height * 0.25);
            canvas.LineTo(x + width * 0.5, top - height * 0.32);
            canvas.Stroke(wall.Lighter(0.3), unit * 2);
        }

        // Windows: a grid, each pane lit or dark; batched into two fills.
        const double pane = unit * random.Uniform(7, 11) * windowScale;
        const int32_t columns = std::max(1, static_cast<int32_t>((width - pane) / (pane * 1.9)));
        const double gap = (width - columns * pane) / (columns + 1);
        const bool lightsOn = time.litShare > 0;
        // Both passes must see the same panes lit, so each replays one seed.
        const auto windowSeed = static_cast<uint32_t>(random.Int(0, 1 << 30));
        for (int32_t lit = 0; lit < 2; ++lit) {
            SampleRandom pattern(windowSeed);
            for (double y = top + pane; y < groundY - pane * 1.5; y += pane * 1.8)
                for (int32_t c = 0; c < columns; ++c) {
                    const bool on = lightsOn ? pattern.Chance(time.litShare) : pattern.Chance(0.3);
                    if (on == (lit == 1))
                        canvas.Rectangle(x + gap + c * (pane + gap), y, pane, pane * 1.2);
                }
            const Colour pane0 = Colour::Rgb(time.windowDark), pane1 = Colour::Rgb(time.windowLit);
            canvas.Fill(lit == 1 ? pane1.WithAlpha(lightsOn ? 0.95 : 0.55) : pane0.WithAlpha(0.8));
        }
        x += width + unit * random.Uniform(0, 14);
    }
}

}   // namespace

namespace Scenes {

void PaintSkyline(Canvas& canvas, int32_t timeIndex, uint32_t seed) {
    SampleRandom random(seed);
    const TimeOfDay& time = kTimes[static_cast<size_t>(timeIndex) % kTimes.size()];
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const double waterY = h * random.Uniform(0.6, 0.66);
    const Colour horizon = Colour::Rgb(time.horizon);

    Scenery::Sky(canvas, waterY, Colour::Rgb(time.zenith), horizon);
    if (time.night) {
        Scenery::Stars(canvas, random, waterY, 1400);
        Scenery::Sun(canvas, w * random.Uniform(0.15, 0.85), h * 0.14, unit * 30, Colour::Rgb(0xF4F0DC),
                     Colour::Rgb(0x90A4D8));
    } else {
        Scenery::Sun(canvas, w * random.Uniform(0.2, 0.8), waterY * (timeIndex == 1 ? 0.7 : 0.25), unit * 42,
                     Colour::Rgb(0xFFF4C0), Colour::Rgb(timeIndex == 1 ? 0xFF8A40 : 0xFFF8D8));
    }
    Scenery::Clouds(canvas, random, waterY * 0.05, waterY * 0.45, time.night ? 7 : 9,
                    Colour::Rgb(time.night ? 0x3A4670 : (timeIndex == 1 ? 0xFFB88A : 0xFFFFFF), 0.9),
                    Colour::Rgb(time.night ? 0x1A2040 : (timeIndex == 1 ? 0x6A3A6A : 0xAAB8CC), 0.85));

    Buildings(canvas, random, time, waterY, h * 0.12, h * 0.3, Colour::Rgb(time.farBuildings).Mix(horizon, 0.25), 0.7);
    Buildings(canvas, random, time, waterY, h * 0.06, h * 0.22, Colour::Rgb(time.nearBuildings), 1.0);
    // The quay: a dark band with street lamps.
    canvas.Rectangle(0, waterY - unit * 10, w, unit * 12);
    canvas.Fill(Colour::Rgb(time.nearBuildings).Darker(0.4));
    for (double x = random.Uniform(0, unit * 60); x < w; x += unit * 70) {
        canvas.Circle(x, waterY - unit * 18, unit * 4);
        canvas.Fill(Colour::Rgb(time.night || timeIndex == 1 ? 0xFFE8A0 : 0xDDE4EA));
    }

    canvas.Mirror(waterY, h, Colour::Rgb(time.water, 0.45));
    Scenery::Ripples(canvas, random, waterY + unit * 3, h, horizon.Lighter(0.3).WithAlpha(0.5));
    // Boats with their sails.
    for (int32_t i = random.Int(3, 6); i > 0; --i) {
        const double depth = random.Uniform(0.15, 0.9);
        const double y = waterY + (h - waterY) * depth;
        const double size = unit * (25 + 60 * depth);
        const double x = random.Uniform(0.05, 0.95) * w;
        const Colour hull = Colour::Hsv(random.Uniform(0, 360), 0.6, time.night ? 0.3 : 0.7);
        canvas.Polygon(
            {{x - size, y - size * 0.25}, {x + size, y - size * 0.25}, {x + size * 0.7, y}, {x - size * 0.7, y}});
        canvas.Fill(hull);
        canvas.Polygon(
            {{x - size * 0.05, y - size * 0.3}, {x - size * 0.05, y - size * 1.8}, {x - size * 0.8, y - size * 0.35}});
        canvas.Fill(Colour::Rgb(time.night ? 0x8090B0 : 0xF8F4EC));
        canvas.Polygon(
            {{x + size * 0.05, y - size * 0.3}, {x + size * 0.05, y - size * 1.5}, {x + size * 0.6, y - size * 0.35}});
        canvas.Fill(Colour::Hsv(random.Uniform(0, 360), 0.5, time.night ? 0.4 : 0.95));
        canvas.Rectangle(x - size * 0.7, y, size * 1.4, size * 0.12);
        canvas.Fill(Colour::Rgb(0x000000, 0.2));
    }
}

}   // namespace Scenes
