// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

#include "SampleRandom.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Keeps the part of `polygon` nearer to `site` than to `other`: the Voronoi half-plane test.
std::vector<Point> ClipToNearer(const std::vector<Point>& polygon, const Point& site, const Point& other) {
    const Point normal{other.x - site.x, other.y - site.y};
    const Point middle{(site.x + other.x) / 2, (site.y + other.y) / 2};
    auto side = [&](const Point& p) { return (p.x - middle.x) * normal.x + (p.y - middle.y) * normal.y; };
    std::vector<Point> result;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Point& a = polygon[i];
        const Point& b = polygon[(i + 1) % polygon.size()];
        const double sa = side(a), sb = side(b);
        if (sa <= 0)
            result.push_back(a);
        if ((sa < 0 && sb > 0) || (sa > 0 && sb < 0)) {
            const double t = sa / (sa - sb);
            result.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
        }
    }
    return result;
}

std::vector<std::vector<Point>> VoronoiCells(const std::vector<Point>& sites, double width, double height,
                                             double reach) {
    std::vector<std::vector<Point>> cells;
    for (const Point& site : sites) {
        std::vector<Point> cell = {{-2, -2}, {width + 2, -2}, {width + 2, height + 2}, {-2, height + 2}};
        for (const Point& other : sites) {
            if (&other == &site || std::fabs(other.x - site.x) > reach || std::fabs(other.y - site.y) > reach)
                continue;
            cell = ClipToNearer(cell, site, other);
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

void GlassCell(Canvas& canvas, SampleRandom& random, const std::vector<Point>& cell, const Point& site,
               const Colour& colour, double unit) {
    double reach = 0;
    for (const Point& p : cell)
        reach = std::max(reach, std::hypot(p.x - site.x, p.y - site.y));
    canvas.Polygon(cell);
    canvas.FillRadial(site.x - reach * 0.2, site.y - reach * 0.3, 0, reach * 1.1,
                      {{0, colour.Lighter(0.35)}, {0.5, colour}, {1, colour.Darker(0.35)}});
    // Streaks in the glass catch the light.
    canvas.Save();
    canvas.Polygon(cell);
    canvas.Clip();
    for (int32_t i = random.Int(1, 3); i > 0; --i) {
        const double angle = random.Uniform(0, M_PI);
        const double offset = random.Jitter(reach * 0.6);
        canvas.MoveTo(site.x - std::cos(angle) * reach + offset, site.y - std::sin(angle) * reach);
        canvas.LineTo(site.x + std::cos(angle) * reach + offset, site.y + std::sin(angle) * reach);
        canvas.Stroke(Colour{1, 1, 1, random.Uniform(0.08, 0.2)}, unit * random.Uniform(3, 9));
    }
    canvas.Restore();
    canvas.Polygon(cell);
    canvas.StrokePreserve(Colour::Rgb(0x2A2A2E), unit * 7);
    canvas.Stroke(Colour::Rgb(0x6A6A70, 0.6), unit * 1.5);
}

void RoseWindowSites(SampleRandom& random, double w, double h, double unit, std::vector<Point>& sites,
                     std::vector<Colour>& colours) {
    const Point centre{w / 2, h / 2};
    const double radius = std::min(w, h) * 0.46;
    const std::array<uint32_t, 6> ringColours = {0xC81E2A, 0x1E4AB0, 0xE8B020, 0x2A8A4A, 0x8A2AA8, 0xE86A1A};
    sites.push_back(centre);
    colours.push_back(Colour::Rgb(0xF4D040));
    for (int32_t ring = 1; ring <= 8; ++ring) {
        const double r = radius * ring / 8.4;
        const int32_t count = 6 * ((ring + 1) / 2) * 2;
        const double twist = ring % 2 ? M_PI / count : 0;
        for (int32_t i = 0; i < count; ++i) {
            const double angle = twist + 2 * M_PI * i / count;
            sites.push_back({centre.x + std::cos(angle) * r, centre.y + std::sin(angle) * r});
            const Colour base = Colour::Rgb(ringColours[static_cast<size_t>((ring + (i % 2) * 3) % 6)]);
            colours.push_back(base.Mix(Colour::Rgb(0xFFFFFF), random.Uniform(0, 0.15)));
        }
    }
    // Outside the rose: dark blue and violet quarries.
    const double step = unit * 70;
    for (double y = step / 2; y < h; y += step)
        for (double x = step / 2; x < w; x += step) {
            const Point p{x + random.Jitter(step * 0.4), y + random.Jitter(step * 0.4)};
            if (std::hypot(p.x - centre.x, p.y - centre.y) < radius + step * 0.4)
                continue;
            sites.push_back(p);
            colours.push_back(
                Colour::Hsv(random.Uniform(215, 275), random.Uniform(0.55, 0.85), random.Uniform(0.35, 0.65)));
        }
}

void GardenSites(SampleRandom& random, double w, double h, double unit, std::vector<Point>& sites,
                 std::vector<Colour>& colours) {
    const double step = unit * 46;
    const Point bloom{w * 0.5, h * 0.36};
    const double bloomRadius = std::min(w, h) * 0.34;
    for (double y = step / 2; y < h; y += step)
        for (double x = step / 2; x < w; x += step) {
            const Point p{x + random.Jitter(step * 0.45), y + random.Jitter(step * 0.45)};
            sites.push_back(p);
            const double dx = p.x - bloom.x, dy = p.y - bloom.y;
            const double distance = std::hypot(dx, dy);
            const double petal = bloomRadius * (0.72 + 0.28 * std::cos(5 * std::atan2(dy, dx)));
            // Two leaves on the stem, as ellipses either side of it.
            const double leafY = (p.y - h * 0.66) / (step * 1.3);
            const double leafX = (std::fabs(dx) - step * 1.9) / (step * 1.9);
            Colour colour;
            if (distance < bloomRadius * 0.25)
                colour = Colour::Hsv(random.Uniform(40, 55), 0.9, 0.95);   // heart of the flower
            else if (distance < petal)
                colour = Colour::Hsv(random.Uniform(340, 370), 0.8, random.Uniform(0.7, 0.95));
            else if ((std::fabs(dx) < step * 0.6 && p.y > bloom.y) || leafX * leafX + leafY * leafY < 1)
                colour = Colour::Hsv(random.Uniform(100, 130), 0.7, random.Uniform(0.45, 0.6));   // stem and leaves
            else if (p.y > h * 0.78)
                colour = Colour::Hsv(random.Uniform(85, 140), random.Uniform(0.5, 0.8), random.Uniform(0.4, 0.7));
            else
                colour = Colour::Hsv(random.Uniform(190, 215), random.Uniform(0.35, 0.7), random.Uniform(0.65, 0.95));
            colours.push_back(colour);
        }
}

// The mortar between tiles: a warm grey with its own mottling.
void Mortar(Canvas& canvas, SampleRandom& random, double unit) {
    canvas.PaintAll(Colour::Rgb(0x5A524A));
    for (int32_t i = 0; i < 400; ++i) {
        canvas.Circle(random.Uniform(0, canvas.Width()), random.Uniform(0, canvas.Height()),
                      unit * random.Uniform(10, 40));
        canvas.Fill(Colour::Rgb(random.Chance(0.5) ? 0x6A6258 : 0x48403A, 0.3));
    }
}

void Tile(Canvas& canvas, SampleRandom& random, double x, double y, double angle, double size, const Colour& colour) {
    canvas.Save();
    canvas.Translate(x, y);
    canvas.Rotate(angle + random.Jitter(0.15));
    const double a = size * random.Uniform(0.4, 0.46), b = size * random.Uniform(0.4, 0.46);
    canvas.Polygon({{-a + random.Jitter(size * 0.05), -b},
                    {a, -b + random.Jitter(size * 0.05)},
                    {a + random.Jitter(size * 0.05), b},
                    {-a, b + random.Jitter(size * 0.05)}});
    const Colour stone = colour.Mix(Colour::Hsv(random.Uniform(0, 360), 0.3, random.Uniform(0.4, 0.9)), 0.12);
    canvas.FillLinear(-a, -b, a, b, {{0, stone.Lighter(0.2)}, {0.5, stone}, {1, stone.Darker(0.25)}});
    canvas.Restore();
}

}   // namespace

namespace Scenes {

void PaintStainedGlass(Canvas& canvas, int32_t kind, uint32_t seed) {
    SampleRandom random(seed);
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    std::vector<Point> sites;
    std::vector<Colour> colours;
    if (kind == 0)
        RoseWindowSites(random, w, h, unit, sites, colours);
    else
        GardenSites(random, w, h, unit, sites, colours);
    // Lead behind the glass, so the seams between neighbouring cells are never see-through.
    canvas.PaintAll(Colour::Rgb(0x2A2A2E));
    const std::vector<std::vector<Point>> cells = VoronoiCells(sites, w, h, unit * 260);
    for (size_t i = 0; i < cells.size(); ++i)
        GlassCell(canvas, random, cells[i], sites[i], colours[i], unit);
    if (kind == 0) {
        canvas.Circle(w / 2, h / 2, std::min(w, h) * 0.46 + unit * 12);
        canvas.Stroke(Colour::Rgb(0x8A7E6A), unit * 22);
        canvas.Circle(w / 2, h / 2, std::min(w, h) * 0.46 + unit * 12);
        canvas.Stroke(Colour::Rgb(0xC4B89C), unit * 6);
    }
}

void PaintTileMosaic(Canvas& canvas, int32_t kind, uint32_t seed) {
    SampleRandom random(seed);
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const double size = unit * 19;
    Mortar(canvas, random, unit);
    if (kind == 0) {
        // Rings of tiles around the centre, their bands rippled into twelve petals.
        const std::array<uint32_t, 7> palette = {0xB5452A, 0xE0A040, 0xEFE2C4, 0x7A1E1E, 0x2A2A2A, 0xD07030, 0x4A6A8A};
        const Point centre{w / 2, h / 2};
        const double reach = std::hypot(w, h) / 2 + size;
        for (double r = size * 0.6; r < reach; r += size) {
            const int32_t count = std::max(1, static_cast<int32_t>(2 * M_PI * r / size));
            for (int32_t i = 0; i < count; ++i) {
                const double angle = 2 * M_PI * i / count;
                const double x = centre.x + std::cos(angle) * r, y = centre.y + std::sin(angle) * r;
                if (x < -size || y < -size || x > w + size || y > h + size)
                    continue;
                const double ripple = r + unit * 45 * std::cos(12 * angle) * std::min(1.0, r / (unit * 200));
                const auto band = static_cast<size_t>(std::max(0.0, ripple / (unit * 55)));
                Tile(canvas, random, x, y, angle, size, Colour::Rgb(palette[band % palette.size()]));
            }
        }
    } else {
        // Rows of stones following the swell, in sea colours, with sand below.
        for (double row = -size * 2; row < h + size * 2; row += size) {
            for (double x = -size; x < w + size; x += size) {
                const double phase = row / (unit * 90);
                const double y = row + unit * 30 * std::sin(x / (unit * 120) + phase);
                const double slope = unit * 30 / (unit * 120) * std::cos(x / (unit * 120) + phase);
                const double depth = y / h;
                const double crest = std::sin(x / (unit * 120) + phase * 2.7 + depth * 6);
                Colour colour =
                    depth > 0.8
                        ? Colour::Hsv(random.Uniform(30, 45), random.Uniform(0.25, 0.5), random.Uniform(0.7, 0.95))
                        : Colour::Hsv(185 + 40 * depth + 15 * crest, 0.65, 0.45 + 0.45 * (1 - depth));
                if (crest > 0.93 && depth < 0.8)
                    colour = Colour::Rgb(0xF4F8FA);
                Tile(canvas, random, x, y, std::atan(slope), size, colour);
            }
        }
    }
}

void PaintHexTiles(Canvas& canvas, int32_t kind, uint32_t seed) {
    SampleRandom random(seed);
    const double w = canvas.Width(), h = canvas.Height();
    const double unit = std::min(w, h) / 1000.0;
    const double radius = unit * 52;
    const double dx = radius * std::sqrt(3.0), dy = radius * 1.5;
    canvas.PaintAll(Colour::Rgb(kind == 0 ? 0x3A2410 : 0xE8E0D0));
    auto hexagon = [&](double cx, double cy, double r) {
        std::vector<Point> points;
        for (int32_t i = 0; i < 6; ++i)
            points.push_back({cx + r * std::cos(M_PI / 6 + i * M_PI / 3), cy + r * std::sin(M_PI / 6 + i * M_PI / 3)});
        canvas.Polygon(points);
    };
    int32_t row = 0;
    for (double cy = 0; cy < h + radius; cy += dy, ++row) {
        int32_t column = 0;
        for (double cx = (row % 2) * dx / 2; cx < w + dx; cx += dx, ++column) {
            const double r = radius * 0.93;
            if (kind == 0) {
                // Comb cells: open ones glow with honey, some are capped with wax.
                const Colour honey =
                    Colour::Hsv(random.Uniform(28, 46), random.Uniform(0.75, 0.95), random.Uniform(0.75, 1));
                hexagon(cx, cy, r);
                if (random.Chance(0.3)) {
                    canvas.FillRadial(cx - r * 0.2, cy - r * 0.3, 0, r,
                                      {{0, Colour::Rgb(0xFFF0C0)}, {1, Colour::Rgb(0xD8B060)}});
                    hexagon(cx, cy, r * 0.55);
                    canvas.Stroke(Colour::Rgb(0xC09040, 0.6), unit * 3);
                } else {
                    canvas.FillRadial(cx, cy, 0, r, {{0, honey.Lighter(0.45)}, {0.6, honey}, {1, honey.Darker(0.45)}});
                    canvas.Ellipse(cx - r * 0.25, cy - r * 0.35, r * 0.22, r * 0.12);
                    canvas.Fill(Colour{1, 1, 1, 0.5});
                }
                hexagon(cx, cy, r);
                canvas.Stroke(Colour::Rgb(0xE8C070), unit * 5);
            } else {
                // Three tile colours, so no two neighbours match, each tile with a flower.
                // Axial coordinates of the shifted rows; q - r mod 3 differs between neighbours.
                const int32_t q = column - (row - (row & 1)) / 2;
                const int32_t shade = ((q - row) % 3 + 3) % 3;
                const std::array<uint32_t, 3> grounds = {0x2E6A8A, 0x3C8A5A, 0xC8A04A};
                const Colour ground = Colour::Rgb(grounds[static_cast<size_t>(shade)]);
                hexagon(cx, cy, r);
                canvas.FillLinear(cx, cy - r, cx, cy + r, {{0, ground.Lighter(0.2)}, {1, ground.Darker(0.2)}});
                const Colour petal = Colour::Hsv(random.Uniform(0, 360), random.Uniform(0.5, 0.8), 0.95);
                const int32_t petals = random.Int(5, 8);
                const double turn = random.Uniform(0, M_PI);
                for (int32_t p = 0; p < petals; ++p) {
                    const double angle = turn + 2 * M_PI * p / petals;
                    canvas.Circle(cx + std::cos(angle) * r * 0.38, cy + std::sin(angle) * r * 0.38, r * 0.26);
                }
                canvas.FillRadial(cx, cy, r * 0.1, r * 0.7, {{0, petal.Lighter(0.4)}, {1, petal.Darker(0.15)}});
                canvas.Circle(cx, cy, r * 0.18);
                canvas.Fill(Colour::Rgb(0xF8D848));
                hexagon(cx, cy, r);
                canvas.Stroke(Colour::Rgb(0xF4EEE0), unit * 4);
            }
        }
    }
}

}   // namespace Scenes
