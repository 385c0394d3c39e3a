// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A straight (not premultiplied) RGBA colour with components in 0..1, and the blends the scenes use.

#include <algorithm>
#include <cmath>
#include <cstdint>

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;

    static Colour Rgb(uint32_t rgb, double alpha = 1) {
        return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
    }

    // Hue in degrees (any value, wrapped), saturation and value in 0..1.
    static Colour Hsv(double hue, double saturation, double value, double alpha = 1) {
        hue = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
        const double c = value * saturation;
        const double x = c * (1 - std::fabs(std::fmod(hue, 2.0) - 1));
        const double m = value - c;
        const int sector = static_cast<int>(hue) % 6;
        const double rgb[6][3] = {{c, x, 0}, {x, c, 0}, {0, c, x}, {0, x, c}, {x, 0, c}, {c, 0, x}};
        return {rgb[sector][0] + m, rgb[sector][1] + m, rgb[sector][2] + m, alpha};
    }

    // t = 0 gives this colour, t = 1 gives `other`.
    Colour Mix(const Colour& other, double t) const {
        t = std::clamp(t, 0.0, 1.0);
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t, a + (other.a - a) * t};
    }

    Colour WithAlpha(double alpha) const { return {r, g, b, alpha}; }
    Colour Lighter(double t) const { return Mix({1, 1, 1, a}, t); }
    Colour Darker(double t) const { return Mix({0, 0, 0, a}, t); }
};
