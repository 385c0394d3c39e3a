// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

#include "SampleRandom.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// A petal from `base` pointing along `angle`: two cubic curves meeting at the tip.
void Petal(Canvas& canvas, const Point& base, double angle, double length, double width) {
    const double c = std::cos(angle), s = std::sin(angle);
    auto at = [&](double along, double across) {
        return Point{base.x + c * along - s * across, base.y + s * along + c * across};
    };
    const Point tip = at(length, 0), l1 = at(length * 0.3, -width), l2 = at(length * 0.8, -width * 0.6);
    const Point r1 = at(length * 0.8, width * 0.6), r2 = at(length * 0.3, width);
    canvas.MoveTo(base.x, base.y);
    canvas.CurveTo(l1.x, l1.y, l2.x, l2.y, tip.x, tip.y);
    canvas.CurveTo(r1.x, r1.y, r2.x, r2.y, base.x, base.y);
    canvas.ClosePath();
}

void Rosette(Canvas& canvas, const Point& centre, double radius, int32_t petals, double turn, const Colour& petal,
             const Colour& heart) {
    for (int32_t i = 0; i < petals; ++i)
        Petal(canvas, centre, turn + 2 * M_PI * i / petals, radius, radius * 0.3);
    canvas.FillRadial(centre.x, centre.y, 0, radius, {{0, petal.Lighter(0.3)}, {1, petal.Darker(0.2)}});
    canvas.Circle(centre.x, centre.y, radius * 0.22);
    canvas.Fill(heart);
}

}   // namespace

namespace Scenes {

void PaintTruchet(Canvas& canvas, int32_t kind, uint32_t seed) {
    SampleRandom random(seed);
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    // Whole pixels, so tile edges and the clipped arcs meet without antialiased seams.
    const double cell = std::round(unit * (kind == 0 ? 80 : 64));
    const double hueStart = random.Uniform(0, 360);
    // Tile edges fall between pixels; an opaque ground keeps their seams from showing through.
    canvas.PaintAll(Colour::Hsv(hueStart + 180, 0.35, 0.3));
    for (double y = 0; y < h; y += cell)
        for (double x = 0; x < w; x += cell) {
            const bool flip = random.Chance(0.5);
            const double hue = hueStart + 120 * (x / w) + 60 * (y / h);
            // Quarter discs in the two arc corners, the rest of the tile in a second shade.
            canvas.Rectangle(x, y, cell, cell);
            canvas.Fill(Colour::Hsv(hue + 180, 0.35, 0.3));
            const std::array<Point, 2> corners = flip ? std::array<Point, 2>{{{x, y}, {x + cell, y + cell}}}
                                                      : std::array<Point, 2>{{{x + cell, y}, {x, y + cell}}};
            canvas.Save();
            canvas.Rectangle(x, y, cell, cell);
            canvas.Clip();
            for (const Point& corner : corners) {
                if (kind == 0) {
                    canvas.Circle(corner.x, corner.y, cell * 0.5);
                    canvas.Fill(Colour::Hsv(hue + 180, 0.4, 0.45));
                    canvas.Circle(corner.x, corner.y, cell * 0.5);
                    canvas.Stroke(Colour::Rgb(0x101010, 0.6), cell * 0.3);
                    canvas.Circle(corner.x, corner.y, cell * 0.5);
                    canvas.Stroke(Colour::Hsv(hue, 0.75, 0.95), cell * 0.2);
                    canvas.Circle(corner.x, corner.y, cell * 0.5 - cell * 0.04);
                    canvas.Stroke(Colour::Hsv(hue, 0.3, 1, 0.6), cell * 0.04);
                } else {
                    // Woven: three bands nested in each corner. Their radii are symmetric about
                    // half the tile, so each band meets a band of the neighbouring tile.
                    for (int32_t band = 3; band >= 1; --band) {
                        canvas.Circle(corner.x, corner.y, cell * (band + 1) / 6.0);
                        canvas.Stroke(Colour::Rgb(0x202020, 0.7), cell * 0.13);
                        canvas.Circle(corner.x, corner.y, cell * (band + 1) / 6.0);
                        const int32_t outerness = std::abs(band - 2);   // the two bands that meet match
                        canvas.Stroke(Colour::Hsv(hue + outerness * 50, 0.7, 0.9 - outerness * 0.1), cell * 0.09);
                    }
                }
            }
            canvas.Restore();
        }
}

void PaintMandala(Canvas& canvas, int32_t kind, uint32_t seed) {
    SampleRandom random(seed);
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const std::array<uint32_t, 6> cool = {0x1E8A8A, 0x6A3AA8, 0xE8B830, 0x2A5AC8, 0xC84A8A, 0x8AD0C0};
    const std::array<uint32_t, 6> warm = {0xD8301E, 0xF49A20, 0xF8D848, 0xB01E5A, 0xE86A3A, 0x7A1E8A};
    const std::array<uint32_t, 6>& palette = kind == 0 ? cool : warm;
    const Point centre{w / 2, h / 2};

    canvas.Rectangle(0, 0, w, h);
    canvas.FillRadial(
        centre.x, centre.y, 0, std::hypot(w, h) / 2,
        {{0, Colour::Rgb(kind == 0 ? 0x1A2A4A : 0x4A1A1A)}, {1, Colour::Rgb(kind == 0 ? 0x0A1020 : 0x200A0A)}});
    // A lattice of small rosettes behind, so no corner is empty.
    const double spacing = unit * 90;
    for (double y = 0; y < h + spacing; y += spacing)
        for (double x = std::fmod(y / spacing, 2.0) < 1 ? 0 : spacing / 2; x < w + spacing; x += spacing) {
            Rosette(canvas, {x, y}, spacing * 0.36, 8, random.Uniform(0, 1),
                    Colour::Rgb(palette[static_cast<size_t>(random.Int(0, 5))]).Darker(0.35),
                    Colour::Rgb(palette[2]).Darker(0.2));
            canvas.Circle(x + spacing / 2, y, unit * 5);
            canvas.Fill(Colour::Rgb(palette[5], 0.6));
        }

    // The mandala: rings of petals, each ring with more and longer petals, dots between.
    const double radius = std::min(w, h) * 0.47;
    canvas.Circle(centre.x, centre.y, radius * 1.02);
    canvas.Fill(Colour::Rgb(kind == 0 ? 0x0E1A30 : 0x2A0A0A, 0.85));
    const int32_t rings = 8;
    for (int32_t ring = rings; ring >= 1; --ring) {
        const double outer = radius * ring / rings;
        const int32_t petals = 6 + 4 * ring;
        const double turn = (ring % 2) * M_PI / petals;
        const Colour colour = Colour::Rgb(palette[static_cast<size_t>(ring % 6)]);
        for (int32_t i = 0; i < petals; ++i) {
            const double angle = turn + 2 * M_PI * i / petals;
            const Point base{centre.x + std::cos(angle) * outer * 0.55, centre.y + std::sin(angle) * outer * 0.55};
            Petal(canvas, base, angle, outer * 0.45, outer * 0.45 * M_PI / petals * 1.6);
        }
        canvas.FillRadial(centre.x, centre.y, outer * 0.5, outer,
                          {{0, colour.Darker(0.2)}, {0.6, colour}, {1, colour.Lighter(0.4)}});
        for (int32_t i = 0; i < petals; ++i) {
            const double angle = turn + 2 * M_PI * i / petals;
            const Point base{centre.x + std::cos(angle) * outer * 0.55, centre.y + std::sin(angle) * outer * 0.55};
            Petal(canvas, base, angle, outer * 0.45, outer * 0.45 * M_PI / petals * 1.6);
        }
        canvas.Stroke(colour.Darker(0.5), unit * 2);
        for (int32_t i = 0; i < petals; ++i) {
            const double angle = turn + M_PI / petals + 2 * M_PI * i / petals;
            canvas.Circle(centre.x + std::cos(angle) * outer * 0.6, centre.y + std::sin(angle) * outer * 0.6,
                          std::max(unit * 2, outer * 0.025));
        }
        canvas.Fill(Colour::Rgb(palette[static_cast<size_t>((ring + 2) % 6)]).Lighter(0.3));
        canvas.Circle(centre.x, centre.y, outer * 0.55);
        canvas.Fill(Colour::Rgb(kind == 0 ? 0x0E1A30 : 0x2A0A0A));
    }
    Rosette(canvas, centre, radius * 0.09, 12, 0, Colour::Rgb(palette[2]), Colour::Rgb(palette[0]));
}

void PaintWaves(Canvas& canvas, uint32_t seed) {
    SampleRandom random(seed);
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const double radius = unit * 70;
    canvas.PaintAll(Colour::Rgb(0x0A2A4A));
    // Rows top to bottom: each row covers the lower halves of the row above.
    int32_t row = 0;
    for (double y = -radius; y < h + radius * 1.5; y += radius * 0.5, ++row) {
        const double depth = std::clamp(y / h, 0.0, 1.0);
        for (double x = (row % 2) * radius; x < w + radius * 2; x += radius * 2) {
            const double swell = std::sin(x / (unit * 400) + depth * 5);
            const double hue = 200 - 25 * depth + 12 * swell;
            const bool accent = random.Chance(0.06);
            for (int32_t ring = 5; ring >= 1; --ring) {
                const double r = radius * ring / 5.0;
                canvas.Circle(x, y, r);
                Colour colour = ring % 2 ? Colour::Hsv(hue, 0.75, 0.35 + 0.5 * (1 - depth) + 0.05 * ring)
                                         : Colour::Hsv(hue - 15, 0.25, 0.95);
                if (accent && ring % 2)
                    colour = Colour::Hsv(40 + 10 * swell, 0.8, 0.95);
                canvas.FillPreserve(colour);
                canvas.Stroke(Colour::Rgb(0x06203A, 0.5), unit * 1.5);
            }
        }
    }
}

void PaintQuilt(Canvas& canvas, uint32_t seed) {
    SampleRandom random(seed);
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const std::array<uint32_t, 8> fabrics = {0xC83A3A, 0x2A5A9A, 0xE8B040, 0x3A8A5A,
                                             0x8A3A7A, 0xE87A4A, 0x4AAAC8, 0xF4E8D0};
    const double sashing = unit * 16;
    const double block = unit * 190;
    canvas.PaintAll(Colour::Rgb(0xF2EAD8));
    // Small dots printed on a patch inside the block at (bx, by): a grid clipped to the patch.
    double bx = 0, by = 0;
    auto print = [&](const Colour& base) {
        canvas.Save();
        canvas.Clip();
        canvas.PaintAll(base);
        const double step = unit * 14;
        for (double y = by; y < by + block + step; y += step)
            for (double x = bx + (std::fmod((y - by) / step, 2.0) < 1 ? 0 : step / 2); x < bx + block + step; x += step)
                canvas.Circle(x, y, unit * 2.2);
        canvas.Fill(base.Lighter(0.35).WithAlpha(0.7));
        canvas.Restore();
    };
    for (by = sashing; by < h; by += block + sashing)
        for (bx = sashing; bx < w; bx += block + sashing) {
            const Colour a = Colour::Rgb(fabrics[static_cast<size_t>(random.Int(0, 6))]);
            Colour b = Colour::Rgb(fabrics[static_cast<size_t>(random.Int(0, 7))]);
            if (std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b) < 0.2)
                b = Colour::Rgb(fabrics[7]);
            const double q = block / 4;
            const int32_t pattern = random.Int(0, 3);
            canvas.Save();
            canvas.Rectangle(bx, by, block, block);
            canvas.Clip();
            canvas.Rectangle(bx, by, block, block);
            print(b);
            for (int32_t i = 0; i < 4; ++i)
                for (int32_t j = 0; j < 4; ++j) {
                    const double x = bx + i * q, y = by + j * q;
                    bool filled = false;
                    if (pattern == 0) {   // pinwheel of half-square triangles
                        const bool flip = (i < 2) != (j < 2);
                        if (flip)
                            canvas.Polygon({{x, y}, {x + q, y}, {x + q, y + q}});
                        else
                            canvas.Polygon({{x, y}, {x, y + q}, {x + q, y}});
                        filled = true;
                    } else if (pattern == 1) {   // checkerboard with a centre diamond
                        if ((i + j) % 2 == 0) {
                            canvas.Rectangle(x, y, q, q);
                            filled = true;
                        }
                    } else if (pattern == 2) {   // log cabin strips round the centre
                        const int32_t ring = std::max(std::abs(2 * i - 3), std::abs(2 * j - 3));
                        if (ring != 1 && ((i < 2) == (j < 2))) {
                            canvas.Rectangle(x, y, q, q);
                            filled = true;
                        }
                    } else if (i == j || i + j == 3) {   // an X of squares
                        canvas.Rectangle(x, y, q, q);
                        filled = true;
                    }
                    if (filled)
                        print(a);
                }
            if (pattern == 1) {
                const double cx = bx + block / 2, cy = by + block / 2;
                canvas.Polygon({{cx, cy - q}, {cx + q, cy}, {cx, cy + q}, {cx - q, cy}});
                print(Colour::Rgb(fabrics[static_cast<size_t>(random.Int(0, 7))]));
            }
            // Quilting stitches: thin light lines a little inside each patch seam.
            for (int32_t k = 1; k < 4; ++k) {
                canvas.MoveTo(bx + k * q, by);
                canvas.LineTo(bx + k * q, by + block);
                canvas.MoveTo(bx, by + k * q);
                canvas.LineTo(bx + block, by + k * q);
            }
            canvas.Stroke(Colour{1, 1, 1, 0.25}, unit * 1.5);
            canvas.Restore();
            canvas.Rectangle(bx - sashing * 0.5, by - sashing * 0.5, sashing * 0.5, sashing * 0.5);
            canvas.Fill(Colour::Rgb(0x9A3A2A));
        }
}

}   // namespace Scenes
