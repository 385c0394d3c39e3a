// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenery.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace Scenery {

void Sky(Canvas& canvas, double horizonY, const Colour& zenith, const Colour& horizon) {
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
    canvas.FillLinear(0, 0, 0, horizonY, {{0, zenith}, {0.6, zenith.Mix(horizon, 0.55)}, {1, horizon}});
}

void Sun(Canvas& canvas, double x, double y, double radius, const Colour& disc, const Colour& glow) {
    canvas.Circle(x, y, radius * 6);
    canvas.FillRadial(x, y, radius * 0.8, radius * 6,
                      {{0, glow.WithAlpha(0.55)}, {0.35, glow.WithAlpha(0.18)}, {1, glow.WithAlpha(0)}});
    canvas.Circle(x, y, radius);
    canvas.FillRadial(x, y, 0, radius, {{0, disc.Lighter(0.5)}, {0.8, disc}, {1, disc.Darker(0.05)}});
}

void Stars(Canvas& canvas, SampleRandom& random, double horizonY, int32_t count) {
    const double unit = std::min(canvas.Width(), canvas.Height()) / 1000.0;
    for (int32_t i = 0; i < count; ++i) {
        const double y = horizonY * std::pow(random.Uniform(0, 1), 1.4);
        const double fade = 1 - y / horizonY;
        canvas.Circle(random.Uniform(0, canvas.Width()), y, unit * random.Uniform(0.6, 2.2));
        canvas.Fill(Colour::Hsv(random.Uniform(30, 230), random.Uniform(0, 0.25), 1, random.Uniform(0.4, 1) * fade));
    }
}

void Clouds(Canvas& canvas, SampleRandom& random, double top, double bottom, int32_t count, const Colour& light,
            const Colour& shade) {
    const double w = canvas.Width();
    const double unit = std::min(w, static_cast<double>(canvas.Height())) / 1000.0;
    for (int32_t c = 0; c < count; ++c) {
        const double cx = random.Uniform(-0.1, 1.1) * w;
        const double cy = random.Uniform(top, bottom);
        const double depth = (cy - top) / std::max(1.0, bottom - top);   // lower clouds are farther
        const double size = unit * random.Uniform(50, 120) * (1.2 - 0.6 * depth);
        const int32_t puffs = random.Int(7, 14);
        std::vector<Point> centres;
        std::vector<double> radii;
        for (int32_t p = 0; p < puffs; ++p) {
            const double t = random.Uniform(-1, 1);
            centres.push_back({cx + t * size * 2.4, cy - (1 - t * t) * size * random.Uniform(0.3, 0.9)});
            radii.push_back(size * random.Uniform(0.45, 0.9) * (1.1 - 0.5 * std::fabs(t)));
        }
        for (size_t p = 0; p < centres.size(); ++p)
            canvas.Ellipse(centres[p].x, centres[p].y + radii[p] * 0.25, radii[p] * 1.25, radii[p]);
        canvas.Fill(shade);
        for (size_t p = 0; p < centres.size(); ++p) {
            canvas.Ellipse(centres[p].x, centres[p].y - radii[p] * 0.1, radii[p] * 1.1, radii[p] * 0.85);
            canvas.FillRadial(centres[p].x - radii[p] * 0.3, centres[p].y - radii[p] * 0.5, 0, radii[p] * 1.4,
                              {{0, light}, {0.7, light.Mix(shade, 0.35)}, {1, light.Mix(shade, 0.6)}});
        }
    }
}

void Ripples(Canvas& canvas, SampleRandom& random, double top, double bottom, const Colour& colour) {
    const double w = canvas.Width();
    const double unit = std::min(w, static_cast<double>(canvas.Height())) / 1000.0;
    const int32_t count = static_cast<int32_t>((bottom - top) / unit * 1.2);
    for (int32_t i = 0; i < count; ++i) {
        const double t = random.Uniform(0, 1);
        const double y = top + (bottom - top) * t * t;
        const double length = unit * random.Uniform(20, 90) * (0.3 + t);
        const double x = random.Uniform(-0.05, 1.05) * w;
        canvas.MoveTo(x, y);
        canvas.LineTo(x + length, y);
        canvas.Stroke(colour.WithAlpha(colour.a * random.Uniform(0.3, 1)), unit * (0.8 + 2.2 * t));
    }
}

void Conifer(Canvas& canvas, SampleRandom& random, double x, double baseY, double height, const Colour& colour) {
    const double width = height * random.Uniform(0.32, 0.45);
    canvas.Rectangle(x - width * 0.06, baseY - height * 0.15, width * 0.12, height * 0.15);
    canvas.Fill(Colour::Rgb(0x4A3222));
    const int32_t tiers = 4;
    for (int32_t t = 0; t < tiers; ++t) {
        const double bottom = baseY - height * (0.1 + 0.2 * t);
        const double half = width * 0.5 * (1 - 0.2 * t);
        const double peak = bottom - height * (0.42 - 0.03 * t);
        canvas.MoveTo(x - half, bottom);
        canvas.CurveTo(x - half * 0.4, bottom - height * 0.05, x - half * 0.2, peak + height * 0.1, x, peak);
        canvas.CurveTo(x + half * 0.2, peak + height * 0.1, x + half * 0.4, bottom - height * 0.05, x + half, bottom);
        canvas.ClosePath();
        canvas.FillPreserve(colour.Lighter(0.04 * t));
        canvas.Stroke(colour.Darker(0.35), height * 0.015);
        // Light falls from the upper left.
        canvas.MoveTo(x, peak);
        canvas.LineTo(x - half * 0.8, bottom);
        canvas.LineTo(x - half * 0.1, bottom - height * 0.02);
        canvas.ClosePath();
        canvas.Fill(colour.Lighter(0.25).WithAlpha(0.45));
    }
}

void Broadleaf(Canvas& canvas, SampleRandom& random, double x, double baseY, double height, const Colour& colour,
               const Colour& trunk) {
    const double crown = height * 0.34;
    canvas.MoveTo(x - crown * 0.12, baseY);
    canvas.LineTo(x - crown * 0.06, baseY - height * 0.55);
    canvas.LineTo(x + crown * 0.06, baseY - height * 0.55);
    canvas.LineTo(x + crown * 0.12, baseY);
    canvas.ClosePath();
    canvas.Fill(trunk);
    const double cy = baseY - height + crown;
    for (int32_t i = 0; i < 9; ++i) {
        const double angle = random.Uniform(0, 2 * M_PI);
        const double distance = crown * random.Uniform(0.15, 0.6);
        const double px = x + std::cos(angle) * distance;
        const double py = cy + std::sin(angle) * distance * 0.8;
        const double r = crown * random.Uniform(0.38, 0.55);
        canvas.Circle(px, py, r);
        canvas.FillRadial(px - r * 0.35, py - r * 0.45, 0, r * 1.3,
                          {{0, colour.Lighter(0.3)}, {0.6, colour}, {1, colour.Darker(0.35)}});
    }
}

std::vector<Point> Ridge(Canvas& canvas, SampleRandom& random, double baseY, double amplitude, double wavelength,
                         int32_t octaves) {
    Noise noise(random, octaves);
    const double offset = random.Uniform(0, 100);
    std::vector<Point> points;
    const double step = std::max(2.0, canvas.Width() / 400.0);
    for (double x = 0; x < canvas.Width() + step; x += step)
        points.push_back({x, baseY + amplitude * noise.At(offset + x / wavelength)});
    return points;
}

void FillBelow(Canvas& canvas, const std::vector<Point>& ridge, const Colour& top, const Colour& bottom) {
    double highest = canvas.Height();
    canvas.MoveTo(0, canvas.Height() + 1);
    for (const Point& p : ridge) {
        canvas.LineTo(p.x, p.y);
        highest = std::min(highest, p.y);
    }
    canvas.LineTo(canvas.Width() + 1, canvas.Height() + 1);
    canvas.ClosePath();
    canvas.FillLinear(0, highest, 0, canvas.Height(), {{0, top}, {1, bottom}});
}

}   // namespace Scenery
