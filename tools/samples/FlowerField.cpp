// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

#include "SampleRandom.h"
#include "Scenery.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

struct Field {
    uint32_t zenith, horizon;
    uint32_t ground;
    std::array<uint32_t, 4> flowers;
    double stripesPerUnit;   // colour stripes per unit of the ground's slope from the vanishing point; 0: mixed
    bool spikes;             // lavender-like spikes instead of cups
};

// tulips, poppies, lavender, wildflowers
constexpr std::array<Field, 4> kFields = {{
    {0x3C7BD0, 0xD8ECF6, 0x4E7A2A, {0xE8242E, 0xFFD21E, 0xF06AA8, 0x8A3AC8}, 2.2, false},
    {0x5588C8, 0xF2E8CC, 0x5E8A2E, {0xE02A1A, 0xC81E14, 0xF04828, 0x6EA032}, 0, false},
    {0x4C86D0, 0xF4D8C0, 0x7A6A3A, {0x8C5CC8, 0x7A48B8, 0x9E70D8, 0x6A8A3A}, 5, true},
    {0x3A8AD8, 0xE2F2F8, 0x5A9430, {0xFFFFFF, 0xFFD830, 0xE040A0, 0x4070E0}, 0, false},
}};

}   // namespace

namespace Scenes {

void PaintFlowerField(Canvas& canvas, int32_t kind, uint32_t seed) {
    SampleRandom random(seed);
    const Field& field = kFields[static_cast<size_t>(kind) % kFields.size()];
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const double horizonY = h * random.Uniform(0.38, 0.46);
    const Colour horizon = Colour::Rgb(field.horizon);

    Scenery::Sky(canvas, horizonY, Colour::Rgb(field.zenith), horizon);
    Scenery::Sun(canvas, w * random.Uniform(0.15, 0.85), horizonY * random.Uniform(0.2, 0.5), unit * 34,
                 Colour::Rgb(0xFFFBE8), Colour::Rgb(0xFFF0C0));
    Scenery::Clouds(canvas, random, horizonY * 0.1, horizonY * 0.75, random.Int(6, 10), Colour::Rgb(0xFFFFFF, 0.95),
                    Colour::Rgb(0xB4C0D4, 0.85));

    // Far hills with a fringe of trees along their crest.
    for (int32_t layer = 0; layer < 2; ++layer) {
        const double baseY = horizonY - h * (0.04 - 0.025 * layer);
        const std::vector<Point> ridge = Scenery::Ridge(canvas, random, baseY, h * 0.06, w * 0.3, 4);
        const Colour hill = Colour::Rgb(layer == 0 ? 0x7E9CB0 : 0x5E8A56).Mix(horizon, 0.3 - 0.2 * layer);
        Scenery::FillBelow(canvas, ridge, hill, hill.Darker(0.2));
        for (size_t i = 0; i < ridge.size(); i += static_cast<size_t>(random.Int(2, 6)))
            Scenery::Broadleaf(canvas, random, ridge[i].x, ridge[i].y + unit * 6,
                               unit * random.Uniform(14, 30) * (1 + layer), hill.Darker(0.25), hill.Darker(0.5));
    }

    // Ground from the horizon down, then perspective bands that the rows of flowers follow.
    const double vanishX = w * random.Uniform(0.35, 0.65);
    canvas.Rectangle(0, horizonY, w, h - horizonY);
    canvas.FillLinear(0, horizonY, 0, h,
                      {{0, Colour::Rgb(field.ground).Mix(horizon, 0.4)}, {1, Colour::Rgb(field.ground)}});
    auto colourIndexAt = [&](double x, double y) -> size_t {
        if (field.stripesPerUnit <= 0)
            return static_cast<size_t>(random.Int(0, 3));
        const double slope = (x - vanishX) / std::max(1.0, y - horizonY);
        return static_cast<size_t>(static_cast<int64_t>(std::floor(slope * field.stripesPerUnit) + 1000) % 4);
    };
    if (field.stripesPerUnit > 0) {
        for (int32_t band = -40; band < 40; ++band) {
            const size_t index = static_cast<size_t>((band + 1000) % 4);
            const double s0 = band / field.stripesPerUnit, s1 = (band + 1) / field.stripesPerUnit;
            const double depth = h - horizonY;
            canvas.Polygon(
                {{vanishX, horizonY}, {vanishX + s0 * depth * 1.1, h * 1.1}, {vanishX + s1 * depth * 1.1, h * 1.1}});
            canvas.Fill(Colour::Rgb(field.flowers[index])
                            .Mix(horizon, 0.25)
                            .WithAlpha(field.spikes && index == 3 ? 0.3 : 0.85));
        }
    }

    double y = horizonY + unit;
    while (y < h + unit * 30) {
        const double depth = (y - horizonY) / (h - horizonY);
        const double size = unit * (1 + 30 * std::pow(depth, 1.25));
        y += std::max(1.5, size * 0.55);
        if (size < 2.2)
            continue;
        std::array<std::vector<Point>, 4> byColour;
        const double spacing = size * (field.spikes ? 0.7 : 1.15);
        for (double x = -size + random.Uniform(0, spacing); x < w + size; x += spacing * random.Uniform(0.8, 1.2))
            byColour[colourIndexAt(x, y)].push_back({x + random.Jitter(size * 0.3), y + random.Jitter(size * 0.2)});
        for (size_t c = 0; c < byColour.size(); ++c) {
            if (byColour[c].empty())
                continue;
            const Colour colour = Colour::Rgb(field.flowers[c]);
            const bool leafy = field.spikes && c == 3;
            for (const Point& p : byColour[c]) {
                canvas.MoveTo(p.x, p.y);
                canvas.LineTo(p.x + size * 0.1, p.y + size * 1.2);
            }
            canvas.Stroke(Colour::Rgb(0x3A6A22), std::max(0.8, size * 0.12));
            for (const Point& p : byColour[c]) {
                if (field.spikes) {
                    canvas.Ellipse(p.x, p.y - size * 0.3, size * (leafy ? 0.5 : 0.22), size * (leafy ? 0.3 : 0.7));
                } else {
                    canvas.MoveTo(p.x - size * 0.45, p.y - size * 0.55);
                    canvas.CurveTo(p.x - size * 0.5, p.y + size * 0.25, p.x + size * 0.5, p.y + size * 0.25,
                                   p.x + size * 0.45, p.y - size * 0.55);
                    canvas.LineTo(p.x + size * 0.2, p.y - size * 0.3);
                    canvas.LineTo(p.x, p.y - size * 0.6);
                    canvas.LineTo(p.x - size * 0.2, p.y - size * 0.3);
                    canvas.ClosePath();
                }
            }
            canvas.FillLinear(0, y - size, 0, y + size * 0.3,
                              {{0, colour.Lighter(0.3)}, {0.6, colour}, {1, colour.Darker(0.3)}});
        }
    }
}

}   // namespace Scenes
