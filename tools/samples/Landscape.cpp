// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

#include "Noise.h"
#include "SampleRandom.h"
#include "Scenery.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Mood {
    uint32_t zenith, horizon;
    uint32_t sunDisc, sunGlow;
    double sunX, sunHeight;   // fractions of the width and of the sky's height above the horizon
    double sunSize;
    int32_t stars;
    uint32_t cloudLight, cloudShade;
    int32_t clouds;
    uint32_t farMountain, nearMountain;
    uint32_t snow;
    double snowCover;   // share of each mountain's height under snow
    uint32_t hillTop, hillBottom;
    uint32_t trees[3];
    bool broadleaves;   // round crowns instead of firs, mostly
    uint32_t water;
    uint32_t grass;
    uint32_t flowers[3];
    double mist;
};

// dawn, noon, sunset, night, autumn, winter, mist, spring
// Laid out by hand: one mood a block of rows, its fields in the order of Mood.
// clang-format off
constexpr std::array<Mood, 8> kMoods = {{
    {0x34508C, 0xF5B08C, 0xFFE9B0, 0xFFB37A, 0.3, 0.42, 38, 0, 0xFFD2C0, 0xA07A9A, 6,
     0x7A6E9E, 0x514C7C, 0xF6DDE3, 0.3, 0x5E7F4C, 0x2D4528, {0x2F5A35, 0x3F6B3A, 0x27452E}, false,
     0x6C7FAE, 0x4F7A3C, {0xF4C2D8, 0xFFF2B0, 0xFFFFFF}, 0.35},
    {0x2A67BE, 0xBEE3F8, 0xFFFFF0, 0xFFF7C8, 0.75, 0.8, 34, 0, 0xFFFFFF, 0xB6C6D8, 9,
     0x8597B8, 0x58698A, 0xFFFFFF, 0.35, 0x83B84E, 0x3B7428, {0x2E6B2E, 0x3F7F34, 0x245A2A}, false,
     0x3F7FB8, 0x5C9E34, {0xFFD93B, 0xFFFFFF, 0xE8483B}, 0.12},
    {0x281C5A, 0xFF8C3A, 0xFFF0A0, 0xFF7A2A, 0.55, 0.4, 70, 0, 0xFFB070, 0x7A3A6A, 7,
     0x7A4474, 0x452849, 0xFFC9A8, 0.2, 0x6A5A2E, 0x2A2016, {0x2C2A1C, 0x3A3020, 0x231E18}, true,
     0x8A4A60, 0x5A4A22, {0xFF9A50, 0xFFD060, 0xE04A3A}, 0.2},
    {0x040920, 0x213669, 0xF4F1DC, 0x8FA6D8, 0.68, 0.55, 30, 900, 0x44507A, 0x1A2142, 4,
     0x263357, 0x161E38, 0xB8C6E4, 0.3, 0x1C3330, 0x0A1513, {0x0F241F, 0x15302A, 0x0B1B18}, false,
     0x1A2850, 0x1B3327, {0xB0C4FF, 0xE0E6FF, 0x8090D0}, 0.1},
    {0x4C84C4, 0xEDE2C4, 0xFFF6D6, 0xFFE0A0, 0.2, 0.6, 34, 0, 0xFFFFFF, 0xB9B0C0, 7,
     0x8C8EA8, 0x6A6478, 0xFFFFFF, 0.15, 0xC48C3A, 0x6A4620, {0xD9541E, 0xE8A623, 0xB3261E}, true,
     0x5A84A8, 0x9C7A2A, {0xE8C040, 0xD05A20, 0xFFFFFF}, 0.15},
    {0x7597C0, 0xE4ECF4, 0xFFFFFF, 0xFFF4E0, 0.62, 0.35, 30, 0, 0xFFFFFF, 0xB8C4D4, 8,
     0x9AAAC4, 0x7484A4, 0xFFFFFF, 0.75, 0xF4F7FB, 0xBCCBDC, {0x1F4A3A, 0x2A5646, 0x183C30}, false,
     0x9CBCD6, 0xDCE6F0, {0xFFFFFF, 0xC8D8EA, 0xA8BCD2}, 0.3},
    {0x95A9BA, 0xE6ECEE, 0xFFFFF4, 0xFFFFFF, 0.4, 0.5, 40, 0, 0xF4F6F8, 0xC4CCD4, 5,
     0x9AA6B4, 0x6C7C8C, 0xF4F6F8, 0.2, 0x7C9A6A, 0x3C5A40, {0x3A5A44, 0x4A6A50, 0x2C4A38}, false,
     0x8CA4B4, 0x6A8A54, {0xE8E0FF, 0xFFFFFF, 0xD0E0B0}, 0.75},
    {0x5A9EE0, 0xDDF0F6, 0xFFFFF0, 0xFFFFD0, 0.8, 0.7, 32, 0, 0xFFFFFF, 0xBCCCE0, 8,
     0x8AA2C8, 0x6480A8, 0xFFFFFF, 0.3, 0x9CCB5A, 0x4A8C30, {0xF4B6C8, 0xFFFFFF, 0xE890B0}, true,
     0x4A90C8, 0x6AAE3A, {0xFFFFFF, 0xFFD6E6, 0xFFE44A}, 0.1},
}};
// clang-format on

// Jagged peaks: a ridge of folded noise, sharp where the noise changes sign.
std::vector<Point> MountainRidge(Canvas& canvas, SampleRandom& random, double baseY, double amplitude,
                                 double wavelength) {
    Noise noise(random, 6);
    const double offset = random.Uniform(0, 200);
    std::vector<Point> ridge;
    const double step = std::max(2.0, canvas.Width() / 500.0);
    for (double x = 0; x < canvas.Width() + step; x += step) {
        const double n = noise.At(offset + x / wavelength);
        const double folded = 1 - std::fabs(n) * 2.2;
        ridge.push_back({x, baseY - amplitude * (0.35 + 0.65 * folded)});
    }
    return ridge;
}

void Mountain(Canvas& canvas, SampleRandom& random, const std::vector<Point>& ridge, double baseY, const Colour& body,
              const Colour& snow, double snowCover, const Colour& sky) {
    const double unit = std::min(canvas.Width(), canvas.Height()) / 1000.0;
    double top = baseY;
    for (const Point& p : ridge)
        top = std::min(top, p.y);
    auto outline = [&] {
        canvas.MoveTo(0, baseY + 2);
        for (const Point& p : ridge)
            canvas.LineTo(p.x, p.y);
        canvas.LineTo(canvas.Width() + 1, baseY + 2);
        canvas.ClosePath();
    };
    outline();
    canvas.FillLinear(0, top, 0, baseY, {{0, body.Lighter(0.12)}, {1, body.Mix(sky, 0.25)}});

    canvas.Save();
    outline();
    canvas.Clip();
    // Snow fields: from the ridge down to a ragged snow line.
    Noise snowNoise(random, 4);
    const double snowLine = top + (baseY - top) * snowCover;
    canvas.MoveTo(ridge.front().x, ridge.front().y);
    for (const Point& p : ridge)
        canvas.LineTo(p.x, p.y);
    for (auto p = ridge.rbegin(); p != ridge.rend(); ++p) {
        const double line = snowLine + (baseY - top) * 0.25 * snowNoise.At(p->x / (unit * 60));
        canvas.LineTo(p->x, std::max(p->y, line));
    }
    canvas.ClosePath();
    canvas.Fill(snow.WithAlpha(0.92));
    // Rock ribs running down the slopes, lit on one side.
    const double height = baseY - top;
    for (int32_t i = 0; i < 160; ++i) {
        const size_t at = static_cast<size_t>(random.Int(0, static_cast<int32_t>(ridge.size()) - 1));
        const Point start = ridge[at];
        const double length = height * random.Uniform(0.08, 0.4);
        const double slant = random.Uniform(-0.5, 0.5) * length;
        canvas.MoveTo(start.x, start.y + unit * 3);
        canvas.CurveTo(start.x + slant * 0.3, start.y + length * 0.4, start.x + slant * 0.8, start.y + length * 0.7,
                       start.x + slant, start.y + length);
        const bool lit = random.Chance(0.5);
        canvas.Stroke((lit ? body.Lighter(0.3) : body.Darker(0.3)).WithAlpha(random.Uniform(0.15, 0.35)),
                      unit * random.Uniform(1.5, 4));
    }
    canvas.Restore();
}

void MistBand(Canvas& canvas, double y, double thickness, const Colour& colour, double strength) {
    if (strength <= 0)
        return;
    canvas.Rectangle(0, y - thickness, canvas.Width(), thickness * 2);
    canvas.FillLinear(0, y - thickness, 0, y + thickness,
                      {{0, colour.WithAlpha(0)}, {0.55, colour.WithAlpha(strength)}, {1, colour.WithAlpha(0)}});
}

void Tree(Canvas& canvas, SampleRandom& random, const Mood& mood, double x, double baseY, double height) {
    const Colour colour =
        Colour::Rgb(mood.trees[random.Int(0, 2)]).Mix(Colour::Rgb(mood.hillBottom), random.Uniform(0, 0.2));
    if (mood.broadleaves ? random.Chance(0.8) : random.Chance(0.15))
        Scenery::Broadleaf(canvas, random, x, baseY, height, colour, Colour::Rgb(0x4A3424));
    else
        Scenery::Conifer(canvas, random, x, baseY, height, colour);
}

double RidgeYAt(const std::vector<Point>& ridge, double x) {
    const double step = ridge[1].x - ridge[0].x;
    const auto i = std::clamp<size_t>(static_cast<size_t>(std::max(0.0, x / step)), 0, ridge.size() - 2);
    const double t = std::clamp((x - ridge[i].x) / step, 0.0, 1.0);
    return ridge[i].y + (ridge[i + 1].y - ridge[i].y) * t;
}

// A band of hills with trees scattered over it, smaller towards its top edge.
void Hills(Canvas& canvas, SampleRandom& random, const Mood& mood, double baseY, double amplitude, double shade,
           int32_t trees, double treeHeight) {
    const double w = canvas.Width();
    const std::vector<Point> ridge = Scenery::Ridge(canvas, random, baseY, amplitude, w * 0.35, 4);
    const Colour top = Colour::Rgb(mood.hillTop).Darker(shade);
    const Colour bottom = Colour::Rgb(mood.hillBottom).Darker(shade);
    Scenery::FillBelow(canvas, ridge, top, bottom);

    // Tufts and furrows give the slope texture before the trees stand on it.
    const double unit = std::min(w, static_cast<double>(canvas.Height())) / 1000.0;
    // Batched into one light and one dark fill; overlaps within a batch do not darken twice.
    for (int32_t light = 0; light < 2; ++light) {
        for (int32_t i = 0; i < 700; ++i) {
            const double x = random.Uniform(0, w);
            const double ridgeY = RidgeYAt(ridge, x);
            const double y = ridgeY + std::pow(random.Uniform(0.01, 1), 1.5) * (canvas.Height() - ridgeY);
            const double size = 0.4 + 1.2 * y / canvas.Height();
            canvas.Ellipse(x, y, unit * random.Uniform(6, 22) * size, unit * random.Uniform(2, 6) * size);
        }
        canvas.Fill((light ? top.Lighter(0.2) : bottom.Darker(0.2)).WithAlpha(0.35));
    }

    std::vector<Point> spots;
    for (int32_t i = 0; i < trees; ++i) {
        const double x = random.Uniform(-0.02, 1.02) * w;
        spots.push_back({x, RidgeYAt(ridge, x) + random.Uniform(0.02, 0.9) * amplitude * 1.6});
    }
    std::sort(spots.begin(), spots.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    for (const Point& spot : spots)
        Tree(canvas, random, mood, spot.x, spot.y, treeHeight * random.Uniform(0.7, 1.3));
}

void Meadow(Canvas& canvas, SampleRandom& random, const Mood& mood, double top) {
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const Colour grass = Colour::Rgb(mood.grass);
    // Blades batched by shade: one stroke per shade instead of one per blade.
    for (int32_t shade = 0; shade < 5; ++shade) {
        for (int32_t i = 0; i < 500; ++i) {
            const double t = random.Uniform(0, 1);
            const double y = top + (h - top) * std::sqrt(t) + unit * 10;
            const double length = unit * (12 + 45 * t) * random.Uniform(0.6, 1.3);
            const double x = random.Uniform(0, w);
            const double lean = random.Uniform(-0.5, 0.5) * length;
            canvas.MoveTo(x, y);
            canvas.CurveTo(x, y - length * 0.5, x + lean * 0.5, y - length * 0.8, x + lean, y - length);
        }
        canvas.Stroke(grass.Mix(shade % 2 ? grass.Lighter(0.35) : grass.Darker(0.4), shade / 4.0), unit * 2.2);
    }
    for (int32_t i = 0; i < 160; ++i) {
        const double t = random.Uniform(0, 1);
        const double y = top + (h - top) * std::sqrt(t);
        const double r = unit * (2 + 7 * t);
        const double x = random.Uniform(0, w);
        const Colour petal = Colour::Rgb(mood.flowers[random.Int(0, 2)]);
        for (int32_t p = 0; p < 5; ++p)
            canvas.Circle(x + std::cos(p * 1.2566) * r, y + std::sin(p * 1.2566) * r * 0.7, r * 0.75);
        canvas.Fill(petal);
        canvas.Circle(x, y, r * 0.45);
        canvas.Fill(Colour::Rgb(0xF0C020));
    }
}

}   // namespace

namespace Scenes {

void PaintLandscape(Canvas& canvas, int32_t moodIndex, uint32_t seed) {
    SampleRandom random(seed);
    const Mood& mood = kMoods[static_cast<size_t>(moodIndex) % kMoods.size()];
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const bool lake = moodIndex == 3 || random.Chance(0.7);
    const double horizonY = h * random.Uniform(0.5, 0.58);
    const Colour zenith = Colour::Rgb(mood.zenith), horizon = Colour::Rgb(mood.horizon);

    Scenery::Sky(canvas, horizonY, zenith, horizon);
    if (mood.stars > 0)
        Scenery::Stars(canvas, random, horizonY, mood.stars);
    const double sunY = horizonY * (1 - mood.sunHeight * 0.85) - unit * 20;
    Scenery::Sun(canvas, w * mood.sunX, sunY, unit * mood.sunSize, Colour::Rgb(mood.sunDisc),
                 Colour::Rgb(mood.sunGlow));
    Scenery::Clouds(canvas, random, horizonY * 0.08, horizonY * 0.6, mood.clouds + random.Int(0, 4),
                    Colour::Rgb(mood.cloudLight, moodIndex == 3 ? 0.7 : 0.95), Colour::Rgb(mood.cloudShade, 0.85));

    const Colour mist = horizon.Lighter(0.3);
    const int32_t ranges = random.Int(2, 3);
    for (int32_t r = 0; r < ranges; ++r) {
        const double depth = ranges == 1 ? 1 : static_cast<double>(r) / (ranges - 1);
        const double baseY = horizonY + unit * 4;
        const double amplitude = h * random.Uniform(0.2, 0.3) * (1 - 0.35 * depth);
        const std::vector<Point> ridge = MountainRidge(canvas, random, baseY, amplitude, w * random.Uniform(0.25, 0.5));
        const Colour body = Colour::Rgb(mood.farMountain).Mix(Colour::Rgb(mood.nearMountain), depth);
        Mountain(canvas, random, ridge, baseY, body, Colour::Rgb(mood.snow), mood.snowCover, horizon);
        MistBand(canvas, horizonY - amplitude * 0.2, amplitude * 0.35, mist, mood.mist * 0.8);
    }
    // A dark line of forest along the far shore, so the water has something to mirror.
    const double shoreHeight = unit * 26;
    for (double x = -unit * 10; x < w + unit * 10; x += unit * random.Uniform(5, 12))
        Scenery::Conifer(canvas, random, x, horizonY + unit * 3, shoreHeight * random.Uniform(0.6, 1.4),
                         Colour::Rgb(mood.trees[0]).Mix(horizon, 0.35));
    MistBand(canvas, horizonY - shoreHeight * 0.3, shoreHeight, mist, mood.mist);

    double nearTop = horizonY;
    if (lake) {
        const double lakeBottom = horizonY + h * random.Uniform(0.17, 0.22);
        canvas.Mirror(horizonY, lakeBottom, Colour::Rgb(mood.water, 0.4));
        Scenery::Ripples(canvas, random, horizonY + unit * 4, lakeBottom, horizon.Lighter(0.4).WithAlpha(0.55));
        nearTop = lakeBottom - h * 0.03;
    } else {
        Hills(canvas, random, mood, horizonY + h * 0.03, h * 0.05, 0.15, 70, unit * 45);
        nearTop = horizonY + h * 0.14;
    }
    Hills(canvas, random, mood, nearTop, h * 0.045, 0.0, 40, unit * 90);
    const double meadowTop = nearTop + h * 0.1;
    Hills(canvas, random, mood, meadowTop, h * 0.03, -0.05, 6, unit * 170);
    Meadow(canvas, random, mood, meadowTop + h * 0.03);
}

}   // namespace Scenes
